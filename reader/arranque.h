#pragma once

#include "linea_de_ordenes.h"

#include <optional>

// What the program does before its application object exists: reads the command line and
// checks for a display. Answers --help and --version on standard output, a bad argument or a
// missing display with one line on standard error. Gives the exit code when the program ends
// there, nothing when it goes on to open its window. A few string comparisons on that path.
std::optional<int> antesDeLaAplicacion(int argc, char **argv, Ordenes &ordenes);
