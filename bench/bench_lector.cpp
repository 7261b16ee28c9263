// Entry display, search over the longest entry and the content lookups.
#include "bench_comun.h"
#include "divisiones.h"
#include "entradas.h"
#include "estado_lector.h"
#include "form1.h"
#include "richtextview.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_MostrarArticulo157(benchmark::State &state)
{
    Form1 &v = ventanaMostrada();
    for (auto _ : state)
        v.Mover_A_Entrada(157);
}
BENCHMARK(BM_MostrarArticulo157)->Unit(benchmark::kMillisecond);

void BM_MostrarArticulo157ResaltandoLos(benchmark::State &state)
{
    Form1 &v = ventanaMostrada();
    for (auto _ : state) {
        UnitM01::Palabra_Elegida = QStringLiteral("los");
        UnitM01::Resaltar_Palabra = true;
        v.Mover_A_Entrada(157);
    }
}
BENCHMARK(BM_MostrarArticulo157ResaltandoLos)->Unit(benchmark::kMillisecond);

void BM_FindInRangeEntrada157(benchmark::State &state)
{
    RichTextView vista;
    const QString texto = Texto_Entrada(157);
    vista.SetLinesText(texto);
    for (auto _ : state)
        benchmark::DoNotOptimize(vista.FindInRange(QStringLiteral("ausente"), 0, int(texto.size())));
}
BENCHMARK(BM_FindInRangeEntrada157)->Unit(benchmark::kMicrosecond);

void BM_RotuloYDivisiones(benchmark::State &state)
{
    for (auto _ : state) {
        for (int e = 1; e <= Numero_Entradas; ++e) {
            benchmark::DoNotOptimize(Rotulo_Articulo(e));
            benchmark::DoNotOptimize(Buscar_Titulo(e));
            benchmark::DoNotOptimize(Buscar_Capitulo(e));
            benchmark::DoNotOptimize(Buscar_Seccion(e));
        }
    }
    state.SetItemsProcessed(state.iterations() * Numero_Entradas);
}
BENCHMARK(BM_RotuloYDivisiones)->Unit(benchmark::kMicrosecond);

} // namespace
