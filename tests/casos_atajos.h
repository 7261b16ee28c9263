#pragma once

// The main window's keys as the reader is told them, one row per key: the action it
// triggers, the menu button whose enabled state it shares (none: always enabled) and
// whether it works in the search window too. Shared by the tests of the window's keys and
// the start-up test that presses each key as the first event.
#include <QKeyCombination>
#include <QKeySequence>
#include <QString>
#include <QTest>

struct TeclaEsperada {
    const char *accion;
    QKeyCombination tecla;
    const char *boton; // nullptr: none
    bool enBuscar;
};

inline constexpr TeclaEsperada TeclasEsperadas[] = {
    {"Atajo_Atras", Qt::ALT | Qt::Key_Left, nullptr, false},
    {"Atajo_Adelante", Qt::ALT | Qt::Key_Right, nullptr, false},
    {"Atajo_Anterior", Qt::ALT | Qt::Key_PageUp, "Boton_Menu_Anterior_", false},
    {"Atajo_Siguiente", Qt::ALT | Qt::Key_PageDown, "Boton_Menu_Siguiente_", false},
    {"Atajo_Primero", Qt::ALT | Qt::Key_Home, "Boton_Menu_Primero_", false},
    {"Atajo_Ultimo", Qt::ALT | Qt::Key_End, "Boton_Menu_Ultimo_", false},
    {"Atajo_Selector", Qt::CTRL | Qt::Key_G, nullptr, false},
    {"Atajo_Ampliar", Qt::CTRL | Qt::Key_Plus, nullptr, false},
    {"Atajo_Ampliar", Qt::CTRL | Qt::Key_Equal, nullptr, false},
    {"Atajo_Reducir", Qt::CTRL | Qt::Key_Minus, nullptr, false},
    {"Atajo_Tamano_Disenado", Qt::CTRL | Qt::Key_0, nullptr, false},
    {"Atajo_Copiar_Cita", Qt::CTRL | Qt::SHIFT | Qt::Key_C, nullptr, false},
    {"Atajo_Buscar", Qt::CTRL | Qt::Key_F, nullptr, true},
    {"Atajo_Buscar_Siguiente", QKeyCombination(Qt::Key_F3), nullptr, true},
    {"Atajo_Buscar_Anterior", Qt::SHIFT | Qt::Key_F3, nullptr, true},
};

// One data row per key: "accion", "tecla" (QKeyCombination::toCombined()), "enBuscar".
inline void casosTeclas()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("enBuscar");
    for (const TeclaEsperada &t : TeclasEsperadas)
        QTest::addRow("%s %s", t.accion, qPrintable(QKeySequence(t.tecla).toString()))
            << QString::fromLatin1(t.accion) << t.tecla.toCombined() << t.enBuscar;
}
