#include "quiso_decir.h"

#include "consulta.h"
#include "indice_palabras.h"
#include "plegado.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr qsizetype Sugerencias_Maximas = 3;

// Two edits turn a word of up to four letters into too many others ("ley" into "de", "la",
// "y"): short words get one.
int distanciaMaxima(std::string_view palabra)
{
    return palabra.size() <= 4 ? 1 : 2;
}

// The edit distance of two words when it is at most maxima, else maxima + 1: changes,
// additions, removals and swaps of two neighbours (optimal string alignment).
int distancia(std::string_view a, std::string_view b, int maxima)
{
    const int fuera = maxima + 1;
    const int na = int(a.size());
    const int nb = int(b.size());
    if (std::abs(na - nb) > maxima)
        return fuera;
    // Three rows of the table: two back, one back, this one.
    std::vector<int> dosAtras(std::size_t(nb) + 1), atras(std::size_t(nb) + 1), fila(std::size_t(nb) + 1);
    for (int j = 0; j <= nb; ++j)
        atras[std::size_t(j)] = j;
    for (int i = 1; i <= na; ++i) {
        fila[0] = i;
        int menor = i;
        for (int j = 1; j <= nb; ++j) {
            const std::size_t u = std::size_t(j);
            const int cambio = a[std::size_t(i - 1)] == b[u - 1] ? 0 : 1;
            int d = std::min({atras[u] + 1, fila[u - 1] + 1, atras[u - 1] + cambio});
            if (i > 1 && j > 1 && a[std::size_t(i - 1)] == b[u - 2] && a[std::size_t(i - 2)] == b[u - 1])
                d = std::min(d, dosAtras[u - 2] + 1);
            fila[u] = d;
            menor = std::min(menor, d);
        }
        if (menor > maxima)
            return fuera;
        std::swap(dosAtras, atras);
        std::swap(atras, fila);
    }
    return std::min(atras[std::size_t(nb)], fuera);
}

struct Cercana {
    int forma = 0;
    int distancia = 0;
};

// The words of the entries near the folded word, best first.
QList<Cercana> cercanas(const Indice_Palabras &indice, std::string_view plegada)
{
    const int maxima = distanciaMaxima(plegada);
    QList<Cercana> r;
    for (int f = 0; f < indice.formas(); ++f) {
        const int d = distancia(plegada, indice.forma(f), maxima);
        if (d <= maxima)
            r.append({f, d});
    }
    // The vocabulary is in byte order, so equal counts and distances keep that order.
    std::stable_sort(r.begin(), r.end(), [&](const Cercana &a, const Cercana &b) {
        if (indice.veces(a.forma) != indice.veces(b.forma))
            return indice.veces(a.forma) > indice.veces(b.forma);
        return a.distancia < b.distancia;
    });
    if (r.size() > Sugerencias_Maximas)
        r.resize(Sugerencias_Maximas);
    return r;
}

} // namespace

Quiso_Decir quisoDecir(QStringView texto)
{
    const Consulta consulta = analizarConsulta(texto);
    if (consulta.motivo != Motivo_Sin_Consulta::Ninguno)
        return {};
    const Indice_Palabras &indice = indiceDeLasEntradas();
    for (const Termino_Consulta &t : consulta.terminos) {
        if (t.frase || t.excluido)
            continue;
        const QString &palabra = t.palabras.front();
        std::string plegada;
        // A word with a character the entries never hold matches nothing but still gets
        // suggestions: that character counts as a mistyped one.
        if (plegarConsulta(palabra, plegada) && !indice.buscarPalabra(palabra, plegada, t.principio).nada())
            continue;
        const QList<Cercana> cerca = cercanas(indice, plegarTexto(palabra));
        if (cerca.isEmpty())
            continue;
        Quiso_Decir r{palabra, {}};
        for (const Cercana &c : cerca) {
            const QString &escrita = indice.escrita(c.forma);
            QString corregida = texto.left(t.inicio).toString();
            corregida.append(escrita).append(texto.sliced(t.inicio + t.largo));
            r.sugerencias.append({escrita, corregida});
        }
        return r;
    }
    return {};
}
