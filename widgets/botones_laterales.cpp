#include "botones_laterales.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

BotonesLaterales::BotonesLaterales(QWidget *ventana)
    : QObject(ventana)
    , ventana_(ventana)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool BotonesLaterales::eventFilter(QObject *objeto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonRelease && tipo != QEvent::MouseButtonDblClick)
        return false;
    const Qt::MouseButton boton = static_cast<QMouseEvent *>(evento)->button();
    if (boton != Qt::BackButton && boton != Qt::ForwardButton)
        return false;
    const auto *const widget = qobject_cast<const QWidget *>(objeto);
    if (!widget || !ventana_ || widget->window() != ventana_)
        return false;
    if (tipo == QEvent::MouseButtonPress) {
        if (boton == Qt::BackButton)
            emit atras();
        else
            emit adelante();
    }
    return true;
}
