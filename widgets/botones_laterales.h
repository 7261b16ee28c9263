#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// The mouse's back and forward buttons over any part of one window. Pressed there, they
// raise atras() or adelante() and go no further, so that no widget under the pointer acts
// on them as well (a list would select the row); their release is kept back too. It
// watches the application's events, since a press goes to the widget under the pointer.
class BotonesLaterales : public QObject
{
    Q_OBJECT

public:
    explicit BotonesLaterales(QWidget *ventana);
    Q_DISABLE_COPY_MOVE(BotonesLaterales)

signals:
    void atras();
    void adelante();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QPointer<QWidget> ventana_;
};
