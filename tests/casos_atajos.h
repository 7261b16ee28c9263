#pragma once

// The main window's keys as the reader is told them, one row per key: the action it
// triggers and whether it works in the search window too. Shared by the tests of the
// window's keys and the start-up test that presses each key as the first event.
#include <QKeyCombination>
#include <QKeySequence>
#include <QString>
#include <QTest>

struct TeclaEsperada {
    const char *accion;
    QKeyCombination tecla;
    bool enBuscar;
};

inline constexpr TeclaEsperada TeclasEsperadas[] = {
    {"Atajo_Atras", Qt::ALT | Qt::Key_Left, false},
    {"Atajo_Adelante", Qt::ALT | Qt::Key_Right, false},
    {"Atajo_Anterior", Qt::ALT | Qt::Key_PageUp, false},
    {"Atajo_Siguiente", Qt::ALT | Qt::Key_PageDown, false},
    {"Atajo_Primero", Qt::ALT | Qt::Key_Home, false},
    {"Atajo_Ultimo", Qt::ALT | Qt::Key_End, false},
    {"Atajo_Selector", Qt::CTRL | Qt::Key_G, false},
    {"Atajo_Ampliar", Qt::CTRL | Qt::Key_Plus, false},
    {"Atajo_Ampliar", Qt::CTRL | Qt::Key_Equal, false},
    {"Atajo_Reducir", Qt::CTRL | Qt::Key_Minus, false},
    {"Atajo_Tamano_Disenado", Qt::CTRL | Qt::Key_0, false},
    {"Atajo_Copiar_Cita", Qt::CTRL | Qt::SHIFT | Qt::Key_C, false},
    {"Atajo_Buscar", Qt::CTRL | Qt::Key_F, true},
    {"Atajo_Buscar_Siguiente", QKeyCombination(Qt::Key_F3), true},
    {"Atajo_Buscar_Anterior", Qt::SHIFT | Qt::Key_F3, true},
    {"Atajo_Imprimir", Qt::CTRL | Qt::Key_P, true},
    {"Atajo_Vista_Previa", Qt::CTRL | Qt::SHIFT | Qt::Key_P, true},
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
