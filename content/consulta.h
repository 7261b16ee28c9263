#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

// The query language of the whole-text search.
//
// Unquoted words: an entry is a result when it holds every word, anywhere and in any order,
// in any of its forms (formas_palabra.h); punctuation between words only separates them. The
// last word of the query may be the beginning of a word, so results narrow while typing.
// "A phrase" between straight or typographic double quotes: its words in that order, standing
// together, each whole, with no other forms; a quote left open runs to the end of the query,
// and then its last word may be the beginning of a word. A minus before a word or a phrase
// (-tratados, -"derechos humanos") leaves out the entries holding it; a left-out word or
// phrase is always whole.

// Why a query is no query at all.
enum class Motivo_Sin_Consulta {
    Ninguno,          // a query: it asks for at least one word or phrase
    Vacia,            // nothing but white space
    Solo_Signos,      // no letter or digit outside empty quotes and lone minus signs
    Solo_Exclusiones, // every word or phrase is left out: nothing is asked for
};

// One word or phrase of a query.
struct Termino_Consulta {
    bool frase = false;     // quoted
    bool excluido = false;  // after a minus
    bool principio = false; // its last word may be the beginning of a word
    // The word, or the phrase's words (its runs of non-space characters, punctuation kept).
    QStringList palabras;
    // Where the word, or the phrase between its quotes, stands in the query.
    qsizetype inicio = 0;
    qsizetype largo = 0;
    friend bool operator==(const Termino_Consulta &, const Termino_Consulta &) = default;
};

struct Consulta {
    QList<Termino_Consulta> terminos; // in the order typed
    Motivo_Sin_Consulta motivo = Motivo_Sin_Consulta::Vacia;
};

// The query read: its words and phrases, and whether it asks for anything.
Consulta analizarConsulta(QStringView consulta);

// The words of a phrase: the text split at runs of white space. Empty when the text holds no
// letter or digit, which is no phrase at all.
QStringList palabrasConsulta(QStringView consulta);
