#include "aplicacion.h"
#include "arranque.h"
#include "form1.h"
#include "forma_acerca.h"
#include "pantalla.h"

#include <optional>
#include <thread>

int main(int argc, char **argv)
{
    // --help, --version, a bad argument and a missing display end here, without a display.
    Ordenes ordenes;
    if (const std::optional<int> fin = antesDeLaAplicacion(argc, argv, ordenes))
        return *fin;
    std::thread fuentes(precargarFuentes); // on another core while the display is reached
    std::optional<GuardaPantalla> guarda(std::in_place, plataformasElegidas(entornoPantalla(ordenes.plataforma)));
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
