// Statistics page.
#include "form1.h"

void Form1::Llenar_Estadisticas()
{
}
