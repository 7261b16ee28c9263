#pragma once

// The seven menu buttons, left to right, with the hint each shows on hover (which is also
// its accessible name), shared by the window test and the keyboard test.
//   nombre: the button's object name; pista: its hint
#include <QString>
#include <QTest>

inline void casosBotonesMenu()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("pista");
    QTest::newRow("first") << QStringLiteral("Boton_Menu_Primero_") << QStringLiteral("Ir al Preámbulo");
    QTest::newRow("previous") << QStringLiteral("Boton_Menu_Anterior_") << QStringLiteral("Ir al artículo anterior");
    QTest::newRow("next") << QStringLiteral("Boton_Menu_Siguiente_") << QStringLiteral("Ir al artículo siguiente");
    QTest::newRow("last") << QStringLiteral("Boton_Menu_Ultimo_") << QStringLiteral("Ir al artículo final");
    QTest::newRow("index") << QStringLiteral("Boton_Menu_Indice_") << QStringLiteral("Ocultar el índice izquierdo");
    QTest::newRow("about") << QStringLiteral("Boton_Menu_Acerca_")
                           << QStringLiteral("Información acerca de la fuente de esta constitución");
    QTest::newRow("close") << QStringLiteral("Boton_Menu_Cerrar_") << QStringLiteral("Cerrar esta aplicación");
}
