#pragma once

// Click sequences on the article selector and what it shows after each click, and the
// entries the go button shows, shared by the arithmetic test and the test that clicks the
// real spin buttons and go button.
//   start: digits reached by clicking up from 000 (hundreds, then tens, then units)
//   steps: C+ C- hundreds, D+ D- tens, U+ U- units
//   after: digits and limits after each step, as "ddd/tu" (tens limit, units limit)
#include <QStringList>
#include <QTest>

inline void casosSelector()
{
    QTest::addColumn<QString>("inicio");
    QTest::addColumn<QStringList>("pasos");
    QTest::addColumn<QStringList>("despues");
    const auto fila = [](const char *nombre, const char *inicio, const char *pasos, const char *despues) {
        QTest::newRow(nombre) << QString::fromLatin1(inicio)
                              << QString::fromLatin1(pasos).split(QLatin1Char(' '))
                              << QString::fromLatin1(despues).split(QLatin1Char(' '));
    };
    fila("hundreds down from 000 wraps to 300", "000", "C-", "300/99");
    fila("hundreds up four times comes back to 000", "000", "C+ C+ C+ C+", "100/99 200/99 300/99 000/99");
    fila("units up from 349 wraps without carrying", "349", "U+", "340/99");
    fila("tens up from 340 reaches 350, then 360 is pinned", "340", "D+ D+", "350/99 350/50");
    fila("tens up from the pin wraps at the tens limit 5 to 300", "340", "D+ D+ D+", "350/99 350/50 300/99");
    fila("units up from the pin stays, then 351 is pinned", "340", "D+ D+ U+ U+",
         "350/99 350/50 350/99 350/50");
    fila("units down from the pin stays, then 359 is pinned", "340", "D+ D+ U- U-",
         "350/99 350/50 350/99 350/50");
    fila("tens down from 300 wraps to 390, pinned", "300", "D-", "350/50");
    fila("hundreds up from 299 makes 399, pinned", "299", "C+", "350/50");
    fila("tens and units down from 000 wrap to 9", "000", "D- U-", "090/99 099/99");
    fila("hundreds down from 099 makes 399, pinned", "099", "C-", "350/50");
}

// Digits on the selector, the entry the go button shows and its caption.
inline void casosIrDirecto()
{
    QTest::addColumn<QString>("digitos");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("000 shows the preamble") << QStringLiteral("000") << 1 << QStringLiteral("Preámbulo");
    QTest::newRow("001 shows article 1") << QStringLiteral("001") << 2 << QStringLiteral("Artículo 1");
    QTest::newRow("350 shows article 350") << QStringLiteral("350") << 351 << QStringLiteral("Artículo 350");
}
