#pragma once

#include "busqueda_global.h"

#include <string>
#include <string_view>
#include <vector>

// A phrase looked for in a folded text (plegado.h): its words, folded, in the same order,
// separated by any run of spaces or paragraph breaks. A hit starts at a word's start; every
// word is whole except the last when principio, which may then be the beginning of a word.
struct Frase_Plegada {
    std::vector<std::string> palabras;
    bool principio = false;
};

// Positions the phrase needs at the least: its words and one separator between each two.
std::size_t largoMinimo(const Frase_Plegada &frase);

// Appends the hits of the phrase in the text, in increasing order and never overlapping;
// with basta, only the first one.
void buscarFrase(std::string_view texto, const Frase_Plegada &frase, QList<Tramo> &tramos, bool basta = false);
