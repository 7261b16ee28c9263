#include "unidad_acerca.h"

namespace Unidad_Acerca {

bool Ampliada = false;
bool Puede_Cerrar = false;
int Valor_Esponja = 0;
int Paso_Esponja = 0;

} // namespace Unidad_Acerca
