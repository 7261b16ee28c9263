#include "busqueda_global.h"

#include "caracter_palabra.h"
#include "entradas.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Per Latin-1 character: its folded form, whether it belongs to a word, whether it
// separates the words of a phrase.
struct Tablas {
    std::array<char, 256> plegado{};
    std::array<bool, 256> palabra{};
    std::array<bool, 256> separador{};
};

const Tablas &tablas()
{
    static const Tablas t = [] {
        Tablas r;
        for (int c = 0; c < 256; ++c) {
            const QChar ch{char16_t(c)};
            QChar base = ch;
            // An accented letter is its letter followed by the accent; ñ keeps its tilde.
            if (ch.decompositionTag() == QChar::Canonical && ch.toLower() != QChar(u'ñ'))
                base = ch.decomposition().at(0);
            const QChar menor = base.toLower();
            r.plegado[c] = char(menor.unicode() <= 0xFF ? menor.unicode() : c);
            r.palabra[c] = esCaracterPalabra(ch);
        }
        for (const char16_t s : {u' ', u'\n', char16_t(0xA0)})
            r.separador[s] = true;
        return r;
    }();
    return t;
}

// A character of a text, folded. Above Latin-1 no query character equals it: a letter or
// digit there becomes "À", which folding never gives, anything else the 0 character.
char plegarTexto(QChar c)
{
    if (c.unicode() <= 0xFF)
        return tablas().plegado[c.unicode()];
    return esCaracterPalabra(c) ? '\xC0' : '\0';
}

std::string plegarTexto(QStringView texto)
{
    std::string r(std::size_t(texto.size()), '\0');
    for (qsizetype i = 0; i < texto.size(); ++i)
        r[std::size_t(i)] = plegarTexto(texto[i]);
    return r;
}

// The query's words folded; none when there is no query or it holds a character no text
// holds (above Latin-1, or the 0 character).
std::vector<std::string> plegarConsulta(QStringView consulta)
{
    std::vector<std::string> r;
    for (const QString &palabra : palabrasConsulta(consulta)) {
        std::string p;
        p.reserve(std::size_t(palabra.size()));
        for (const QChar c : palabra) {
            if (c.unicode() == 0 || c.unicode() > 0xFF)
                return {};
            p += tablas().plegado[c.unicode()];
        }
        r.push_back(std::move(p));
    }
    return r;
}

// Positions the phrase needs at the least: its words and one separator between each two.
std::size_t largoMinimo(const std::vector<std::string> &palabras)
{
    std::size_t n = palabras.empty() ? 0 : palabras.size() - 1;
    for (const std::string &p : palabras)
        n += p.size();
    return n;
}

// The end of the phrase when it stands at q, or npos.
std::size_t finDeFrase(std::string_view texto, std::size_t q, const std::vector<std::string> &palabras)
{
    const Tablas &t = tablas();
    std::size_t i = q;
    for (std::size_t k = 0; k < palabras.size(); ++k) {
        if (k > 0) {
            const std::size_t antes = i;
            while (i < texto.size() && t.separador[static_cast<unsigned char>(texto[i])])
                ++i;
            if (i == antes)
                return std::string_view::npos;
        }
        if (texto.substr(i, palabras[k].size()) != palabras[k])
            return std::string_view::npos;
        i += palabras[k].size();
        // Every word but the last ends where its word ends.
        if (k + 1 < palabras.size() && i < texto.size() && t.palabra[static_cast<unsigned char>(texto[i])])
            return std::string_view::npos;
    }
    return i;
}

void buscarPlegado(std::string_view texto, const std::vector<std::string> &palabras, QList<Tramo> &tramos)
{
    if (palabras.empty() || largoMinimo(palabras) > texto.size())
        return;
    const Tablas &t = tablas();
    const std::string &primera = palabras.front();
    std::size_t desde = 0;
    for (;;) {
        const std::size_t q = texto.find(primera, desde);
        if (q == std::string_view::npos)
            return;
        const bool alComienzo = q == 0 || !t.palabra[static_cast<unsigned char>(texto[q - 1])];
        const std::size_t fin = alComienzo ? finDeFrase(texto, q, palabras) : std::string_view::npos;
        if (fin == std::string_view::npos) {
            desde = q + 1;
            continue;
        }
        tramos.append(Tramo{int(q), int(fin - q)});
        desde = fin;
    }
}

// The texts folded, one after another, made on the first search.
struct TextosPlegados {
    std::string todo;
    std::array<std::size_t, Numero_Entradas + 2> inicio{};
    std::size_t mayor = 0; // the longest entry

    std::string_view entrada(int e) const
    {
        return std::string_view(todo).substr(inicio[e], inicio[e + 1] - inicio[e]);
    }
};

const TextosPlegados &textosPlegados()
{
    static const TextosPlegados t = [] {
        TextosPlegados r;
        std::size_t total = 0;
        for (int e = 1; e <= Numero_Entradas; ++e)
            total += std::size_t(Textos[e].Texto.size());
        r.todo.reserve(total);
        for (int e = 1; e <= Numero_Entradas; ++e) {
            r.inicio[e] = r.todo.size();
            for (const char c : Textos[e].Texto)
                r.todo += tablas().plegado[static_cast<unsigned char>(c)];
            r.mayor = std::max(r.mayor, r.todo.size() - r.inicio[e]);
        }
        r.inicio[Numero_Entradas + 1] = r.todo.size();
        return r;
    }();
    return t;
}

bool esEspacio(QChar c)
{
    return c.isSpace();
}

} // namespace

QStringList palabrasConsulta(QStringView consulta)
{
    QStringList palabras;
    bool conLetra = false;
    qsizetype i = 0;
    while (i < consulta.size()) {
        while (i < consulta.size() && esEspacio(consulta[i]))
            ++i;
        const qsizetype desde = i;
        while (i < consulta.size() && !esEspacio(consulta[i])) {
            conLetra = conLetra || esCaracterPalabra(consulta[i]);
            ++i;
        }
        if (i > desde)
            palabras.append(consulta.mid(desde, i - desde).toString());
    }
    return conLetra ? palabras : QStringList();
}

QList<Resultado_Busqueda> Buscar_En_Textos(QStringView consulta)
{
    const std::vector<std::string> palabras = plegarConsulta(consulta);
    QList<Resultado_Busqueda> resultados;
    if (palabras.empty())
        return resultados;
    const TextosPlegados &textos = textosPlegados();
    if (largoMinimo(palabras) > textos.mayor)
        return resultados;
    QList<Tramo> tramos;
    for (int e = 1; e <= Numero_Entradas; ++e) {
        buscarPlegado(textos.entrada(e), palabras, tramos);
        if (!tramos.isEmpty())
            resultados.append(Resultado_Busqueda{e, std::exchange(tramos, {})});
    }
    return resultados;
}

QList<Tramo> buscarFraseEn(QStringView texto, QStringView consulta)
{
    QList<Tramo> tramos;
    buscarPlegado(plegarTexto(texto), plegarConsulta(consulta), tramos);
    return tramos;
}

Contexto_Coincidencia contextoDe(QStringView texto, Tramo tramo, int ancho)
{
    const qsizetype n = texto.size();
    const qsizetype ini = std::clamp<qsizetype>(tramo.inicio, 0, n);
    const qsizetype fin = std::clamp<qsizetype>(ini + std::max(tramo.largo, 0), ini, n);
    const qsizetype margen = std::max<qsizetype>(0, (ancho - (fin - ini)) / 2);
    qsizetype desde = std::max<qsizetype>(0, ini - margen);
    qsizetype hasta = std::min(n, fin + margen);
    // Cut at spaces: the view starts at a word's start and ends at a word's end.
    while (desde > 0 && desde < ini && !esEspacio(texto[desde - 1]))
        ++desde;
    while (hasta < n && hasta > fin && !esEspacio(texto[hasta]))
        --hasta;

    const QString antes = desde > 0 ? QStringLiteral("… ") : QString();
    Contexto_Coincidencia c;
    c.texto = antes + texto.mid(desde, hasta - desde).toString() + (hasta < n ? QStringLiteral(" …") : QString());
    c.texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
    c.inicio = int(antes.size() + ini - desde);
    c.largo = int(fin - ini);
    return c;
}

Posicion_Coincidencia pasoCoincidencia(const QList<Resultado_Busqueda> &resultados, Posicion_Coincidencia actual,
                                       bool adelante)
{
    const int filas = int(resultados.size());
    const auto tramosDe = [&](int f) { return int(resultados[f].tramos.size()); };
    const bool valida = actual.fila >= 0 && actual.fila < filas && actual.tramo >= 0 && actual.tramo < tramosDe(actual.fila);
    int fila = actual.fila;
    if (valida) {
        const int siguiente = actual.tramo + (adelante ? 1 : -1);
        if (siguiente >= 0 && siguiente < tramosDe(fila))
            return {fila, siguiente};
    } else {
        // Just before the first row, or just after the last one.
        fila = adelante ? -1 : filas;
    }
    for (int paso = 0; paso < filas; ++paso) {
        fila = ((adelante ? fila + 1 : fila - 1) % filas + filas) % filas;
        if (tramosDe(fila) > 0)
            return {fila, adelante ? 0 : tramosDe(fila) - 1};
    }
    return {};
}

Posicion_Coincidencia pasoDesdeEntrada(const QList<Resultado_Busqueda> &resultados, Posicion_Coincidencia actual,
                                       int entradaEnPantalla, bool adelante)
{
    const int filas = int(resultados.size());
    if (actual.fila >= 0 && actual.fila < filas && resultados[actual.fila].entrada == entradaEnPantalla)
        return pasoCoincidencia(resultados, actual, adelante);
    // The rows are in entry order: the first row at or after the entry on screen (the last one
    // at or before it), else round to the other end.
    int elegida = -1;
    for (int f = 0; f < filas; ++f) {
        if (resultados[f].tramos.isEmpty())
            continue;
        const int entrada = resultados[f].entrada;
        if (adelante && entrada >= entradaEnPantalla) {
            elegida = f;
            break;
        }
        if (!adelante && entrada <= entradaEnPantalla)
            elegida = f;
    }
    if (elegida < 0)
        return pasoCoincidencia(resultados, {}, adelante);
    return {elegida, adelante ? 0 : int(resultados[elegida].tramos.size()) - 1};
}

Pasaje_Coincidencia pasajeDe(QStringView texto, const QList<Tramo> &tramos, int tramo)
{
    if (tramo < 0 || tramo >= tramos.size())
        return {};
    const Tramo &elegido = tramos[tramo];
    const qsizetype largo = texto.size();
    if (elegido.inicio < 0 || elegido.largo <= 0 || elegido.inicio + elegido.largo > largo)
        return {};
    // From the line feed before the hit (or the text's start) to the one after it (or its end).
    const qsizetype desde = elegido.inicio == 0 ? 0 : texto.lastIndexOf(u'\n', elegido.inicio - 1) + 1;
    qsizetype hasta = texto.indexOf(u'\n', elegido.inicio + elegido.largo);
    if (hasta < 0)
        hasta = largo;
    Pasaje_Coincidencia p;
    p.texto = texto.sliced(desde, hasta - desde).toString();
    for (int i = 0; i < tramos.size(); ++i) {
        const Tramo &t = tramos[i];
        if (t.inicio < desde || t.inicio + t.largo > hasta)
            continue;
        if (i == tramo)
            p.actual = int(p.tramos.size());
        p.tramos.append({int(t.inicio - desde), t.largo});
    }
    return p;
}
