// buscarFraseEn with any query and text: the hits lie inside the text in increasing order
// without overlapping; each starts at a word's start and spans the query's words, folded,
// separated by runs of spaces or paragraph breaks; every word but the last is whole. No
// query (no letter or digit) gives no hit. The context of each hit shows it. And no hit is
// missed: the hits are exactly those a plain scan finds, trying every position in turn.
#include "busqueda_global.h"
#include "caracter_palabra.h"
#include "datos_fuzz.h"

#include <QStringList>

#include <array>

namespace {

// A character small and without accent, ñ kept, by Unicode decomposition.
QChar plegarLetra(QChar c)
{
    const QChar menor = c.toLower();
    if (menor == u'ñ' || menor.decompositionTag() != QChar::Canonical)
        return menor;
    return menor.decomposition().at(0).toLower();
}

QString plegar(QStringView s)
{
    QString r;
    for (const QChar c : s)
        r += plegarLetra(c);
    return r;
}

bool separador(QChar c)
{
    return c == u' ' || c == u'\n' || c == QChar(0xA0);
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

// The end of the phrase when it stands at p in the text, or -1.
qsizetype finEn(const QString &texto, qsizetype p, const QStringList &palabras)
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
        if (k + 1 < palabras.size() && i < texto.size() && texto[i].isLetterOrNumber())
            return -1;
    }
    return i;
}

// Every hit, by trying each word start from the left and going on after each hit found.
// The query: its runs of non-space characters, when it holds a letter or digit and only
// characters a text can hold (Latin-1 but the 0 character).
QList<Tramo> recorridoSimple(const QString &texto, const QString &consulta)
{
    QStringList palabras;
    QString palabra;
    bool conLetra = false;
    for (const QChar c : consulta + u' ') {
        if (c.unicode() == 0 || c.unicode() > 0xFF)
            return {};
        conLetra = conLetra || c.isLetterOrNumber();
        if (!c.isSpace()) {
            palabra += c;
        } else if (!palabra.isEmpty()) {
            palabras << palabra;
            palabra.clear();
        }
    }
    QList<Tramo> r;
    if (!conLetra)
        return r;
    qsizetype p = 0;
    while (p < texto.size()) {
        const qsizetype fin = p == 0 || !texto[p - 1].isLetterOrNumber() ? finEn(texto, p, palabras) : -1;
        if (fin < 0) {
            ++p;
            continue;
        }
        r.append(Tramo{int(p), int(fin - p)});
        p = fin;
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    DatosFuzz entrada(datos, tamano);
    const QString consulta = entrada.Texto(entrada.Entero<uint8_t>() % 48);
    const QString texto = entrada.Texto(1 << 12);

    const QList<Tramo> tramos = buscarFraseEn(texto, consulta);
    const QStringList palabras = palabrasConsulta(consulta);
    if (palabras.isEmpty())
        EXIGIR(tramos.isEmpty());
    int fin = 0;
    for (const Tramo &t : tramos) {
        EXIGIR(t.inicio >= fin && t.largo > 0 && t.inicio + t.largo <= texto.size());
        fin = t.inicio + t.largo;
        EXIGIR(t.inicio == 0 || !esCaracterPalabra(texto[t.inicio - 1]));
        // The hit, cut at its separators, is the query's words.
        QStringList trozos;
        qsizetype i = t.inicio;
        while (i < fin) {
            const qsizetype desde = i;
            while (i < fin && !separador(texto[i]))
                ++i;
            trozos << plegar(QStringView(texto).sliced(desde, i - desde));
            while (i < fin && separador(texto[i]))
                ++i;
        }
        EXIGIR(trozos.size() == palabras.size());
        for (qsizetype k = 0; k < palabras.size(); ++k)
            EXIGIR(trozos[k] == plegar(palabras[k]));
        EXIGIR(!separador(texto[fin - 1]));
        const Contexto_Coincidencia c = contextoDe(texto, t);
        EXIGIR(c.inicio >= 0 && c.inicio + c.largo <= c.texto.size() && c.largo == t.largo);
    }
    EXIGIR(tramos == recorridoSimple(texto, consulta));
    return 0;
}
