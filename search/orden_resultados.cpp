#include "orden_resultados.h"

#include "modelo_resultados.h"

bool OrdenResultados::ordenarPor(int columna)
{
    switch (columna) {
    case ModeloResultados::ColumnaEntrada:
        sort(columna, Qt::AscendingOrder);
        return true;
    case ModeloResultados::ColumnaCoincidencias:
        sort(columna, Qt::DescendingOrder);
        return true;
    default:
        return false;
    }
}

bool OrdenResultados::lessThan(const QModelIndex &izquierda, const QModelIndex &derecha) const
{
    // No tie broken here: the sort is stable, so entries with as many hits keep their order.
    if (izquierda.column() == ModeloResultados::ColumnaCoincidencias)
        return izquierda.data().toInt() < derecha.data().toInt();
    return izquierda.data(Qt::UserRole).toInt() < derecha.data(Qt::UserRole).toInt();
}
