#include "modelo_estadisticas.h"

#include "contar.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::array<const char16_t *, 3> Encabezados = {u"Palabra", u"Artículos", u"Veces"};

} // namespace

ModeloEstadisticas::ModeloEstadisticas(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ModeloEstadisticas::empezarLlenado(qsizetype previstas)
{
    beginResetModel();
    filas.clear();
    filas.reserve(previstas);
}

void ModeloEstadisticas::agregar(FilaEstadistica fila)
{
    filas.append(std::move(fila));
}

void ModeloEstadisticas::terminarLlenado()
{
    endResetModel();
}

void ModeloEstadisticas::ordenar(
    const std::function<int(const FilaEstadistica &, const FilaEstadistica &)> &comparar)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> orden(filas.size());
    std::iota(orden.begin(), orden.end(), 0);
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return comparar(filas[a], filas[b]) < 0; });

    QList<FilaEstadistica> ordenadas;
    ordenadas.reserve(filas.size());
    std::vector<int> nuevaFila(filas.size());
    for (std::size_t i = 0; i < orden.size(); ++i) {
        ordenadas.append(std::move(filas[orden[i]]));
        nuevaFila[orden[i]] = int(i);
    }
    filas = std::move(ordenadas);

    const QModelIndexList antes = persistentIndexList();
    QModelIndexList despues;
    despues.reserve(antes.size());
    for (const QModelIndex &i : antes)
        despues.append(index(nuevaFila[i.row()], i.column()));
    changePersistentIndexList(antes, despues);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ModeloEstadisticas::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(filas.size());
}

int ModeloEstadisticas::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Encabezados.size());
}

QVariant ModeloEstadisticas::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= filas.size() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return filas[index.row()].columnas[index.column()];
    // Read aloud, the zero-padded counts would be bare numbers: "1 artículo", "3 veces".
    if (role == Qt::AccessibleTextRole && index.column() > 0) {
        const int n = filas[index.row()].columnas[index.column()].toInt();
        return index.column() == 1 ? contar(n, "artículo", "artículos") : contar(n, "vez", "veces");
    }
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

QVariant ModeloEstadisticas::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf16(Encabezados[section]);
    if (role == Qt::TextAlignmentRole)
        return int((section == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ModeloEstadisticas::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
