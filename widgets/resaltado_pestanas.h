#pragma once

#include <QColor>
#include <QObject>

class QTabBar;

// Colours the caption of the tab under the mouse; the other tabs keep the bar's own colour.
class ResaltadoPestanas : public QObject
{
    Q_OBJECT

public:
    ResaltadoPestanas(QTabBar *pestanas, const QColor &color);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void resaltar(int indice);

    QTabBar *const pestanas;
    const QColor color;
    int resaltada = -1;
};
