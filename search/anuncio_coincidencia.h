#pragma once

#include "busqueda_global.h"

#include <QString>

// What a screen reader says of the hit F3 reaches: its place among the entry's hits, the
// entry, and the line around it, "coincidencia 2 de 3 en el Artículo 29: … los delitos contra
// los derechos humanos …". Empty for a hit that is not one of the entry's.
QString anuncioCoincidencia(int entrada, const QList<Tramo> &tramos, int tramo);
