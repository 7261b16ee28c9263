// The whole-text search: the search alone (phrases, words, their mix), what its first call
// makes, the suggestions for a word the entries lack, a keystroke in the search window until
// its count and list are filled (and painted), and a result shown with its hits highlighted.
#include "bench_comun.h"
#include "busqueda_global.h"
#include "entradas.h"
#include "form1.h"
#include "indice_palabras.h"
#include "quiso_decir.h"
#include "ventana_buscar.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

VentanaBuscar &ventanaBuscar()
{
    Form1 &v = ventanaMostrada();
    v.Atajo_Buscar_Triggered();
    QApplication::processEvents();
    return *v.findChild<VentanaBuscar *>(QStringLiteral("VentanaBuscar"));
}

void BM_BuscarEnTextos(benchmark::State &state, const QString &consulta)
{
    Buscar_En_Textos(u"a"); // the folded texts, their words and stems are made on the first search
    qsizetype entradas = 0;
    for (auto _ : state)
        entradas = Buscar_En_Textos(consulta).size();
    state.counters["entradas"] = double(entradas);
}
BENCHMARK_CAPTURE(BM_BuscarEnTextos, a, QStringLiteral("a"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, de, QStringLiteral("de"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, frase_derechos_humanos, QStringLiteral("\"derechos humanos\""))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, constitucion, QStringLiteral("constitucion"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, derecho_vivienda, QStringLiteral("derecho vivienda"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, frase_y_palabra, QStringLiteral("\"derechos humanos\" tratados"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, elecciones, QStringLiteral("elecciones"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, cinco_palabras, QStringLiteral("toda persona derecho vivienda adecuada"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarEnTextos, frase_menos_palabra, QStringLiteral("\"derechos humanos\" -tratados"))
    ->Unit(benchmark::kMicrosecond);

// What the first search adds once: the 371 entries folded, their words found and stemmed.
void BM_IndiceDeLasEntradas(benchmark::State &state)
{
    QList<QString> textos;
    for (int e = 1; e <= Numero_Entradas; ++e)
        textos.append(Texto_Entrada(e));
    Indice_Palabras({u"a"_s}); // the stemmer is made once
    for (auto _ : state)
        benchmark::DoNotOptimize(Indice_Palabras(textos).formas());
}
BENCHMARK(BM_IndiceDeLasEntradas)->Unit(benchmark::kMillisecond);

// "¿Quiso decir…?" for a word the entries do not hold: every word of the entries weighed.
void BM_QuisoDecir(benchmark::State &state, const QString &consulta)
{
    Buscar_En_Textos(u"a");
    qsizetype sugerencias = 0;
    for (auto _ : state)
        sugerencias = quisoDecir(consulta).sugerencias.size();
    state.counters["sugerencias"] = double(sugerencias);
}
BENCHMARK_CAPTURE(BM_QuisoDecir, vivenda, QStringLiteral("vivenda"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QuisoDecir, derecho_vivenda, QStringLiteral("derecho vivenda"))->Unit(benchmark::kMicrosecond);

// The text box changed until the count and the list are filled; with pintar, also until the
// event loop has laid out and painted the window. The text alternates with and without a
// trailing space, which makes the same query, so every iteration runs the whole path.
void BM_TeclaBuscar(benchmark::State &state, const QString &consulta, bool pintar)
{
    VentanaBuscar &b = ventanaBuscar();
    auto *const texto = b.findChild<QLineEdit *>(QStringLiteral("Texto_Buscar"));
    const QString conEspacio = consulta + QLatin1Char(' ');
    bool alternar = false;
    for (auto _ : state) {
        texto->setText((alternar = !alternar) ? consulta : conEspacio);
        if (pintar)
            QApplication::processEvents();
    }
    state.counters["entradas"] = double(b.resultados().size());
}
BENCHMARK_CAPTURE(BM_TeclaBuscar, a, QStringLiteral("a"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TeclaBuscar, de, QStringLiteral("de"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TeclaBuscar, frase_derechos_humanos, QStringLiteral("\"derechos humanos\""), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TeclaBuscar, derecho_vivienda, QStringLiteral("derecho vivienda"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TeclaBuscar, constitucion, QStringLiteral("constitucion"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TeclaBuscar, a_pintada, QStringLiteral("a"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TeclaBuscar, frase_derechos_humanos_pintada, QStringLiteral("\"derechos humanos\""), true)
    ->Unit(benchmark::kMicrosecond);

// Choosing the row of entry 157 (the longest): the entry shown with every hit highlighted,
// the first one selected.
void BM_MostrarResultado157(benchmark::State &state, const QString &consulta)
{
    VentanaBuscar &b = ventanaBuscar();
    b.findChild<QLineEdit *>(QStringLiteral("Texto_Buscar"))->setText(consulta);
    int fila = 0;
    while (fila < b.resultados().size() && b.resultados()[fila].entrada != 157)
        ++fila;
    if (fila == b.resultados().size()) {
        state.SkipWithError("no hit in entry 157");
        return;
    }
    Form1 &v = ventanaMostrada();
    for (auto _ : state)
        v.Ventana_BuscarResultadoElegido(fila);
    state.counters["coincidencias"] = double(b.resultados()[fila].tramos.size());
}
BENCHMARK_CAPTURE(BM_MostrarResultado157, poder_publico, QStringLiteral("\"poder público\""))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MostrarResultado157, los, QStringLiteral("los"))->Unit(benchmark::kMillisecond);

} // namespace
