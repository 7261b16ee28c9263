// The program as app/main.cpp starts it, ending at the main window's first frame.
#include "aplicacion.h"
#include "form1.h"
#include "forma_acerca.h"
#include "primer_cuadro.h"

#include <thread>

int main(int argc, char **argv)
{
    std::thread fuentes(precargarFuentes); // on another core while the display is reached
    Aplicacion aplicacion(argc, argv);
    fuentes.join();
    Form1 form1;
    Forma_Acerca formaAcerca;
    PrimerCuadro cuadro(&form1);
    form1.show();
    return aplicacion.exec();
}
