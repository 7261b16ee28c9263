#include "delegadoresaltado.h"

#include "recorte_tramo.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>


DelegadoResaltado::DelegadoResaltado(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void DelegadoResaltado::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant tramo = index.data(RolTramo);
    if (!tramo.canConvert<QPoint>()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opcion = option;
    initStyleOption(&opcion, index);
    const QString texto = opcion.text;
    opcion.text.clear();
    const QWidget *const vista = opcion.widget;
    QStyle *const estilo = vista ? vista->style() : QApplication::style();
    // Background, selection and focus as any item; then the text in three runs.
    estilo->drawControl(QStyle::CE_ItemViewItem, &opcion, painter, vista);

    QRect caja = estilo->subElementRect(QStyle::SE_ItemViewItemText, &opcion, vista).adjusted(2, 0, -2, 0);
    QFont negrita = opcion.font;
    negrita.setBold(true);
    const QFontMetrics medidaTexto(opcion.font);
    const QFontMetrics medidaNegrita(negrita);
    // Cut around the stretch, so that a narrow column still shows it.
    const QPoint p = tramo.toPoint();
    const Recorte_Tramo recorte = recortarAlrededor(
        texto, p.x(), p.y(), caja.width(), [&](QStringView s) { return medidaTexto.horizontalAdvance(s.toString()); },
        [&](QStringView s) { return medidaNegrita.horizontalAdvance(s.toString()); });
    const QStringView visible(recorte.texto);
    const bool elegido = opcion.state & QStyle::State_Selected;
    const QPalette::ColorGroup grupo = opcion.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setClipRect(caja);
    painter->setPen(opcion.palette.color(grupo, elegido ? QPalette::HighlightedText : QPalette::Text));
    const struct {
        QStringView trozo;
        const QFont &fuente;
    } trozos[] = {
        {visible.first(recorte.inicio), opcion.font},
        {visible.sliced(recorte.inicio, recorte.largo), negrita},
        {visible.sliced(recorte.inicio + recorte.largo), opcion.font},
    };
    for (const auto &t : trozos) {
        if (t.trozo.isEmpty())
            continue;
        painter->setFont(t.fuente);
        const QString s = t.trozo.toString();
        painter->drawText(caja, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, s);
        caja.setLeft(caja.left() + QFontMetrics(t.fuente).horizontalAdvance(s));
    }
    painter->restore();
}
