#pragma once

// Keys typed into the article selector and what it shows after each one, shared by the
// test of the typing rule and the test that types into the real window after Ctrl+G.
//   start: the digits before typing
//   keys: digits, U (Up), D (Down)
//   after: digits and limits after each key, as "ddd/tu" (tens limit, units limit)
#include <QStringList>
#include <QTest>

inline void casosTeclearSelector()
{
    QTest::addColumn<QString>("inicio");
    QTest::addColumn<QStringList>("teclas");
    QTest::addColumn<QStringList>("despues");
    const auto fila = [](const char *nombre, const char *inicio, const char *teclas, const char *despues) {
        QTest::newRow(nombre) << QString::fromLatin1(inicio) << QString::fromLatin1(teclas).split(QLatin1Char(' '))
                              << QString::fromLatin1(despues).split(QLatin1Char(' '));
    };
    fila("157 fills from the right", "000", "1 5 7", "001/99 015/99 157/99");
    fila("a fourth digit starts again", "000", "1 5 7 4", "001/99 015/99 157/99 004/99");
    fila("999 is held to 350", "000", "9 9 9", "009/99 099/99 350/50");
    fila("351 is held to 350", "000", "3 5 1", "003/99 035/99 350/50");
    fila("the first digit replaces what was shown", "240", "7", "007/99");
    fila("Up and Down step by one", "157", "U U D", "158/99 159/99 158/99");
    fila("Up and Down carry across digits", "199", "U D D", "200/99 199/99 198/99");
    fila("Up stops at 350", "349", "U U", "350/99 350/99");
    fila("Down stops at 000", "001", "D D", "000/99 000/99");
    fila("a digit after a step starts again", "000", "1 5 U 7", "001/99 015/99 016/99 007/99");
    fila("Up from the held 350 stays there", "000", "9 9 9 U", "009/99 099/99 350/50 350/99");
}
