#pragma once

#include <QSortFilterProxyModel>

// The order the result list shows its rows in: the entries' own until "Veces" is chosen, then
// the most hits first, entries with as many hits in their own order; "Entrada" goes back to
// the entries' order. The results themselves (and F3, and printing) keep the entries' order.
class OrdenResultados final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    Q_DISABLE_COPY_MOVE(OrdenResultados)

    // Orders by the column, as a click on its heading does: "Entrada" from the first entry,
    // "Veces" from the most hits. False for a column that does not order.
    bool ordenarPor(int columna);

protected:
    bool lessThan(const QModelIndex &izquierda, const QModelIndex &derecha) const override;
};
