#pragma once

// The size of the entry text, in points: the designed 8, and the steps Ctrl+Plus,
// Ctrl+Minus and Ctrl+wheel take between 6 and 32.
inline constexpr int Tamano_Disenado = 8;
inline constexpr int Tamano_Minimo = 6;
inline constexpr int Tamano_Maximo = 32;

// The size `pasos` steps above (below, when negative) `puntos` on the scale
// 6 7 8 9 10 11 12 14 16 18 20 24 28 32, held at its ends. A size between two
// steps counts as the nearest step below it; one outside the scale as its end.
int Cambiar_Tamano(int puntos, int pasos);
