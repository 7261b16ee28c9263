#include "resaltado_pestanas.h"

#include <QHoverEvent>
#include <QTabBar>

ResaltadoPestanas::ResaltadoPestanas(QTabBar *pestanas, const QColor &color)
    : QObject(pestanas)
    , pestanas(pestanas)
    , color(color)
{
    pestanas->setAttribute(Qt::WA_Hover);
    pestanas->installEventFilter(this);
}

bool ResaltadoPestanas::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        resaltar(pestanas->tabAt(static_cast<QHoverEvent *>(evento)->position().toPoint()));
        break;
    case QEvent::HoverLeave:
    case QEvent::Hide:
        resaltar(-1);
        break;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}

void ResaltadoPestanas::resaltar(int indice)
{
    if (indice == resaltada)
        return;
    // An invalid colour gives a tab back the bar's own.
    if (resaltada >= 0 && resaltada < pestanas->count())
        pestanas->setTabTextColor(resaltada, QColor());
    resaltada = indice;
    if (resaltada >= 0)
        pestanas->setTabTextColor(resaltada, color);
}
