#include "estado_lector.h"

void UnitM01::Reiniciar_Estado()
{
    Articulo_Actual = Titulo_Actual = Capitulo_Actual = Seccion_Actual = Division_Elegida = 0;
    Resaltar_Palabra = false;
    Palabra_Elegida.clear();
    Resaltar_Tramos.clear();
    Coincidencia_Actual = {};
    Centenas = Decenas = Unidades = Max_Decenas = Max_Unidades = 0;
    Indice_Visible = false;
    Ancho_Indice = 0;
    Columna_Orden = 0;
    Historial_Entradas.vaciar();
    Tamano_Texto = Tamano_Disenado;
}
