#include "paso_generador.h"

#include "lectura_textos.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int ejecutarPasoGenerador(int argc, char **argv, const char *nombre,
                          const std::function<QByteArray(const QStringList &entradas)> &generar)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s textos.txt salida.cpp\n", nombre);
        return 2;
    }
    QFile entrada(QString::fromLocal8Bit(argv[1]));
    if (!entrada.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read the entry texts\n", argv[1]);
        return 1;
    }
    const LecturaTextos lectura = leerTextos(entrada.readAll());
    if (!lectura.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(lectura.error));
        return 1;
    }

    const QByteArray cpp = generar(lectura.entradas);
    QSaveFile salida(QString::fromLocal8Bit(argv[2]));
    if (!salida.open(QIODevice::WriteOnly) || salida.write(cpp) != cpp.size() || !salida.commit()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
