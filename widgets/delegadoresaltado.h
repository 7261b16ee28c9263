#pragma once

#include <QStyledItemDelegate>

// Draws an item's text on one line with a stretch of it in bold: the stretch is the
// QPoint(start, length) the model gives for RolTramo. Where the cell is too narrow the text is
// cut around the stretch, "…" on the sides cut. Without a stretch the text is drawn as the
// usual delegate draws it.
class DelegadoResaltado final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int RolTramo = Qt::UserRole + 1;

    explicit DelegadoResaltado(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(DelegadoResaltado)

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
