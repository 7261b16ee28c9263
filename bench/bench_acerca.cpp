// The About dialog's costs: one render of the picture at the first and the starting
// sponge amounts, and deciphering the six stored texts.
#include "bench_comun.h"
#include "imagen.h"
#include "recursos.h"
#include "unidad_99.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The About picture in a picture widget whose working bitmap has been built by a paint.
Imagen &imagen()
{
    static Imagen *const i = [] {
        auto *w = new Imagen;
        w->setFixedSize(179, 206);
        w->setPicture(QImage(QString::fromLatin1(Recursos::Paisaje)));
        w->show();
        while (w->Mapa_Trabajo().Vacio())
            QApplication::processEvents();
        return w;
    }();
    return *i;
}

void BM_RenderEsponja(benchmark::State &state)
{
    Imagen &i = imagen();
    i.setSponge(int(state.range(0)));
    for (auto _ : state)
        i.Render();
    QApplication::processEvents();
    state.SetItemsProcessed(state.iterations() * i.Mapa_Trabajo().Ancho() * i.Mapa_Trabajo().Alto());
}
BENCHMARK(BM_RenderEsponja)->Arg(300)->Arg(70)->Unit(benchmark::kMicrosecond);

void BM_DescifrarSeisTextos(benchmark::State &state)
{
    for (auto _ : state)
        for (const QByteArrayView cifrado : Unidad_99::Textos_Cifrados)
            benchmark::DoNotOptimize(Unidad_99::Texto_1252(Unidad_99::Descifrar(cifrado, Unidad_99::Clave)));
}
BENCHMARK(BM_DescifrarSeisTextos)->Unit(benchmark::kMicrosecond);

} // namespace
