#pragma once

// A failed QCOMPARE or QVERIFY returns from the function it is in: inside a helper (a lambda,
// a member that checks), the test function would run on and report one fault several times.
// A helper called through COMPROBAR ends the test function at its first failure.
#include <QTest>

#define COMPROBAR(llamada)                                                                                             \
    do {                                                                                                               \
        llamada;                                                                                                       \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)
