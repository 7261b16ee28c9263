#pragma once

// The print dialog and the print preview live in a module of their own, loaded on the first
// print, so that the print support library is not loaded when the reader starts.
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// Paints the job on the device the dialog chose.
using Pintar_Paginas = std::function<void(QPagedPaintDevice &)>;

// The module's one entry point: shows the print dialog (or the preview, maximised, the page
// fit to its width, whose own keys are Ctrl+P, Ctrl+plus or Ctrl+=, Ctrl+minus, Ctrl+PageDown
// and Ctrl+PageUp) over padre for a job cited as cita, on A4 or Letter as the printer gives
// it, portrait, 2-cm margins; paints when the reader prints.
extern "C" void constitucion_dialogo_imprimir(QWidget *padre, const QString &cita, bool vistaPrevia,
                                              const Pintar_Paginas &pintar);
using Dialogo_Imprimir = decltype(&constitucion_dialogo_imprimir);

// Where the program looks for the module: lib/constitucion/modulos beside the program's
// directory (/usr/lib/constitucion/modulos for /usr/bin/constitucion; so in the build tree).
QString Carpeta_Modulo_Imprimir();

// The module's entry point, loading the module on the first call; null when it cannot be
// loaded, with why in error.
Dialogo_Imprimir Cargar_Dialogo_Imprimir(QString *error);
