#pragma once

#include <QChar>
#include <QStringView>

#include <string>

// How the whole-text search compares characters: one byte a character, each folded onto its
// small form without accent ("Órgano" and "organo" are equal, "ü" is "u"), "ñ" a letter of its
// own. A folded text keeps the positions of the text it comes from.

// The folded form of a Latin-1 character.
char plegarLatin1(char c);

// True for a Latin-1 character, folded or not, that belongs to a word: a letter or a digit.
bool esLetraPlegada(char c);

// True for the characters that separate the words of a phrase: space, line feed, no-break space.
bool separaFrase(char c);

// A text folded. Above Latin-1 no query character equals a character of it: a letter or digit
// there becomes "À", which folding never gives, anything else the 0 character.
std::string plegarTexto(QStringView texto);

// A query word or phrase word folded; false when it holds a character no text can hold (above
// Latin-1, or the 0 character), which matches nothing.
bool plegarConsulta(QStringView palabra, std::string &plegada);
