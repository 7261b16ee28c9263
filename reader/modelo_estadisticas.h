#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <array>
#include <functional>

// One row of the statistics list: the word and its two counts as padded text.
struct FilaEstadistica {
    std::array<QString, 3> columnas; // "Palabra", "Artículos", "Veces"
};

// The rows of the statistics list, read-only, sorted on request.
class ModeloEstadisticas : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ModeloEstadisticas(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ModeloEstadisticas)

    // Filling: empezarLlenado() removes every row and makes room for the rows foreseen,
    // agregar() appends one, terminarLlenado() shows them all at once.
    void empezarLlenado(qsizetype previstas = 0);
    void agregar(FilaEstadistica fila);
    void terminarLlenado();

    // Sorts the rows with the comparison (negative puts a before b); the selection
    // follows its rows.
    void ordenar(const std::function<int(const FilaEstadistica &, const FilaEstadistica &)> &comparar);

    const FilaEstadistica &fila(int row) const { return filas[row]; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<FilaEstadistica> filas;
};
