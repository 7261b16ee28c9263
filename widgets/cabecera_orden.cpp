#include "cabecera_orden.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionHeader>

void CabeceraOrden::aplicar(QHeaderView *cabecera)
{
    auto *const estilo = new CabeceraOrden(QApplication::style()->name());
    // A part of the header, not a component: the style made for it goes unnamed.
    estilo->baseStyle()->setObjectName(QString());
    estilo->setParent(cabecera);
    cabecera->setStyle(estilo);
}

void CabeceraOrden::drawControl(ControlElement elemento, const QStyleOption *opcion, QPainter *pintor,
                                const QWidget *widget) const
{
    const auto *const cabecera = qstyleoption_cast<const QStyleOptionHeader *>(opcion);
    if (elemento != CE_Header || !cabecera || cabecera->sortIndicator == QStyleOptionHeader::None) {
        QProxyStyle::drawControl(elemento, opcion, pintor, widget);
        return;
    }
    // The section and its caption as if unsorted: the caption centred on the whole width.
    // The style may leave the painter's clip other than it found it: keep its state apart.
    QStyleOptionHeader sinIndicador = *cabecera;
    sinIndicador.sortIndicator = QStyleOptionHeader::None;
    pintor->save();
    QProxyStyle::drawControl(CE_Header, &sinIndicador, pintor, widget);
    pintor->restore();

    // A triangle 7 pixels wide and 4 high, pointing the way the style's own indicator points
    // (up for SortUp), in the room the caption leaves beside it when there is some, else in the
    // section's bottom margin below it.
    const QRect r = cabecera->rect;
    const int margen = proxy()->pixelMetric(PM_HeaderMargin, opcion, widget);
    const int anchoTexto = cabecera->fontMetrics.horizontalAdvance(cabecera->text);
    int desde = r.left() + margen + anchoTexto; // the room right of a caption on the left
    int hasta = r.right();
    if (cabecera->textAlignment & Qt::AlignRight) {
        desde = r.left();
        hasta = r.right() - margen - anchoTexto;
    } else if (cabecera->textAlignment & Qt::AlignHCenter) {
        desde = r.center().x() + anchoTexto / 2;
    }
    const bool alLado = hasta - desde >= 11;
    const int x = alLado ? (desde + hasta) / 2 : r.center().x();
    const int abajo = alLado ? r.center().y() + 2 : r.bottom() - 1;
    const bool arriba = cabecera->sortIndicator == QStyleOptionHeader::SortUp;
    const QPolygon triangulo = arriba ? QPolygon({QPoint(x - 3, abajo), QPoint(x + 3, abajo), QPoint(x, abajo - 3)})
                                      : QPolygon({QPoint(x - 3, abajo - 3), QPoint(x + 3, abajo - 3), QPoint(x, abajo)});
    pintor->save();
    pintor->setRenderHint(QPainter::Antialiasing, false);
    pintor->setPen(cabecera->palette.color(QPalette::ButtonText));
    pintor->setBrush(cabecera->palette.color(QPalette::ButtonText));
    pintor->drawPolygon(triangulo);
    pintor->restore();
}
