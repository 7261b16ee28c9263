// The text pane's own actions: the size of the entry text and copying with citation.
#include "form1.h"

#include "apariencia.h"
#include "cita.h"
#include "entradas.h"
#include "estado_lector.h"
#include "richtextview.h"
#include "tamano_texto.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>

using namespace UnitM01;

// One size for every entry: the view's font, whose size the text takes (the entry's
// characters carry no size of their own, only the highlight's bold and background).
void Form1::Cambiar_Tamano_Texto(int pasos)
{
    const int puntos = Cambiar_Tamano(Tamano_Texto, pasos);
    if (puntos != Tamano_Texto) {
        Tamano_Texto = puntos;
        ColorMemo1->setFont(Apariencia::fuente(Tamano_Texto));
    }
    Avisar_Tamano_Texto();
}

// Heard also when the size cannot change: at either end of the scale the same size is told.
void Form1::Avisar_Tamano_Texto()
{
    anunciar(QStringLiteral("Tamaño del texto %1 puntos").arg(Tamano_Texto));
}

void Form1::Ampliar_Texto()
{
    Cambiar_Tamano_Texto(1);
}

void Form1::Reducir_Texto()
{
    Cambiar_Tamano_Texto(-1);
}

void Form1::Restaurar_Texto()
{
    if (Tamano_Texto != Tamano_Disenado) {
        Tamano_Texto = Tamano_Disenado;
        ColorMemo1->setFont(Apariencia::fuente(Tamano_Texto));
    }
    Avisar_Tamano_Texto();
}

void Form1::Copiar_Con_Cita()
{
    if (Articulo_Actual < 1)
        return;
    // The selection only when the reader sees it; otherwise the entry on screen.
    const QString pasaje = ColorMemo1->seleccionVisible() ? ColorMemo1->textCursor().selectedText()
                                                          : Texto_Entrada(Articulo_Actual);
    const QStringList encabezados = Encabezados_Cita(Articulo_Actual);
    auto *const datos = new QMimeData;
    datos->setText(Texto_Con_Cita(pasaje, Articulo_Actual, encabezados));
    datos->setHtml(Html_Con_Cita(pasaje, Articulo_Actual, encabezados));
    QApplication::clipboard()->setMimeData(datos);
    anunciar(ColorMemo1->seleccionVisible() ? QStringLiteral("Copiado con la cita: la selección")
                                          : QStringLiteral("Copiado con la cita"));
}
