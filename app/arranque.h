#pragma once

#include "linea_de_ordenes.h"

#include <optional>

class Form1;

// What the program does before its application object exists: reads the command line and
// checks for a display. Answers --help, --version, --buscar and --texto on standard output, a bad argument or a
// missing display with one line on standard error. Gives the exit code when the program ends
// there, nothing when it goes on to open its window. A few string comparisons on that path.
std::optional<int> antesDeLaAplicacion(int argc, char **argv, Ordenes &ordenes);

// The program from start to end: the command line, the application object, the main window
// shown (at article N when asked) and the event loop; the About dialog is made by the window
// once its first frame is out. antesDeMostrar, when given, sees the window just before it is
// first shown. Returns the exit code.
int ejecutar(int argc, char **argv, void (*antesDeMostrar)(Form1 &) = nullptr);
