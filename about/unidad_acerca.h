#pragma once

// State of the About dialog, alive for the whole run.
namespace Unidad_Acerca {

extern bool Ampliada;        // widened in this showing
extern bool Puede_Cerrar;    // closing is allowed
extern int Valor_Esponja;    // the picture's current sponge amount
extern int Paso_Esponja;     // added to the amount on every timer tick

} // namespace Unidad_Acerca
