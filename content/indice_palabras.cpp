#include "indice_palabras.h"

#include "entradas.h"
#include "formas_palabra.h"
#include "plegado.h"

#include <QHash>

#include <algorithm>
#include <string_view>
#include <tuple>
#include <unordered_map>

Indice_Palabras::Conjunto::Conjunto(int textos, bool todos)
    : bits(std::size_t(textos + 63) / 64, 0)
{
    if (todos) {
        for (int t = 0; t < textos; ++t)
            bits[std::size_t(t) / 64] |= std::uint64_t(1) << (t % 64);
    }
}

bool Indice_Palabras::Conjunto::vacio() const
{
    return std::all_of(bits.begin(), bits.end(), [](std::uint64_t b) { return b == 0; });
}

void Indice_Palabras::Conjunto::unir(const std::uint64_t *fila)
{
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] |= fila[i];
}

void Indice_Palabras::Conjunto::cortar(const Conjunto &otro)
{
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] &= otro.bits[i];
}

void Indice_Palabras::Conjunto::restar(const Conjunto &otro)
{
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] &= ~otro.bits[i];
}

namespace {

// One spelling of a word as the texts hold it, capitals and accents as written.
struct Escritura {
    QStringView texto;
    std::string plegada;
    int veces = 0;
    int forma = 0;
    int tronco = 0;
};

// Gives each distinct string an id, then numbers them in byte order.
class Numeracion
{
public:
    explicit Numeracion(std::size_t previstas) { ids.reserve(previstas); }

    int id(const std::string &s) { return ids.try_emplace(s, int(ids.size())).first->second; }

    // The strings in byte order, and for each first id its place among them.
    std::vector<std::string> ordenar(std::vector<int> &lugar) const
    {
        std::vector<std::pair<std::string, int>> pares(ids.begin(), ids.end());
        std::sort(pares.begin(), pares.end());
        std::vector<std::string> r;
        r.reserve(pares.size());
        lugar.assign(pares.size(), 0);
        for (auto &[s, id] : pares) {
            lugar[std::size_t(id)] = int(r.size());
            r.push_back(std::move(s));
        }
        return r;
    }

private:
    std::unordered_map<std::string, int> ids;
};

} // namespace

Indice_Palabras::Indice_Palabras(const QList<QString> &textos)
{
    // The texts folded, and their words with the spelling of each.
    QHash<QStringView, int> idEscritura;
    std::vector<Escritura> escrituras;
    std::vector<int> escrituraDe;
    inicioTexto.push_back(0);
    primera.push_back(0);
    // Spanish words average more than five letters and a separator: room for them all at once.
    qsizetype caracteres = 0;
    for (const QString &texto : textos)
        caracteres += texto.size();
    palabras.reserve(std::size_t(caracteres / 5));
    escrituraDe.reserve(std::size_t(caracteres / 5));
    todo.reserve(std::size_t(caracteres));
    const Tablas_Plegado &tablas = tablasPlegado();
    for (const QString &texto : textos) {
        const std::string plegado = plegarTexto(texto);
        for (std::size_t i = 0; i < plegado.size();) {
            if (!tablas.esLetra(plegado[i])) {
                ++i;
                continue;
            }
            const std::size_t desde = i;
            while (i < plegado.size() && tablas.esLetra(plegado[i]))
                ++i;
            const QStringView escrita = QStringView(texto).sliced(qsizetype(desde), qsizetype(i - desde));
            const auto it = idEscritura.constFind(escrita);
            const int id = it != idEscritura.constEnd() ? *it : int(escrituras.size());
            if (id == int(escrituras.size())) {
                idEscritura.insert(escrita, id);
                escrituras.push_back({escrita, plegado.substr(desde, i - desde)});
            }
            ++escrituras[std::size_t(id)].veces;
            escrituraDe.push_back(id);
            palabras.push_back({int(desde), int(i - desde)});
        }
        todo += plegado;
        inicioTexto.push_back(todo.size());
        primera.push_back(palabras.size());
        textoMayor = std::max(textoMayor, plegado.size());
    }

    // Each spelling's form and stem; one stem for all spellings with one small form.
    QHash<QString, int> troncoDeMinuscula;
    troncoDeMinuscula.reserve(qsizetype(escrituras.size()));
    Numeracion formasVistas(escrituras.size());
    Numeracion troncosVistos(escrituras.size());
    for (Escritura &e : escrituras) {
        const QString minuscula = e.texto.toString().toLower();
        auto it = troncoDeMinuscula.constFind(minuscula);
        if (it == troncoDeMinuscula.constEnd())
            it = troncoDeMinuscula.insert(minuscula, troncosVistos.id(troncoPlegado(minuscula)));
        e.tronco = *it;
        e.forma = formasVistas.id(e.plegada);
    }
    std::vector<int> lugarForma;
    std::vector<int> lugarTronco;
    const std::vector<std::string> formasOrdenadas = formasVistas.ordenar(lugarForma);
    troncos = troncosVistos.ordenar(lugarTronco);
    vocabulario.resize(formasOrdenadas.size());
    std::vector<int> mejorEscritura(formasOrdenadas.size(), -1);
    for (std::size_t k = 0; k < escrituras.size(); ++k) {
        Escritura &e = escrituras[k];
        e.forma = lugarForma[std::size_t(e.forma)];
        e.tronco = lugarTronco[std::size_t(e.tronco)];
        Forma &f = vocabulario[std::size_t(e.forma)];
        f.veces += e.veces;
        if (std::find(f.troncos.begin(), f.troncos.end(), e.tronco) == f.troncos.end())
            f.troncos.push_back(e.tronco);
        // The spelling met most often; on a tie, the first in code order, so the choice never
        // depends on the order of the texts.
        int &mejor = mejorEscritura[std::size_t(e.forma)];
        const Escritura *otra = mejor < 0 ? nullptr : &escrituras[std::size_t(mejor)];
        if (!otra || e.veces > otra->veces || (e.veces == otra->veces && e.texto < otra->texto))
            mejor = int(k);
    }
    for (std::size_t f = 0; f < vocabulario.size(); ++f) {
        vocabulario[f].plegada = formasOrdenadas[f];
        vocabulario[f].escrita = escrituras[std::size_t(mejorEscritura[f])].texto.toString();
    }

    const int n = int(textos.size());
    ancho = std::size_t(n + 63) / 64;
    textosDeForma.assign(vocabulario.size() * ancho, 0);
    textosDeTronco.assign(troncos.size() * ancho, 0);
    const auto anadir = [&](std::vector<std::uint64_t> &filas, int i, int t) {
        filas[std::size_t(i) * ancho + std::size_t(t) / 64] |= std::uint64_t(1) << (t % 64);
    };
    for (int t = 0; t < n; ++t) {
        for (std::size_t k = primera[std::size_t(t)]; k < primera[std::size_t(t) + 1]; ++k) {
            const Escritura &e = escrituras[std::size_t(escrituraDe[k])];
            palabras[k].forma = e.forma;
            palabras[k].tronco = e.tronco;
            anadir(textosDeForma, e.forma, t);
            anadir(textosDeTronco, e.tronco, t);
        }
    }
}

int Indice_Palabras::idTronco(const std::string &tronco) const
{
    const auto it = std::lower_bound(troncos.begin(), troncos.end(), tronco);
    return it != troncos.end() && *it == tronco ? int(it - troncos.begin()) : -1;
}

std::pair<int, int> Indice_Palabras::rangoDeFormas(std::string_view plegada, bool principio) const
{
    const auto menor = [](const Forma &f, std::string_view s) { return f.plegada < s; };
    const auto desde = std::lower_bound(vocabulario.begin(), vocabulario.end(), plegada, menor);
    const auto hasta = principio ? std::partition_point(desde, vocabulario.end(),
                                                        [&](const Forma &f) {
                                                            return std::string_view(f.plegada).starts_with(plegada);
                                                        })
                                 : desde + (desde != vocabulario.end() && desde->plegada == plegada ? 1 : 0);
    return {int(desde - vocabulario.begin()), int(hasta - vocabulario.begin())};
}

Indice_Palabras::Busqueda_Palabra Indice_Palabras::buscarPalabra(QStringView escrita, const std::string &plegada,
                                                                 bool principio) const
{
    Busqueda_Palabra b;
    const auto [igual, despues] = rangoDeFormas(plegada, false);
    if (despues > igual) {
        b.troncos = vocabulario[std::size_t(igual)].troncos;
    } else {
        const QString sinAcentos = QString::fromLatin1(plegada.data(), qsizetype(plegada.size()));
        for (const std::string &tronco : {troncoPlegado(escrita), troncoPlegado(sinAcentos)}) {
            const int id = idTronco(tronco);
            if (id >= 0 && std::find(b.troncos.begin(), b.troncos.end(), id) == b.troncos.end())
                b.troncos.push_back(id);
        }
    }
    if (principio)
        std::tie(b.desde, b.hasta) = rangoDeFormas(plegada, true);
    return b;
}

Indice_Palabras::Conjunto Indice_Palabras::textosCon(const Busqueda_Palabra &b) const
{
    Conjunto r(textos(), false);
    for (const int t : b.troncos)
        r.unir(fila(textosDeTronco, t));
    for (int f = b.desde; f < b.hasta; ++f)
        r.unir(fila(textosDeForma, f));
    return r;
}

const Indice_Palabras &indiceDeLasEntradas()
{
    static const Indice_Palabras indice = [] {
        QList<QString> textos;
        for (int e = 1; e <= Numero_Entradas; ++e)
            textos.append(Texto_Entrada(e));
        return Indice_Palabras(textos);
    }();
    return indice;
}

Indice_Palabras::Conjunto Indice_Palabras::textosConForma(std::string_view plegada, bool principio) const
{
    Conjunto r(textos(), false);
    const auto [desde, hasta] = rangoDeFormas(plegada, principio);
    for (int f = desde; f < hasta; ++f)
        r.unir(fila(textosDeForma, f));
    return r;
}
