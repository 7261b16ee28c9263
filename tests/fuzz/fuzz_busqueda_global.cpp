// buscarFraseEn with any query and text: the hits lie inside the text in increasing order
// without overlapping; each starts at a word's start and spans the query's words, folded,
// separated by runs of spaces or paragraph breaks; every word but the last is whole. No
// query (no letter or digit) gives no hit. The context of each hit shows it.
#include "busqueda_global.h"
#include "caracter_palabra.h"
#include "datos_fuzz.h"

#include <QStringList>

namespace {

// Small letters without accents, ñ kept, by Unicode decomposition.
QString plegar(QStringView s)
{
    QString r;
    for (const QChar c : s) {
        const QChar menor = c.toLower();
        if (menor == u'ñ' || menor.decompositionTag() != QChar::Canonical)
            r += menor;
        else
            r += menor.decomposition().at(0).toLower();
    }
    return r;
}

bool separador(QChar c)
{
    return c == u' ' || c == u'\n' || c == QChar(0xA0);
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
    return 0;
}
