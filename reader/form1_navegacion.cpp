// Navigation bar: the four stepping buttons.
#include "form1.h"

#include "entradas.h"
#include "unitm01.h"

using namespace UnitM01;

void Form1::Boton_Menu_Primero_Click()
{
    Mover_A_Entrada(1);
}

void Form1::Boton_Menu_Anterior_Click()
{
    if (Articulo_Actual > 0)
        Mover_A_Entrada(Articulo_Actual - 1);
}

void Form1::Boton_Menu_Siguiente_Click()
{
    if (Articulo_Actual < Numero_Entradas)
        Mover_A_Entrada(Articulo_Actual + 1);
}

void Form1::Boton_Menu_Ultimo_Click()
{
    Mover_A_Entrada(Numero_Entradas);
}
