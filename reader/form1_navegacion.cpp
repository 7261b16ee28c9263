// Navigation bar: the four stepping buttons and the article selector.
#include "form1.h"

#include "entradas.h"
#include "selector.h"
#include "unitm01.h"

#include <QLabel>

using namespace UnitM01;

namespace {

Selector selectorActual()
{
    return {Centenas, Decenas, Unidades, Max_Decenas, Max_Unidades};
}

void guardarSelector(const Selector &s)
{
    Centenas = s.centenas;
    Decenas = s.decenas;
    Unidades = s.unidades;
    Max_Decenas = s.maxDecenas;
    Max_Unidades = s.maxUnidades;
}

void aplicarPaso(PasoSelector paso)
{
    guardarSelector(pasoSelector(selectorActual(), paso));
}

} // namespace

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

void Form1::SpinButton1UpClick()
{
    aplicarPaso(PasoSelector::CentenasArriba);
    Mostrar_Digitos();
}

void Form1::SpinButton1DownClick()
{
    aplicarPaso(PasoSelector::CentenasAbajo);
    Mostrar_Digitos();
}

void Form1::SpinButton2UpClick()
{
    aplicarPaso(PasoSelector::DecenasArriba);
    Mostrar_Digitos();
}

void Form1::SpinButton2DownClick()
{
    aplicarPaso(PasoSelector::DecenasAbajo);
    Mostrar_Digitos();
}

void Form1::SpinButton3UpClick()
{
    aplicarPaso(PasoSelector::UnidadesArriba);
    Mostrar_Digitos();
}

void Form1::SpinButton3DownClick()
{
    aplicarPaso(PasoSelector::UnidadesAbajo);
    Mostrar_Digitos();
}

void Form1::Mostrar_Digitos()
{
    guardarSelector(fijarSelector(selectorActual()));
    StaticText14->setText(QString::number(Unidades));
    StaticText13->setText(QString::number(Decenas));
    StaticText12->setText(QString::number(Centenas));
}

void Form1::Boton_Cunsultar_ArticuloClick()
{
    const int entrada = entradaSelector(selectorActual());
    if (entrada < 1 || entrada > Numero_Entradas)
        return;
    Mover_A_Entrada(entrada);
}

void Form1::elegirArticulo(int n)
{
    if (n < 0 || n > 350)
        return;
    guardarSelector({uint8_t(n / 100), uint8_t(n / 10 % 10), uint8_t(n % 10), Max_Decenas, Max_Unidades});
    Mostrar_Digitos();
    Boton_Cunsultar_ArticuloClick();
}
