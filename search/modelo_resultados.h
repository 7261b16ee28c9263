#pragma once

#include "busqueda_global.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// One row of the search window's results: an entry holding the phrase.
struct FilaResultado {
    int entrada = 0;
    QString rotulo;                   // the caption the caption strip shows for it
    int coincidencias = 0;            // hits in the entry
    Contexto_Coincidencia contexto;   // one line around the first hit
};

// The results of a whole-text search, read-only, one row per entry in entry order:
// caption, number of hits and the context of the first hit (its hit given for
// DelegadoResaltado::RolTramo). Qt::UserRole of any cell is the entry number.
class ModeloResultados : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Columna { ColumnaEntrada, ColumnaCoincidencias, ColumnaContexto, NumeroColumnas };

    explicit ModeloResultados(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ModeloResultados)

    // Replaces every row at once.
    void setResultados(QList<Resultado_Busqueda> resultados);
    const QList<Resultado_Busqueda> &resultados() const { return resultados_; }
    int totalCoincidencias() const { return total_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<Resultado_Busqueda> resultados_;
    QList<FilaResultado> filas_;
    int total_ = 0;
};
