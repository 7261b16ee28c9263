#include "delegadoresaltado.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>

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

    const QPoint p = tramo.toPoint();
    const qsizetype inicio = std::clamp<qsizetype>(p.x(), 0, texto.size());
    const qsizetype fin = std::clamp<qsizetype>(inicio + std::max(p.y(), 0), inicio, texto.size());
    QRect caja = estilo->subElementRect(QStyle::SE_ItemViewItemText, &opcion, vista).adjusted(2, 0, -2, 0);
    const bool elegido = opcion.state & QStyle::State_Selected;
    const QPalette::ColorGroup grupo = opcion.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setClipRect(caja);
    painter->setPen(opcion.palette.color(grupo, elegido ? QPalette::HighlightedText : QPalette::Text));
    QFont negrita = opcion.font;
    negrita.setBold(true);
    const struct {
        QStringView trozo;
        const QFont &fuente;
    } trozos[] = {
        {QStringView(texto).first(inicio), opcion.font},
        {QStringView(texto).sliced(inicio, fin - inicio), negrita},
        {QStringView(texto).sliced(fin), opcion.font},
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
