#include "columnas_resultados.h"

#include "modelo_resultados.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace {

constexpr int AnchoVeces = 45;

} // namespace

ColumnasResultados::ColumnasResultados(QTableView *lista)
    : QObject(lista)
    , lista(lista)
    , vista(lista->viewport())
{
    // Sized here, the context included: the header's own stretch lags behind a column changed
    // while the list is being resized.
    lista->horizontalHeader()->setStretchLastSection(false);
    lista->setColumnWidth(ModeloResultados::ColumnaCoincidencias, AnchoVeces);
    lista->viewport()->installEventFilter(this);
    connect(lista->model(), &QAbstractItemModel::modelReset, this, &ColumnasResultados::ajustar);
    ajustar();
}

void ColumnasResultados::ajustar()
{
    // The names as an item draws them: its text margins on both sides, and the grid line.
    const int margen = 2 * (lista->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lista) + 1) + 1;
    const QAbstractItemModel *const modelo = lista->model();
    const QFontMetrics medida = lista->fontMetrics();
    const QString cabecera = modelo->headerData(ModeloResultados::ColumnaEntrada, Qt::Horizontal).toString();
    int nombres = lista->horizontalHeader()->fontMetrics().horizontalAdvance(cabecera) + 2 * margen;
    for (int fila = 0; fila < modelo->rowCount(); ++fila) {
        const QString nombre = modelo->index(fila, ModeloResultados::ColumnaEntrada).data().toString();
        nombres = std::max(nombres, medida.horizontalAdvance(nombre) + margen);
    }
    const int vista = lista->viewport()->width();
    const int entrada = std::max(0, std::min(nombres, (vista - AnchoVeces) / 2));
    lista->setColumnWidth(ModeloResultados::ColumnaEntrada, entrada);
    lista->setColumnWidth(ModeloResultados::ColumnaContexto, std::max(0, vista - entrada - AnchoVeces));
}

bool ColumnasResultados::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == vista && evento->type() == QEvent::Resize)
        ajustar();
    return QObject::eventFilter(objeto, evento);
}
