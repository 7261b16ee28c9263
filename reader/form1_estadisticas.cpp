// Statistics page: every concordance word with the entries and the times it occurs.
#include "form1.h"

#include "estado_lector.h"
#include "modelo_estadisticas.h"
#include "palabras.h"

#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

using namespace UnitM01;

namespace {

// Decimal text of a count with "0" in front up to three characters. The texts are made
// once and shared: the thousands of rows hold a few hundred different counts.
QString conCeros(int cuenta)
{
    static QHash<int, QString> hechos;
    auto texto = hechos.constFind(cuenta);
    if (texto == hechos.constEnd())
        texto = hechos.insert(cuenta, QString::number(cuenta).rightJustified(3, QLatin1Char('0')));
    return *texto;
}

} // namespace

void Form1::Llenar_Estadisticas()
{
    // The rows reach the view all at once: one reset instead of thousands of insertions.
    const QList<Cabeza_Palabra> cabezas = recorrerCabezas();
    Modelo_Estadisticas->empezarLlenado(cabezas.size());
    for (const Cabeza_Palabra &c : cabezas)
        Agregar_Estadistica(c.palabra, c.articulos, c.veces);
    Modelo_Estadisticas->terminarLlenado();
}

void Form1::Agregar_Estadistica(const QString &palabra, int articulos, int veces)
{
    Modelo_Estadisticas->agregar({{palabra, conCeros(articulos), conCeros(veces)}});
}

void Form1::llenarEstadisticasPendientes()
{
    if (!estadisticasPendientes)
        return;
    estadisticasPendientes = false;
    Llenar_Estadisticas();
}

void Form1::ListView1ColumnClick(int columna)
{
    llenarEstadisticasPendientes();
    Columna_Orden = columna;
    Modelo_Estadisticas->ordenar(
        [this](const FilaEstadistica &a, const FilaEstadistica &b) { return ListView1Compare(a, b); });
    // Words ascend, counts descend (ListView1Compare).
    ListView1->horizontalHeader()->setSortIndicator(columna, columna == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    anunciar(QStringLiteral("Ordenado por %1, %2")
               .arg(Modelo_Estadisticas->headerData(columna, Qt::Horizontal).toString(),
                    columna == 0 ? QStringLiteral("de la A a la Z") : QStringLiteral("de mayor a menor")));
}

// Ctrl+1, Ctrl+2 and Ctrl+3 with the list focused: a click on the first, second or third
// column heading. Whether the key is one of them, and which column it names (-1 for none).
int Form1::columnaDeTecla(const QKeyEvent *tecla)
{
    if ((tecla->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return -1;
    const int k = tecla->key() - Qt::Key_1;
    return k >= 0 && k <= 2 ? k : -1;
}

int Form1::ListView1Compare(const FilaEstadistica &a, const FilaEstadistica &b) const
{
    const int c = qBound(0, int(Columna_Orden), 2);
    // Counts compare as padded text, b before a, so that larger counts come first.
    if (c == 0)
        return compararPlegandoAZ(a.columnas[0], b.columnas[0]);
    return compararPlegandoAZ(b.columnas[c], a.columnas[c]);
}
