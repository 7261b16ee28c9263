#pragma once

#include <QWidget>

class QTimer;

// Tells a screen reader something it would not hear otherwise, such as the entry a move
// has reached while the keyboard stays on a button: an invisible notification, shown anew
// with each message (screen readers speak a notification as it appears) and hidden a second
// later. It draws nothing,
// takes no focus and lets every click through.
class AvisoLector final : public QWidget
{
    Q_OBJECT

public:
    explicit AvisoLector(QWidget *parent);
    Q_DISABLE_COPY_MOVE(AvisoLector)

    void anunciar(const QString &mensaje);

private:
    QTimer *const ocultar_;
};
