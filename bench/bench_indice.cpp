// Building the index tree and moving its selection.
#include "bench_comun.h"
#include "divisiones.h"
#include "entradas.h"
#include "estado_lector.h"
#include "form1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_LlenarIndice(benchmark::State &state)
{
    Form1 &v = ventanaMostrada();
    for (auto _ : state)
        v.Llenar_Indice();
}
BENCHMARK(BM_LlenarIndice)->Unit(benchmark::kMicrosecond);

// The selection for every entry in turn, as showing each entry would move it.
void BM_SeleccionarNodoTodasLasEntradas(benchmark::State &state)
{
    Form1 &v = ventanaMostrada();
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
