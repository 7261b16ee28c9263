// buscarEn with any query and text: the hits lie inside the text in increasing order without
// overlapping; a query that asks for nothing (analizarConsulta) gives no hit; the context of
// each hit shows it. And the hits are exactly those a plain scan gives, reading the query and
// the text its own way: unquoted words compared with every word of the text, folded, as a
// word's beginning for the growing word, and by stem, each text word stemmed by the Snowball
// stemmer directly; phrases found by trying every position in turn; the text answering only
// when it holds every word and phrase asked for and none left out.
#include "busqueda_global.h"
#include "caracter_palabra.h"
#include "datos_fuzz.h"

#include <QStringList>

#include <libstemmer.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace {

// A character small and without accent, ñ kept, by Unicode decomposition.
QChar plegarLetra(QChar c)
{
    const QChar menor = c.toLower();
    if (menor == u'ñ' || menor.decompositionTag() != QChar::Canonical)
        return menor;
    return menor.decomposition().at(0).toLower();
}

// Latin-1 folded by plegarLetra; characters above it kept, so they equal no folded query.
QString plegar(QStringView s)
{
    QString r;
    for (const QChar c : s)
        r += c.unicode() <= 0xFF ? plegarLetra(c) : c;
    return r;
}

bool separador(QChar c)
{
    return c == u' ' || c == u'\n' || c == QChar(0xA0);
}

bool comilla(QChar c)
{
    return c == u'"' || c == QChar(0x201C) || c == QChar(0x201D);
}

// A query character no text character can equal.
bool ajena(QChar c)
{
    return c.unicode() == 0 || c.unicode() > 0xFF;
}

// A character of the text equals one of the query (Latin-1) when both fold to the same; a
// text character above Latin-1 equals none. The folds of Latin-1 are worked out once.
bool iguales(QChar deTexto, QChar deConsulta)
{
    static const auto plegados = [] {
        std::array<QChar, 256> r;
        for (int c = 0; c < 256; ++c)
            r[c] = plegarLetra(QChar(char16_t(c)));
        return r;
    }();
    return deTexto.unicode() <= 0xFF && plegados[deTexto.unicode()] == plegados[deConsulta.unicode()];
}

// The stem of a word by the stemmer, from its small letters, folded.
QString tronco(QStringView palabra)
{
    static sb_stemmer *const lematizador = sb_stemmer_new("spanish", "UTF_8");
    const QByteArray utf8 = palabra.toString().toLower().toUtf8();
    const sb_symbol *r =
        sb_stemmer_stem(lematizador, reinterpret_cast<const sb_symbol *>(utf8.constData()), int(utf8.size()));
    return plegar(QString::fromUtf8(reinterpret_cast<const char *>(r), sb_stemmer_length(lematizador)));
}

struct Termino {
    bool frase = false;
    bool excluido = false;
    bool principio = false;
    QStringList palabras;
};

// The query read: a run of characters between white space, quoted stretches included, is
// left out in full when it starts with a minus; a quote runs to the next quote or to the end;
// outside quotes the words are the runs of letters and digits; inside, the runs of non-space
// characters, the phrase dropped when it holds no letter or digit. The last term may be a
// word's beginning when it is asked for and is a word or a quote left open.
QStringList trozos(QStringView s)
{
    QStringList r;
    QString trozo;
    for (const QChar c : s) {
        if (!c.isSpace())
            trozo += c;
        else if (!trozo.isEmpty())
            r << std::exchange(trozo, {});
    }
    if (!trozo.isEmpty())
        r << trozo;
    return r;
}

QList<Termino> leer(const QString &consulta)
{
    QList<Termino> terminos;
    qsizetype i = 0;
    while (i < consulta.size()) {
        if (consulta[i].isSpace()) {
            ++i;
            continue;
        }
        const bool excluido = consulta[i] == u'-';
        i += excluido ? 1 : 0;
        while (i < consulta.size() && !consulta[i].isSpace()) {
            if (comilla(consulta[i])) {
                const qsizetype fin = [&] {
                    for (qsizetype j = i + 1; j < consulta.size(); ++j)
                        if (comilla(consulta[j]))
                            return j;
                    return consulta.size();
                }();
                const QString dentro = consulta.mid(i + 1, fin - i - 1);
                const bool abierta = fin == consulta.size();
                i = std::min(fin + 1, consulta.size());
                if (std::any_of(dentro.begin(), dentro.end(), [](QChar c) { return c.isLetterOrNumber(); }))
                    terminos.append({true, excluido, abierta && !excluido, trozos(dentro)});
                continue;
            }
            QString palabra;
            while (i < consulta.size() && !consulta[i].isSpace() && !comilla(consulta[i])) {
                if (consulta[i].isLetterOrNumber()) {
                    palabra += consulta[i];
                } else if (!palabra.isEmpty()) {
                    terminos.append({false, excluido, false, {palabra}});
                    palabra.clear();
                }
                ++i;
            }
            if (!palabra.isEmpty())
                terminos.append({false, excluido, false, {palabra}});
        }
    }
    if (!terminos.isEmpty() && !terminos.back().excluido && !terminos.back().frase)
        terminos.back().principio = true;
    return terminos;
}

// The text's words: runs of letters and digits.
QList<Tramo> palabrasDe(const QString &texto)
{
    QList<Tramo> r;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (!texto[i].isLetterOrNumber() || (i > 0 && texto[i - 1].isLetterOrNumber()))
            continue;
        qsizetype fin = i;
        while (fin < texto.size() && texto[fin].isLetterOrNumber())
            ++fin;
        r.append(Tramo{int(i), int(fin - i)});
    }
    return r;
}

// The text's words an unquoted word matches: those written as it is, folded, and every word
// sharing a stem with one of them (with none, the stems of the word as typed and folded);
// as a word's beginning, also those beginning with it.
QList<Tramo> buscarPalabra(const QString &texto, const QList<Tramo> &palabras, const QString &buscada, bool principio)
{
    if (std::any_of(buscada.begin(), buscada.end(), ajena))
        return {};
    const QString plegada = plegar(buscada);
    std::set<QString> troncos;
    for (const Tramo &p : palabras) {
        if (plegar(QStringView(texto).sliced(p.inicio, p.largo)) == plegada)
            troncos.insert(tronco(QStringView(texto).sliced(p.inicio, p.largo)));
    }
    if (troncos.empty())
        troncos = {tronco(buscada), tronco(plegada)};
    QList<Tramo> r;
    for (const Tramo &p : palabras) {
        const QStringView escrita = QStringView(texto).sliced(p.inicio, p.largo);
        if (troncos.count(tronco(escrita)) || (principio && plegar(escrita).startsWith(plegada)))
            r.append(p);
    }
    return r;
}

// The end of the phrase when it stands at p in the text, or -1.
qsizetype finEn(const QString &texto, qsizetype p, const QStringList &palabras, bool principio)
{
    qsizetype i = p;
    for (qsizetype k = 0; k < palabras.size(); ++k) {
        if (k > 0) {
            const qsizetype antes = i;
            while (i < texto.size() && separador(texto[i]))
                ++i;
            if (i == antes)
                return -1;
        }
        for (const QChar c : palabras[k]) {
            if (i >= texto.size() || !iguales(texto[i], c))
                return -1;
            ++i;
        }
        const bool entera = k + 1 < palabras.size() || !principio;
        if (entera && i < texto.size() && texto[i].isLetterOrNumber())
            return -1;
    }
    return i;
}

// Every hit of a phrase, by trying each word start from the left and going on after each hit.
QList<Tramo> buscarFrase(const QString &texto, const Termino &frase)
{
    for (const QString &palabra : frase.palabras) {
        if (std::any_of(palabra.begin(), palabra.end(), ajena))
            return {};
    }
    QList<Tramo> r;
    qsizetype p = 0;
    while (p < texto.size()) {
        const bool alComienzo = p == 0 || !texto[p - 1].isLetterOrNumber();
        const qsizetype fin = alComienzo ? finEn(texto, p, frase.palabras, frase.principio) : -1;
        if (fin < 0) {
            ++p;
            continue;
        }
        r.append(Tramo{int(p), int(fin - p)});
        p = fin;
    }
    return r;
}

QList<Tramo> recorridoSimple(const QString &texto, const QString &consulta)
{
    const QList<Termino> terminos = leer(consulta);
    if (std::none_of(terminos.begin(), terminos.end(), [](const Termino &t) { return !t.excluido; }))
        return {};
    const QList<Tramo> palabras = palabrasDe(texto);
    QList<Tramo> tramos;
    for (const Termino &t : terminos) {
        const QList<Tramo> encontrados = t.frase ? buscarFrase(texto, t)
                                                 : buscarPalabra(texto, palabras, t.palabras.front(),
                                                                 t.principio);
        if (t.excluido && !encontrados.isEmpty())
            return {};
        if (!t.excluido && encontrados.isEmpty())
            return {};
        if (!t.excluido)
            tramos += encontrados;
    }
    // Overlapping hits make one, their union.
    std::sort(tramos.begin(), tramos.end(), [](const Tramo &a, const Tramo &b) { return a.inicio < b.inicio; });
    QList<Tramo> unidos;
    for (const Tramo &t : tramos) {
        if (!unidos.isEmpty() && t.inicio < unidos.back().inicio + unidos.back().largo)
            unidos.back().largo = std::max(unidos.back().largo, t.inicio + t.largo - unidos.back().inicio);
        else
            unidos.append(t);
    }
    return unidos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    DatosFuzz entrada(datos, tamano);
    const QString consulta = entrada.Texto(entrada.Entero<uint8_t>() % 48);
    const QString texto = entrada.Texto(1 << 12);

    const QList<Tramo> tramos = buscarEn(texto, consulta);
    if (analizarConsulta(consulta).motivo != Motivo_Sin_Consulta::Ninguno)
        EXIGIR(tramos.isEmpty());
    int fin = 0;
    for (const Tramo &t : tramos) {
        EXIGIR(t.inicio >= fin && t.largo > 0 && t.inicio + t.largo <= texto.size());
        fin = t.inicio + t.largo;
        EXIGIR(t.inicio == 0 || !esCaracterPalabra(texto[t.inicio - 1]));
        const Contexto_Coincidencia c = contextoDe(texto, t);
        EXIGIR(c.inicio >= 0 && c.inicio + c.largo <= c.texto.size() && c.largo == t.largo);
    }
    EXIGIR(tramos == recorridoSimple(texto, consulta));
    return 0;
}
