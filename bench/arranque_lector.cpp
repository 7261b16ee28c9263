// The program as app/main.cpp starts it, ending at the main window's first frame.
#include "aplicacion.h"
#include "arranque.h"
#include "form1.h"
#include "forma_acerca.h"
#include "pantalla.h"
#include "primer_cuadro.h"

#include <optional>
#include <thread>

int main(int argc, char **argv)
{
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
    PrimerCuadro cuadro(&form1);
    form1.show();
    return aplicacion.exec();
}
