#include "busqueda_global.h"

#include "frase.h"
#include "indice_palabras.h"
#include "plegado.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

bool esEspacio(QChar c)
{
    return c.isSpace();
}

using Conjunto = Indice_Palabras::Conjunto;

// Overlapping hits made one, their union; the list sorted first.
void unirSolapes(QList<Tramo> &tramos)
{
    std::sort(tramos.begin(), tramos.end(), [](const Tramo &a, const Tramo &b) { return a.inicio < b.inicio; });
    qsizetype n = 0;
    for (const Tramo &t : tramos) {
        if (n > 0 && t.inicio < tramos[n - 1].inicio + tramos[n - 1].largo) {
            Tramo &ultimo = tramos[n - 1];
            ultimo.largo = std::max(ultimo.inicio + ultimo.largo, t.inicio + t.largo) - ultimo.inicio;
        } else {
            tramos[n++] = t;
        }
    }
    tramos.resize(n);
}

// An unquoted word of a query, as typed and folded.
struct Palabra_Plegada {
    QString escrita;
    std::string plegada;
    bool principio = false;
};

// A query's words and phrases folded, each once. Words and phrases holding characters no text
// can hold are dropped; when asked for, they leave the query with no answer (posible false).
struct Consulta_Plegada {
    bool posible = true;
    std::vector<Palabra_Plegada> palabras;
    std::vector<Palabra_Plegada> palabrasExcluidas;
    std::vector<Frase_Plegada> frases;
    std::vector<Frase_Plegada> frasesExcluidas;
};

Consulta_Plegada plegarTerminos(const Indice_Palabras &indice, const Consulta &consulta)
{
    Consulta_Plegada r;
    // A pasted page repeats words: each is looked for once. A word's stems may depend on the
    // accents typed, so words are told apart as typed.
    std::set<std::tuple<std::vector<std::string>, QString, bool, bool, bool>> vistos;
    for (const Termino_Consulta &t : consulta.terminos) {
        Frase_Plegada f{{}, t.principio};
        for (const QString &palabra : t.palabras) {
            std::string plegada;
            if (!plegarConsulta(palabra, plegada)) {
                r.posible = r.posible && t.excluido;
                f.palabras.clear();
                break;
            }
            f.palabras.push_back(std::move(plegada));
        }
        const QString escrita = t.frase ? QString() : t.palabras.front().toLower();
        if (f.palabras.empty() || !vistos.emplace(f.palabras, escrita, t.frase, t.excluido, t.principio).second)
            continue;
        if (t.frase) {
            if (largoMinimo(f) > indice.mayor())
                r.posible = r.posible && t.excluido;
            else
                (t.excluido ? r.frasesExcluidas : r.frases).push_back(std::move(f));
        } else {
            (t.excluido ? r.palabrasExcluidas : r.palabras)
                .push_back({t.palabras.front(), std::move(f.palabras.front()), t.principio});
        }
    }
    return r;
}

// The texts holding every run of letters and digits of the phrase as a word of its own, or,
// for a run ending the phrase when its last word may be a beginning, as a word's beginning.
Conjunto textosConPalabrasDe(const Indice_Palabras &indice, const Frase_Plegada &frase)
{
    const Tablas_Plegado &t = tablasPlegado();
    Conjunto r(indice.textos(), true);
    for (std::size_t k = 0; k < frase.palabras.size(); ++k) {
        const std::string_view palabra = frase.palabras[k];
        for (std::size_t i = 0; i < palabra.size();) {
            if (!t.esLetra(palabra[i])) {
                ++i;
                continue;
            }
            const std::size_t desde = i;
            while (i < palabra.size() && t.esLetra(palabra[i]))
                ++i;
            const bool principio = frase.principio && k + 1 == frase.palabras.size() && i == palabra.size();
            r.cortar(indice.textosConForma(palabra.substr(desde, i - desde), principio));
        }
    }
    return r;
}

// Every text of the index answering the query, numbered from primera.
QList<Resultado_Busqueda> buscarEnIndice(const Indice_Palabras &indice, QStringView texto, int primera)
{
    const Consulta consulta = analizarConsulta(texto);
    if (consulta.motivo != Motivo_Sin_Consulta::Ninguno)
        return {};
    const Consulta_Plegada c = plegarTerminos(indice, consulta);
    if (!c.posible)
        return {};
    const int n = indice.textos();

    // The words first: which texts hold them is known without reading the texts. A pasted
    // page of words stops at the first word no text holds.
    Conjunto candidatos(n, true);
    std::vector<Indice_Palabras::Busqueda_Palabra> buscadas;
    for (const Palabra_Plegada &p : c.palabras) {
        buscadas.push_back(indice.buscarPalabra(p.escrita, p.plegada, p.principio));
        candidatos.cortar(indice.textosCon(buscadas.back()));
        if (candidatos.vacio())
            return {};
    }
    for (const Palabra_Plegada &p : c.palabrasExcluidas)
        candidatos.restar(indice.textosCon(indice.buscarPalabra(p.escrita, p.plegada, false)));

    // Then the phrases. Each run of letters of a phrase stands in the text as a word of its
    // own (the last one may be a word's beginning): the texts without them all are not read.
    for (const Frase_Plegada &f : c.frases)
        candidatos.cortar(textosConPalabrasDe(indice, f));
    if (candidatos.vacio())
        return {};
    std::vector<QList<Tramo>> tramosDeFrases(c.frases.empty() ? 0 : std::size_t(n));
    for (int t = 0; t < n; ++t) {
        if (!candidatos.contiene(t))
            continue;
        for (const Frase_Plegada &f : c.frases) {
            QList<Tramo> &tramos = tramosDeFrases[std::size_t(t)];
            const qsizetype antes = tramos.size();
            buscarFrase(indice.plegado(t), f, tramos);
            if (tramos.size() == antes) {
                candidatos.quitar(t);
                break;
            }
        }
        for (const Frase_Plegada &f : c.frasesExcluidas) {
            QList<Tramo> primero;
            if (candidatos.contiene(t))
                buscarFrase(indice.plegado(t), f, primero, true);
            if (!primero.isEmpty())
                candidatos.quitar(t);
        }
    }

    // The hits: every word matching a word asked for, and the phrases' hits. Only the last
    // word of a query may be a word's beginning, so there is one range of forms at most.
    std::vector<char> troncoBuscado(std::size_t(indice.numeroTroncos()), 0);
    int desde = 0;
    int hasta = 0;
    for (const Indice_Palabras::Busqueda_Palabra &b : buscadas) {
        for (const int tronco : b.troncos)
            troncoBuscado[std::size_t(tronco)] = 1;
        if (b.hasta > b.desde) {
            desde = b.desde;
            hasta = b.hasta;
        }
    }
    QList<Resultado_Busqueda> resultados;
    for (int t = 0; t < n; ++t) {
        if (!candidatos.contiene(t))
            continue;
        QList<Tramo> tramos;
        if (!buscadas.empty()) {
            for (const Indice_Palabras::Palabra *p = indice.primeraPalabra(t); p != indice.finPalabras(t); ++p) {
                if (troncoBuscado[std::size_t(p->tronco)] || (p->forma >= desde && p->forma < hasta))
                    tramos.append(Tramo{p->inicio, p->largo});
            }
        }
        if (!tramosDeFrases.empty()) {
            QList<Tramo> &deFrases = tramosDeFrases[std::size_t(t)];
            if (tramos.isEmpty())
                tramos = std::move(deFrases);
            else
                tramos.append(deFrases);
            // One phrase alone gives its hits in order, never overlapping.
            if (c.frases.size() > 1 || !buscadas.empty())
                unirSolapes(tramos);
        }
        resultados.append(Resultado_Busqueda{t + primera, std::move(tramos)});
    }
    return resultados;
}

} // namespace

QList<Resultado_Busqueda> Buscar_En_Textos(QStringView consulta)
{
    return buscarEnIndice(indiceDeLasEntradas(), consulta, 1);
}

QList<Tramo> buscarEn(QStringView texto, QStringView consulta)
{
    const QList<Resultado_Busqueda> r = buscarEnIndice(Indice_Palabras({texto.toString()}), consulta, 0);
    return r.isEmpty() ? QList<Tramo>() : r.front().tramos;
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
