#include "frase.h"

#include "plegado.h"

namespace {

// The end of the phrase when it stands at q, or npos.
std::size_t finDeFrase(const Tablas_Plegado &t, std::string_view texto, std::size_t q, const Frase_Plegada &frase)
{
    const std::vector<std::string> &palabras = frase.palabras;
    std::size_t i = q;
    for (std::size_t k = 0; k < palabras.size(); ++k) {
        if (k > 0) {
            const std::size_t antes = i;
            while (i < texto.size() && t.separa(texto[i]))
                ++i;
            if (i == antes)
                return std::string_view::npos;
        }
        if (texto.substr(i, palabras[k].size()) != palabras[k])
            return std::string_view::npos;
        i += palabras[k].size();
        const bool entera = k + 1 < palabras.size() || !frase.principio;
        if (entera && i < texto.size() && t.esLetra(texto[i]))
            return std::string_view::npos;
    }
    return i;
}

} // namespace

std::size_t largoMinimo(const Frase_Plegada &frase)
{
    std::size_t n = frase.palabras.empty() ? 0 : frase.palabras.size() - 1;
    for (const std::string &p : frase.palabras)
        n += p.size();
    return n;
}

void buscarFrase(std::string_view texto, const Frase_Plegada &frase, QList<Tramo> &tramos, bool basta)
{
    if (frase.palabras.empty() || largoMinimo(frase) > texto.size())
        return;
    const Tablas_Plegado &t = tablasPlegado();
    const std::string &primera = frase.palabras.front();
    std::size_t desde = 0;
    for (;;) {
        const std::size_t q = texto.find(primera, desde);
        if (q == std::string_view::npos)
            return;
        const bool alComienzo = q == 0 || !t.esLetra(texto[q - 1]);
        const std::size_t fin = alComienzo ? finDeFrase(t, texto, q, frase) : std::string_view::npos;
        if (fin == std::string_view::npos) {
            desde = q + 1;
            continue;
        }
        tramos.append(Tramo{int(q), int(fin - q)});
        if (basta)
            return;
        desde = fin;
    }
}
