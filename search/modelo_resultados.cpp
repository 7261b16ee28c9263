#include "modelo_resultados.h"

#include "contar.h"
#include "delegadoresaltado.h"
#include "enmiendas.h"
#include "rotulos_busqueda.h"
#include "entradas.h"

#include <QPoint>

ModeloResultados::ModeloResultados(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ModeloResultados::setResultados(QList<Resultado_Busqueda> resultados)
{
    beginResetModel();
    resultados_ = std::move(resultados);
    filas_.clear();
    filas_.reserve(resultados_.size());
    total_ = 0;
    for (const Resultado_Busqueda &r : resultados_) {
        const int n = int(r.tramos.size());
        total_ += n;
        filas_.append({r.entrada, Nombre_Resultado(r.entrada), n,
                       n > 0 ? contextoDe(Texto_Entrada(r.entrada), r.tramos.first()) : Contexto_Coincidencia{}});
    }
    endResetModel();
}

int ModeloResultados::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(filas_.size());
}

int ModeloResultados::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NumeroColumnas;
}

QVariant ModeloResultados::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= filas_.size())
        return {};
    const FilaResultado &f = filas_[index.row()];
    if (role == Qt::UserRole)
        return f.entrada;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case ColumnaEntrada:
            return f.rotulo;
        case ColumnaCoincidencias:
            return f.coincidencias;
        case ColumnaContexto:
            return f.contexto.texto;
        default:
            return {};
        }
    }
    // Read aloud, the bare count would be a lone number: "1 coincidencia".
    if (role == Qt::AccessibleTextRole && index.column() == ColumnaCoincidencias)
        return contar(f.coincidencias, "coincidencia", "coincidencias");
    if (role == DelegadoResaltado::RolTramo && index.column() == ColumnaContexto)
        return QPoint(f.contexto.inicio, f.contexto.largo);
    if (role == Qt::ToolTipRole && index.column() == ColumnaEntrada && Entrada_Enmendada(f.entrada))
        return Nota_Enmienda(f.entrada);
    if (role == Qt::TextAlignmentRole && index.column() == ColumnaCoincidencias)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModeloResultados::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColumnaEntrada:
        return QStringLiteral("Entrada");
    case ColumnaCoincidencias:
        return QStringLiteral("Veces");
    case ColumnaContexto:
        return QStringLiteral("Contexto");
    default:
        return {};
    }
}

Qt::ItemFlags ModeloResultados::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
