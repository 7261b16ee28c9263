#include "aplicacion.h"
#include "form1.h"
#include "forma_acerca.h"

int main(int argc, char **argv)
{
    Aplicacion aplicacion(argc, argv);
    Form1 form1;
    Forma_Acerca formaAcerca;
    form1.show();
    return aplicacion.exec();
}
