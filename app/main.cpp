#include "aplicacion.h"
#include "form1.h"
#include "forma_acerca.h"

#include <thread>

int main(int argc, char **argv)
{
    std::thread fuentes(precargarFuentes); // on another core while the display is reached
    Aplicacion aplicacion(argc, argv);
    fuentes.join();
    Form1 form1;
    Forma_Acerca formaAcerca;
    form1.show();
    return aplicacion.exec();
}
