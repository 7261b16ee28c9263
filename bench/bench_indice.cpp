// Building the index tree and moving its selection.
#include "divisiones.h"
#include "entradas.h"
#include "form1.h"
#include "unitm01.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

Form1 &ventana()
{
    static Form1 *const v = [] {
        auto *f = new Form1;
        f->show();
        QApplication::processEvents();
        return f;
    }();
    return *v;
}

void BM_LlenarIndice(benchmark::State &state)
{
    Form1 &v = ventana();
    for (auto _ : state)
        v.Llenar_Indice();
}
BENCHMARK(BM_LlenarIndice)->Unit(benchmark::kMicrosecond);

// The selection for every entry in turn, as showing each entry would move it.
void BM_SeleccionarNodoTodasLasEntradas(benchmark::State &state)
{
    Form1 &v = ventana();
    struct Registros { int titulo, capitulo, seccion; };
    std::vector<Registros> registros;
    for (int e = 1; e <= Numero_Entradas; ++e)
        registros.push_back({Buscar_Titulo(e).registro, Buscar_Capitulo(e).registro, Buscar_Seccion(e).registro});
    for (auto _ : state) {
        for (const Registros &r : registros) {
            UnitM01::Titulo_Actual = r.titulo;
            UnitM01::Capitulo_Actual = r.capitulo;
            UnitM01::Seccion_Actual = r.seccion;
            v.Seleccionar_Nodo();
        }
    }
    state.SetItemsProcessed(state.iterations() * Numero_Entradas);
}
BENCHMARK(BM_SeleccionarNodoTodasLasEntradas)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
