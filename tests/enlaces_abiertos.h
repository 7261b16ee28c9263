#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the place of the desktop's handler for links (QDesktopServices::setUrlHandler) and
// keeps what it was asked to open, so no test launches a browser or a mail program.
class EnlacesAbiertos : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> abiertos;

public slots:
    void abrir(const QUrl &url) { abiertos << url; }
};
