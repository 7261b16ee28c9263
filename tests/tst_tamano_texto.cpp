// The scale of sizes the entry text steps along.
#include "avisos_qt.h"
#include "tamano_texto.h"

#include <QTest>

#include <limits>

class TstTamanoTexto : public QObject
{
    Q_OBJECT

private slots:
    void tamano_stepsAlongTheScale_data();
    void tamano_stepsAlongTheScale();
};

void TstTamanoTexto::tamano_stepsAlongTheScale_data()
{
    QTest::addColumn<int>("puntos");
    QTest::addColumn<int>("pasos");
    QTest::addColumn<int>("resultado");
    QTest::newRow("one up from the design size") << 8 << 1 << 9;
    QTest::newRow("one down from the design size") << 8 << -1 << 7;
    QTest::newRow("steps widen above 12") << 12 << 1 << 14;
    QTest::newRow("held at the top") << 32 << 1 << 32;
    QTest::newRow("held at the bottom") << 6 << -1 << 6;
    QTest::newRow("many steps up end at 32") << 8 << 100 << 32;
    QTest::newRow("many steps down end at 6") << 8 << -100 << 6;
    QTest::newRow("between steps counts from the one below") << 13 << 1 << 14;
    QTest::newRow("below the scale counts from its bottom") << 1 << 1 << 7;
    QTest::newRow("above the scale counts from its top") << 99 << -1 << 28;
    QTest::newRow("no step") << 20 << 0 << 20;
    QTest::newRow("extreme steps") << 8 << std::numeric_limits<int>::min() << 6;
}

void TstTamanoTexto::tamano_stepsAlongTheScale()
{
    QFETCH(int, puntos);
    QFETCH(int, pasos);
    QFETCH(int, resultado);
    QCOMPARE(Cambiar_Tamano(puntos, pasos), resultado);
}

PRUEBA_APPLESS_MAIN(TstTamanoTexto)
#include "tst_tamano_texto.moc"
