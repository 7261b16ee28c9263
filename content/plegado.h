#pragma once

#include <QStringView>

#include <array>
#include <string>

// How the whole-text search compares characters: one byte a character, each folded onto its
// small form without accent ("Órgano" and "organo" are equal, "ü" is "u"), "ñ" a letter of its
// own. A folded text keeps the positions of the text it comes from.

// Per Latin-1 character, folded or not: its folded form, whether it belongs to a word (a letter
// or a digit), whether it separates the words of a phrase (space, line feed, no-break space).
struct Tablas_Plegado {
    std::array<char, 256> plegado{};
    std::array<bool, 256> palabra{};
    std::array<bool, 256> separador{};

    bool esLetra(char c) const { return palabra[static_cast<unsigned char>(c)]; }
    bool separa(char c) const { return separador[static_cast<unsigned char>(c)]; }
};

// The tables, made on the first call.
const Tablas_Plegado &tablasPlegado();

// A text folded. Above Latin-1 no query character equals a character of it: a letter or digit
// there becomes "À", which folding never gives, anything else the 0 character.
std::string plegarTexto(QStringView texto);

// A query word or phrase word folded; false when it holds a character no text can hold (above
// Latin-1, or the 0 character), which matches nothing.
bool plegarConsulta(QStringView palabra, std::string &plegada);
