#include "arranque.h"

#include "aplicacion.h"
#include "form1.h"
#include "pantalla.h"
#include "salida_terminal.h"

#include <cstdio>
#include <thread>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void escribir(std::FILE *salida, const QString &texto)
{
    std::fputs(texto.toLocal8Bit().constData(), salida);
}

// The terminal's width when standard output is one, 0 (no wrapping) for a pipe or a file.
int anchoTerminal()
{
    if (!isatty(STDOUT_FILENO))
        return 0;
    winsize tamano{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &tamano) == 0 && tamano.ws_col > 0)
        return tamano.ws_col;
    return 80;
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
    case Ordenes::Accion::Buscar: {
        const Salida_Busqueda salida = Buscar_Para_Terminal(ordenes.consulta);
        escribir(stdout, salida.texto);
        return salida.encontrado ? 0 : 1;
    }
    case Ordenes::Accion::Texto:
        escribir(stdout, Entrada_Para_Terminal(ordenes.articulo, anchoTerminal()));
        return 0;
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

int ejecutar(int argc, char **argv, void (*antesDeMostrar)(Form1 &))
{
    // --help, --version, a bad argument and a missing display end here, without a display.
    Ordenes ordenes;
    if (const std::optional<int> fin = antesDeLaAplicacion(argc, argv, ordenes))
        return *fin;
    std::thread fuentes(precargarFuentes); // on another core while the display is reached
    std::optional<GuardaPantalla> guarda(std::in_place, entornoPantalla(ordenes.plataforma));
    Aplicacion aplicacion(argc, argv);
    guarda.reset();
    fuentes.join();
    Form1 form1;
    if (antesDeMostrar)
        antesDeMostrar(form1);
    form1.show();
    if (ordenes.articulo >= 0)
        form1.elegirArticulo(ordenes.articulo); // after the activation, as the reader would
    return aplicacion.exec();
}
