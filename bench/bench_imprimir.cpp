// Printing to PDF: the whole text (all 371 entries) and the longest entry, laid out and
// painted into a PDF held in memory, as the print dialog's "Print to File (PDF)" does.
#include "bench_comun.h"
#include "cita.h"
#include "imprimir_paginas.h"
#include "imprimir_trabajo.h"
#include "lectura_textos.h"

#include <QBuffer>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

void imprimirEnPdf(benchmark::State &state, const Trabajo_Impresion &trabajo)
{
    int paginas = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter escritor(&pdf);
        escritor.setTitle(trabajo.cita);
        escritor.setResolution(1200); // the print dialog's printer, at its high resolution
        escritor.setPageSize(QPageSize(QPageSize::A4));
        escritor.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        paginas = Imprimir_Trabajo(trabajo, escritor);
        bytes = pdf.size();
    }
    state.counters["paginas"] = paginas;
    state.counters["KiB"] = double(bytes) / 1024;
}

void BM_ImprimirTodoElTexto(benchmark::State &state)
{
    Trabajo_Impresion todo{Obra_Citada(), {}};
    for (int e = 1; e <= Numero_Entradas; ++e)
        todo.piezas += Trabajo_Entrada(e).piezas;
    imprimirEnPdf(state, todo);
}
BENCHMARK(BM_ImprimirTodoElTexto)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImprimirArticulo156(benchmark::State &state)
{
    imprimirEnPdf(state, Trabajo_Entrada(157)); // the longest entry, 5,335 characters
}
BENCHMARK(BM_ImprimirArticulo156)->Unit(benchmark::kMillisecond);

} // namespace
