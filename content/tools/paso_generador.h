#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>

// What every build step that turns the entry texts into C++ does around its own work:
// reads and validates the texts file named by argv[1], hands the entries to generar and
// writes what it returns to argv[2], replacing the file only once it is complete.
// Returns the exit code: 0, 1 when the file cannot be read, is not valid or the output
// cannot be written, 2 on wrong arguments.
int ejecutarPasoGenerador(int argc, char **argv, const char *nombre,
                          const std::function<QByteArray(const QStringList &entradas)> &generar);
