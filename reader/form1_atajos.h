#pragma once

#include "form1.h"

#include <QKeyCombination>

class QPushButton;

// One keyboard action of the main window (a row of Form1::Tabla_Atajos): its object name,
// its keys (a second one, or Qt::Key_unknown for none), the handler it runs and, for the
// stepping keys, the button whose enabled state it shares, so that a key never does what
// a disabled button cannot; and whether the key also works in the search window.
struct Atajo {
    const char *nombre;
    QKeyCombination tecla;
    QKeyCombination otraTecla;
    void (Form1::*manejador)();
    QPushButton *Form1::*boton; // nullptr: always enabled
    bool enBuscar;
};
