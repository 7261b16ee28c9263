// The window's keys: a step through the history and a step of the text size, each with
// the entry it shows laid out and painted, and the history's own bookkeeping.
#include "bench_comun.h"
#include "estado_lector.h"
#include "form1.h"
#include "historial.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The bookkeeping of one move, one Back and one Forward, with the record full.
void BM_HistorialVisitarAtrasAdelante(benchmark::State &state)
{
    Historial h;
    for (int i = 0; i < int(Historial::LimitePorDefecto) + 10; ++i)
        h.visitar(1 + i % 371, 1 + (i + 1) % 371);
    int actual = 1;
    for (auto _ : state) {
        h.visitar(actual, actual % 371 + 1);
        actual = actual % 371 + 1;
        benchmark::DoNotOptimize(actual = h.atras(actual));
        benchmark::DoNotOptimize(actual = h.adelante(actual));
    }
}
BENCHMARK(BM_HistorialVisitarAtrasAdelante);

// Back and Forward between the longest entry (157, article 156) and a short one (article 1):
// each iteration is one step, alternately to either; the event loop then lays out and paints.
void BM_PasoDeHistorial(benchmark::State &state)
{
    Form1 &v = ventanaMostrada();
    v.Mover_A_Entrada(2);
    v.Mover_A_Entrada(157);
    QApplication::processEvents();
    bool atras = true;
    for (auto _ : state) {
        if (atras)
            v.Historial_Atras();
        else
            v.Historial_Adelante();
        atras = !atras;
        if (state.range(0))
            QApplication::processEvents();
    }
}
BENCHMARK(BM_PasoDeHistorial)->Arg(0)->Arg(1)->ArgName("pintado")->Unit(benchmark::kMillisecond);

// One step of the text size on the longest entry (157), alternately up and down between
// state.range(0) and the next size; the event loop then lays out and paints.
void BM_PasoDeTamano(benchmark::State &state)
{
    Form1 &v = ventanaMostrada();
    v.Mover_A_Entrada(157);
    v.Restaurar_Texto();
    while (UnitM01::Tamano_Texto < state.range(0))
        v.Ampliar_Texto();
    QApplication::processEvents();
    bool subir = true;
    for (auto _ : state) {
        v.Cambiar_Tamano_Texto(subir ? 1 : -1);
        subir = !subir;
        QApplication::processEvents();
    }
    v.Restaurar_Texto();
}
BENCHMARK(BM_PasoDeTamano)->Arg(8)->Arg(28)->ArgName("puntos")->Unit(benchmark::kMillisecond);

} // namespace
