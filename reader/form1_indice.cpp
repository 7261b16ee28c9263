// Index tree page.
#include "form1.h"

void Form1::Llenar_Indice()
{
}

void Form1::Seleccionar_Nodo()
{
}
