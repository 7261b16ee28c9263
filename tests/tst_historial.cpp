// The record of entries shown, for Back and Forward: moves in, the entry each step gives
// and what is left on either side.
#include "avisos_qt.h"
#include "historial.h"

#include <QTest>

class TstHistorial : public QObject
{
    Q_OBJECT

private slots:
    void steps_walkTheRecord_data();
    void steps_walkTheRecord();
    void limit_dropsTheOldest();
};

// Each step: "v<n>" a move to entry n, "a" Back, "d" Forward. After each step the entry
// on screen and how many steps are left back and forward, as "entry b/f", comma-separated.
void TstHistorial::steps_walkTheRecord_data()
{
    QTest::addColumn<QStringList>("pasos");
    QTest::addColumn<QStringList>("despues");
    const auto fila = [](const char *nombre, const char *pasos, const char *despues) {
        QTest::newRow(nombre) << QString::fromLatin1(pasos).split(QLatin1Char(' '))
                              << QString::fromLatin1(despues).split(QStringLiteral(", "));
    };
    fila("the first display records nothing", "v1", "1 0/0");
    fila("back and forward at the ends do nothing", "v1 a d", "1 0/0, 1 0/0, 1 0/0");
    fila("back twice and forward twice", "v1 v158 v34 a a d d",
         "1 0/0, 158 1/0, 34 2/0, 158 1/1, 1 0/2, 158 1/1, 34 2/0");
    fila("a move to the same entry records nothing", "v1 v158 v158 a", "1 0/0, 158 1/0, 158 1/0, 1 0/1");
    fila("a new move after back drops the forward part", "v1 v2 v3 a a v300 d a",
         "1 0/0, 2 1/0, 3 2/0, 2 1/1, 1 0/2, 300 1/0, 300 1/0, 1 0/1");
    fila("returning to an earlier entry is a new move", "v1 v2 v1 a a", "1 0/0, 2 1/0, 1 2/0, 2 1/1, 1 0/2");
    fila("not an entry records nothing", "v1 v0 v-4 v5", "1 0/0, 0 0/0, -4 0/0, 5 0/0");
}

void TstHistorial::steps_walkTheRecord()
{
    QFETCH(QStringList, pasos);
    QFETCH(QStringList, despues);
    Historial h;
    int actual = 0;
    for (int i = 0; i < pasos.size(); ++i) {
        const QString &p = pasos[i];
        if (p.startsWith(QLatin1Char('v'))) {
            const int nueva = p.mid(1).toInt();
            h.visitar(actual, nueva);
            actual = nueva;
        } else {
            const int e = p == QLatin1String("a") ? h.atras(actual) : h.adelante(actual);
            if (e > 0)
                actual = e;
        }
        QCOMPARE(QStringLiteral("%1 %2/%3").arg(actual).arg(h.cuantasAtras()).arg(h.cuantasAdelante()), despues[i]);
        QCOMPARE(h.puedeAtras(), h.cuantasAtras() > 0);
        QCOMPARE(h.puedeAdelante(), h.cuantasAdelante() > 0);
    }
}

void TstHistorial::limit_dropsTheOldest()
{
    Historial h(3);
    for (int e = 1; e < 10; ++e)
        h.visitar(e, e + 1);
    QCOMPARE(h.cuantasAtras(), size_t(3));
    QCOMPARE(h.atras(10), 9);
    QCOMPARE(h.atras(9), 8);
    QCOMPARE(h.atras(8), 7);
    QCOMPARE(h.atras(7), 0);
    QCOMPARE(h.cuantasAdelante(), size_t(3));
    // The default bound: the last 500 entries left, the oldest dropped first.
    Historial largo;
    for (int e = 1; e <= 600; ++e)
        largo.visitar(e, e + 1);
    QCOMPARE(largo.cuantasAtras(), size_t(500));
    int actual = 601;
    for (int paso = 0; paso < 500; ++paso)
        actual = largo.atras(actual);
    QCOMPARE(actual, 101);
    QCOMPARE(largo.atras(actual), 0);
}

PRUEBA_APPLESS_MAIN(TstHistorial)
#include "tst_historial.moc"
