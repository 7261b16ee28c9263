#include "aplicacion.h"
#include "form1.h"
#include "forma_acerca.h"
#include "linea_de_ordenes.h"
#include "pantalla.h"

#include <cstdio>
#include <optional>
#include <thread>

namespace {

void escribir(std::FILE *salida, const QString &texto)
{
    std::fputs(texto.toLocal8Bit().constData(), salida);
}

} // namespace

int main(int argc, char **argv)
{
    // The command line and the display are settled before the application object: --help,
    // --version and a bad argument need no display, and a missing display is reported in one
    // line instead of Qt's abort. Both are a few string comparisons on the usual path.
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    const Ordenes ordenes = leerOrdenes(argumentos);
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
    // The environment tells at once when no plugin Qt would try can have a display; any other
    // failure (a display that does not answer, a plugin not installed) is caught by the guard
    // while the application connects.
    const EntornoPantalla entorno = entornoPantalla(ordenes.plataforma);
    if (const QString falta = faltaDePantalla(entorno); !falta.isEmpty()) {
        escribir(stderr, falta + QLatin1Char('\n'));
        return 1;
    }

    std::thread fuentes(precargarFuentes); // on another core while the display is reached
    std::optional<GuardaPantalla> guarda(std::in_place, plataformasElegidas(entorno));
    Aplicacion aplicacion(argc, argv);
    guarda.reset();
    fuentes.join();
    Form1 form1;
    Forma_Acerca formaAcerca;
    form1.show();
    if (ordenes.articulo >= 0)
        form1.elegirArticulo(ordenes.articulo); // after the activation, as the reader would
    return aplicacion.exec();
}
