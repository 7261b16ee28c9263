// Navigation bar: the four stepping buttons, the article selector (by its spin buttons
// and from the keyboard) and Back and Forward through the entries shown.
#include "form1.h"

#include "apariencia.h"
#include "entradas.h"
#include "estado_lector.h"
#include "richtextview.h"
#include "selector.h"
#include "spinbutton.h"

#include <QApplication>
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
    Avisar_Numero_Selector();
}

void Form1::SpinButton1DownClick()
{
    aplicarPaso(PasoSelector::CentenasAbajo);
    Mostrar_Digitos();
    Avisar_Numero_Selector();
}

void Form1::SpinButton2UpClick()
{
    aplicarPaso(PasoSelector::DecenasArriba);
    Mostrar_Digitos();
    Avisar_Numero_Selector();
}

void Form1::SpinButton2DownClick()
{
    aplicarPaso(PasoSelector::DecenasAbajo);
    Mostrar_Digitos();
    Avisar_Numero_Selector();
}

void Form1::SpinButton3UpClick()
{
    aplicarPaso(PasoSelector::UnidadesArriba);
    Mostrar_Digitos();
    Avisar_Numero_Selector();
}

void Form1::SpinButton3DownClick()
{
    aplicarPaso(PasoSelector::UnidadesAbajo);
    Mostrar_Digitos();
    Avisar_Numero_Selector();
}

void Form1::Mostrar_Digitos()
{
    guardarSelector(fijarSelector(selectorActual()));
    StaticText14->setText(QString::number(Unidades));
    StaticText13->setText(QString::number(Decenas));
    StaticText12->setText(QString::number(Centenas));
    for (SpinButton *const giro : {SpinButton1, SpinButton2, SpinButton3})
        giro->avisarValor();
}

// A step of the number is heard whole («231»); the digits typed are heard as typed.
void Form1::Avisar_Numero_Selector()
{
    anunciar(QString::number(Centenas * 100 + Decenas * 10 + Unidades));
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

// Back and Forward: the entry is shown as by any other move, but plain and unrecorded.

void Form1::Historial_Atras()
{
    const int entrada = Historial_Entradas.atras(Articulo_Actual);
    if (entrada < 1) {
        anunciar(QStringLiteral("No hay entrada anterior en el historial"));
        return;
    }
    Resaltar_Palabra = false;
    Mover_A_Entrada(entrada, Anotacion::SinAnotar);
}

void Form1::Historial_Adelante()
{
    const int entrada = Historial_Entradas.adelante(Articulo_Actual);
    if (entrada < 1) {
        anunciar(QStringLiteral("No hay entrada siguiente en el historial"));
        return;
    }
    Resaltar_Palabra = false;
    Mover_A_Entrada(entrada, Anotacion::SinAnotar);
}

// The selector from the keyboard. Panel4 takes the focus (the spin buttons never do);
// while it holds it the digits are marked, and the keys go to Panel4Tecla.

void Form1::Teclear_Selector()
{
    if (Panel4->hasFocus())
        return;
    QWidget *const foco = QApplication::focusWidget();
    Foco_Antes_Del_Selector = foco && foco->window() == this ? foco : nullptr;
    Panel4->setFocus(Qt::ShortcutFocusReason);
}

bool Form1::Panel4Tecla(int tecla, Qt::KeyboardModifiers modificadores)
{
    if (modificadores & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9) {
        guardarSelector(Tecleo_Selector.digito(selectorActual(), tecla - Qt::Key_0));
        Mostrar_Digitos();
        return true;
    }
    switch (tecla) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        guardarSelector(Tecleo_Selector.paso(selectorActual(), tecla == Qt::Key_Up ? 1 : -1));
        Mostrar_Digitos();
        Avisar_Numero_Selector();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Boton_Cunsultar_ArticuloClick();
        Devolver_Teclado();
        return true;
    case Qt::Key_Escape:
        Devolver_Teclado();
        return true;
    default:
        return false;
    }
}

void Form1::Devolver_Teclado()
{
    QWidget *destino = Foco_Antes_Del_Selector;
    if (!destino || !destino->isVisible() || !destino->isEnabled() || destino->window() != this)
        destino = ColorMemo1;
    destino->setFocus(Qt::OtherFocusReason);
}

void Form1::Marcar_Selector(bool tecleando)
{
    if (tecleando)
        Tecleo_Selector = {}; // a new number
    for (QLabel *const digito : {StaticText12, StaticText13, StaticText14})
        Apariencia::colorear(digito, tecleando ? Apariencia::Azul : Apariencia::CieloAzul,
                             tecleando ? Apariencia::Blanco : QColor(Qt::black));
}
