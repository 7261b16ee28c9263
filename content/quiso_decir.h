#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// "¿Quiso decir…?": for a word of a query that the entries do not hold, the words of the
// entries it was probably meant to be.

struct Sugerencia_Consulta {
    QString palabra;  // a word of the entries, spelt as they spell it most often
    QString consulta; // the query with the word typed replaced by it
    friend bool operator==(const Sugerencia_Consulta &, const Sugerencia_Consulta &) = default;
};

struct Quiso_Decir {
    QString palabra;                        // the word typed; empty when there is nothing to offer
    QList<Sugerencia_Consulta> sugerencias; // at most 3, the most frequent first
};

// For the first unquoted word asked for that matches no word of the entries (as a word, as a
// form of one or, for the word that may be a beginning, as the beginning of one) and has words
// near it: the words of the entries at an edit distance of at most 2 from it once both are
// folded (1 for a word of up to four letters; a letter changed, added or taken away, or two
// neighbouring letters swapped, each counting 1), the most frequent in the entries first, then
// the nearest. Nothing for no query, or when every word matches or none is near.
Quiso_Decir quisoDecir(QStringView consulta);
