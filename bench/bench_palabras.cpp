// The concordance queries, the cross-reference page's keystroke path, and the
// statistics list's filling and sorting.
#include "bench_comun.h"
#include "form1.h"
#include "palabras.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

// The main window with the cross-reference page in front, as the reader types there.
Form1 &ventanaEnReferencias()
{
    Form1 &v = ventanaMostrada();
    v.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    return v;
}

void BM_FiltrarPalabras(benchmark::State &state, const QString &prefijo)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Filtrar_Palabras(prefijo));
    state.counters["palabras"] = double(Filtrar_Palabras(prefijo).size());
}
BENCHMARK_CAPTURE(BM_FiltrarPalabras, a, QStringLiteral("a"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FiltrarPalabras, con, QStringLiteral("con"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FiltrarPalabras, zz, QStringLiteral("zz"))->Unit(benchmark::kMicrosecond);

// Edit1's text changed by the reader until both lists are filled; with pintar, also
// until the event loop has laid out and painted them.
void BM_Tecla(benchmark::State &state, const QString &texto, bool pintar)
{
    Form1 &v = ventanaEnReferencias();
    auto *const edit = v.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    edit->setText(texto);
    for (auto _ : state) {
        v.Edit1Change();
        if (pintar)
            QApplication::processEvents();
    }
    state.counters["palabras"] = double(v.findChild<QListWidget *>(QStringLiteral("ListBox1"))->count());
}
BENCHMARK_CAPTURE(BM_Tecla, a, QStringLiteral("a"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Tecla, e, QStringLiteral("e"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Tecla, a_pintada, QStringLiteral("a"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Tecla, e_pintada, QStringLiteral("e"), true)->Unit(benchmark::kMicrosecond);

void BM_BuscarPalabra(benchmark::State &state, const QString &palabra)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Buscar_Palabra(palabra));
}
BENCHMARK_CAPTURE(BM_BuscarPalabra, primera_Abandono, QStringLiteral("Abandono"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarPalabra, ultima_Zulia, QStringLiteral("Zulia"))->Unit(benchmark::kMicrosecond);

void BM_PostingsEstado(benchmark::State &state)
{
    const int h = Buscar_Palabra(u"Estado");
    for (auto _ : state)
        benchmark::DoNotOptimize(Postings(h));
}
BENCHMARK(BM_PostingsEstado)->Unit(benchmark::kMicrosecond);

void BM_LlenarEstadisticas(benchmark::State &state)
{
    Form1 &v = ventanaEnReferencias();
    for (auto _ : state)
        v.Llenar_Estadisticas();
}
BENCHMARK(BM_LlenarEstadisticas)->Unit(benchmark::kMillisecond);

// A heading click with the statistics page in front, until the list is painted again;
// each sort starts from the rows in another column's order.
void BM_Ordenar(benchmark::State &state, int columna)
{
    Form1 &v = ventanaEnReferencias();
    v.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(2);
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        v.ListView1ColumnClick((columna + 1) % 3);
        QApplication::processEvents();
        state.ResumeTiming();
        v.ListView1ColumnClick(columna);
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(BM_Ordenar, Palabra, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ordenar, Articulos, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ordenar, Veces, 2)->Unit(benchmark::kMillisecond);

} // namespace
