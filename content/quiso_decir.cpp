#include "quiso_decir.h"

#include "consulta.h"
#include "indice_palabras.h"
#include "plegado.h"

#include <algorithm>
#include <bit>
#include <cstdint>
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

// The edit distance from one word to others when it is at most maxima, else maxima + 1:
// changes, additions, removals and swaps of two neighbours (optimal string alignment). The
// table's three rows are kept from one word to the next.
class Distancia_Edicion
{
public:
    Distancia_Edicion(std::string_view palabra, int maxima)
        : a(palabra), maxima(maxima)
    {
    }

    int con(std::string_view b)
    {
        const int fuera = maxima + 1;
        const int na = int(a.size());
        const int nb = int(b.size());
        if (std::abs(na - nb) > maxima)
            return fuera;
        for (std::vector<int> *v : {&dosAtras, &atras, &fila})
            v->resize(std::size_t(nb) + 1);
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
            // Once a row is past maxima every later one is: a cell takes at least the row above,
            // or the row two above plus one, and that row was at least maxima.
            if (menor > maxima)
                return fuera;
            std::swap(dosAtras, atras);
            std::swap(atras, fila);
        }
        return std::min(atras[std::size_t(nb)], fuera);
    }

private:
    std::string_view a;
    int maxima;
    std::vector<int> dosAtras, atras, fila; // two rows back, one back, this one
};

struct Cercana {
    int forma = 0;
    int distancia = 0;
};

// Which characters a word holds, one bit each (two may share a bit). An edit changes at most
// two bits, so words whose bits differ in more than twice the edits allowed are not near.
std::uint32_t letrasDe(std::string_view palabra)
{
    std::uint32_t r = 0;
    for (const char c : palabra)
        r |= std::uint32_t(1) << (static_cast<unsigned char>(c) % 32);
    return r;
}

// The words of the entries near the folded word, best first.
QList<Cercana> cercanas(std::string_view plegada)
{
    const Indice_Palabras &indice = indiceDeLasEntradas();
    // The entries' words are weighed once, on the first suggestion.
    static const std::vector<std::uint32_t> letras = [&] {
        std::vector<std::uint32_t> r;
        for (int f = 0; f < indice.formas(); ++f)
            r.push_back(letrasDe(indice.forma(f)));
        return r;
    }();
    const int maxima = distanciaMaxima(plegada);
    const std::uint32_t suyas = letrasDe(plegada);
    Distancia_Edicion distancia(plegada, maxima);
    QList<Cercana> r;
    for (int f = 0; f < indice.formas(); ++f) {
        if (std::popcount(suyas ^ letras[std::size_t(f)]) > 2 * maxima)
            continue;
        const int d = distancia.con(indice.forma(f));
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
        const QList<Cercana> cerca = cercanas(plegarTexto(palabra));
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
