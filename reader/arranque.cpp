#include "arranque.h"

#include "pantalla.h"

#include <cstdio>

namespace {

void escribir(std::FILE *salida, const QString &texto)
{
    std::fputs(texto.toLocal8Bit().constData(), salida);
}

} // namespace

std::optional<int> antesDeLaAplicacion(int argc, char **argv, Ordenes &ordenes)
{
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    ordenes = leerOrdenes(argumentos);
    switch (ordenes.accion) {
    case Ordenes::Accion::Ayuda:
        escribir(stdout, textoAyuda());
        return 0;
    case Ordenes::Accion::Version:
        escribir(stdout, textoVersion());
        return 0;
    case Ordenes::Accion::Error:
        escribir(stderr, ordenes.error + QLatin1Char('\n'));
        return 2;
    case Ordenes::Accion::Abrir:
        break;
    }
    // Qt aborts when its platform plugin cannot start. The environment tells at once when no
    // plugin Qt would try can find a display; any other failure (a display that does not
    // answer, a plugin not installed) is caught by GuardaPantalla while the application connects.
    if (const QString falta = faltaDePantalla(entornoPantalla(ordenes.plataforma)); !falta.isEmpty()) {
        escribir(stderr, falta + QLatin1Char('\n'));
        return 1;
    }
    return std::nullopt;
}
