#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Derivation of the word concordance from the entry texts. The build turns its result
// into the compiled-in table; the tests derive it again and compare.

// Letters of a word: A-Z, a-z and á é í ó ú ü ñ with their capitals.
bool esLetraConcordancia(QChar c);

// The maximal runs of letters of a text, in order.
QStringList tokensConcordancia(QStringView texto);

// The key of a token: its first letter turned into its capital, accented letters
// into accented capitals; the other letters stay as they are.
QString claveConcordancia(QStringView token);

// The words the concordance leaves out, as the texts write them.
const QStringList &palabrasVacias();

// True when the key is a stop word (the listed word with its first letter capitalised).
bool esPalabraVacia(QStringView clave);

// Order of the groups: letter by letter after folding case and the accents of
// á é í ó ú ü; ñ is not folded and ranks after z. Negative when a goes first, 0 when
// the two words are equal under this folding.
int compararConcordancia(QStringView a, QStringView b);

// The flat table: for every word, in order, its head "<Palabra>,[N],(M),W" followed by
// the N entry numbers containing it. entradas[0] is the text of entry 1.
QStringList derivarConcordancia(const QStringList &entradas);
