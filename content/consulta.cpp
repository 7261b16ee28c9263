#include "consulta.h"

#include "caracter_palabra.h"

namespace {

bool esComilla(QChar c)
{
    return c == u'"' || c == u'\u201C' || c == u'\u201D';
}

bool esEspacio(QChar c)
{
    return c.isSpace();
}

// Reads a query left to right: white space, then a word run or a quoted phrase.
class Lector_Consulta
{
public:
    explicit Lector_Consulta(QStringView texto)
        : texto(texto)
    {
    }

    QList<Termino_Consulta> leer()
    {
        while (i < texto.size()) {
            if (esEspacio(texto[i])) {
                ++i;
                continue;
            }
            // A minus counts only at the start of a run of non-space characters.
            const bool excluido = texto[i] == u'-';
            if (excluido)
                ++i;
            leerTrozo(excluido);
        }
        // The last thing typed may still be growing.
        if (!terminos.isEmpty() && !terminos.back().frase && !terminos.back().excluido)
            terminos.back().principio = true;
        return terminos;
    }

private:
    // Up to the next white space: words and phrases, all of them left out when excluido.
    void leerTrozo(bool excluido)
    {
        while (i < texto.size() && !esEspacio(texto[i])) {
            if (esComilla(texto[i]))
                leerFrase(excluido);
            else
                leerPalabras(excluido);
        }
    }

    void leerFrase(bool excluido)
    {
        const qsizetype desde = ++i;
        while (i < texto.size() && !esComilla(texto[i]))
            ++i;
        const bool abierta = i == texto.size();
        const QStringView dentro = texto.sliced(desde, i - desde);
        if (!abierta)
            ++i;
        const QStringList palabras = palabrasConsulta(dentro);
        if (palabras.isEmpty())
            return;
        terminos.append({true, excluido, abierta && !excluido, palabras, desde, dentro.size()});
    }

    // The words of a run of characters that are neither white space nor quotes: its runs of
    // letters and digits.
    void leerPalabras(bool excluido)
    {
        while (i < texto.size() && !esEspacio(texto[i]) && !esComilla(texto[i])) {
            if (!esCaracterPalabra(texto[i])) {
                ++i;
                continue;
            }
            const qsizetype desde = i;
            while (i < texto.size() && esCaracterPalabra(texto[i]))
                ++i;
            terminos.append({false, excluido, false, {texto.sliced(desde, i - desde).toString()}, desde, i - desde});
        }
    }

    QStringView texto;
    qsizetype i = 0;
    QList<Termino_Consulta> terminos;
};

} // namespace

Consulta analizarConsulta(QStringView texto)
{
    Consulta c;
    c.terminos = Lector_Consulta(texto).leer();
    bool pide = false;
    for (const Termino_Consulta &t : c.terminos)
        pide = pide || !t.excluido;
    if (pide)
        c.motivo = Motivo_Sin_Consulta::Ninguno;
    else if (!c.terminos.isEmpty())
        c.motivo = Motivo_Sin_Consulta::Solo_Exclusiones;
    else if (texto.trimmed().isEmpty())
        c.motivo = Motivo_Sin_Consulta::Vacia;
    else
        c.motivo = Motivo_Sin_Consulta::Solo_Signos;
    return c;
}

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
