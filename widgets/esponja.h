#pragma once

#include <QtGlobal>

// The sponge effect: every pixel of a 24-bit picture takes the colour found at a random
// offset smaller than the amount, drawn from the program's one shared random generator.
namespace Esponja {

// A draw from the shared generator: advances the state, then gives 0..n-1 (0 for n = 0).
// The state is 0 when the program starts and is never seeded.
quint32 R(quint32 n);

// The generator's state, read and set by tests and benchmarks only.
quint32 Estado_Generador();
void Fijar_Estado_Generador(quint32 estado);

// Applies the effect in place to a picture of ancho x alto pixels, 3 bytes a pixel,
// whose row y starts at filas[y]. Three draws per pixel, row by row from the top; the
// source of every pixel is clamped into the picture. An amount of 0 or less, or an
// empty picture, changes nothing and draws nothing.
void Aplicar_Esponja(uchar *const *filas, int ancho, int alto, int cantidad);

} // namespace Esponja
