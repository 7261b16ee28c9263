#pragma once

#include "lectura_textos.h"

#include <QLatin1String>
#include <QString>

#include <array>

// One entry of the text: entry 1 is the preamble, entry N + 1 article N,
// 352 the derogatory provision, 353..370 the transitional ones, 371 the final one.
struct Texto_Reg {
    QLatin1String Texto; // Latin-1: one character is one position
};

// Indexed by entry number 1..371; index 0 is an empty record. Callers clamp first.
extern const std::array<Texto_Reg, Numero_Entradas + 1> Textos;

// Captions of the provisions: row 1 "Única." .. row 19 "Decimoctava." (index 0 unused).
extern const std::array<QStringView, 20> Nombres_Disposicion;

// The entry's text as a string (the empty text outside 1..371).
QString Texto_Entrada(int entrada);

// The short caption naming an entry ("Preámbulo", "Artículo 12", "Quinta."),
// the empty text outside 1..371.
QString Rotulo_Articulo(int entrada);
