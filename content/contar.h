#pragma once

#include <QString>

// "1 coincidencia", "38 coincidencias": a number with its noun, as it is read aloud.
QString contar(int n, const char *singular, const char *plural);
