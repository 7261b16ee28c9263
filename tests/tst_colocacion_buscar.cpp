// Where the search window first opens, on the screens readers have: 1600×1000, 1366×768 and
// those at scale factors 1.5 and 2 (911×512 and 683×384 logical pixels), with the main window
// centred at its designed size or filling a small screen.
#include "avisos_qt.h"
#include "colocacion_buscar.h"

#include <QTest>

class TstColocacionBuscar : public QObject
{
    Q_OBJECT

private slots:
    void colocar_data();
    void colocar();
};

void TstColocacionBuscar::colocar_data()
{
    QTest::addColumn<QRect>("libre");
    QTest::addColumn<QRect>("principal");
    QTest::addColumn<QRect>("texto");
    QTest::addColumn<QRect>("esperado");
    // The search window's designed size is 560×420, its smallest 240×200 (passed below).
    QTest::newRow("2560x1440: right of the main window")
        << QRect(0, 0, 2560, 1440) << QRect(948, 480, 664, 480) << QRect(1248, 520, 364, 440)
        << QRect(1612, 480, 560, 420);
    QTest::newRow("main window at the right edge: to its left")
        << QRect(0, 0, 1600, 1000) << QRect(1000, 100, 600, 480) << QRect(1300, 140, 300, 440)
        << QRect(440, 100, 560, 420);
    QTest::newRow("1600x1000: right of it, narrowed to the room")
        << QRect(0, 0, 1600, 1000) << QRect(468, 260, 664, 480) << QRect(768, 300, 364, 440)
        << QRect(1132, 260, 468, 420);
    QTest::newRow("1366x768: over the index pane")
        << QRect(0, 0, 1366, 768) << QRect(351, 144, 664, 480) << QRect(651, 184, 364, 400)
        << QRect(91, 144, 560, 420);
    QTest::newRow("1366x768 under a top panel: over the index pane, on the screen")
        << QRect(0, 27, 1366, 741) << QRect(351, 27, 664, 741) << QRect(651, 67, 364, 701)
        << QRect(91, 27, 560, 420);
    QTest::newRow("scale 1.5: narrowed over the index pane")
        << QRect(0, 0, 911, 512) << QRect(123, 16, 664, 480) << QRect(423, 56, 364, 440)
        << QRect(0, 16, 423, 420);
    QTest::newRow("scale 2, main window filling the screen: the index pane, screen high")
        << QRect(0, 0, 683, 384) << QRect(0, 0, 683, 384) << QRect(300, 40, 383, 344) << QRect(0, 0, 300, 384);
    QTest::newRow("index hidden, text across the screen: below the text")
        << QRect(0, 0, 1000, 1000) << QRect(0, 0, 1000, 500) << QRect(0, 40, 1000, 460)
        << QRect(0, 500, 560, 420);
    QTest::newRow("index hidden, text across the screen: above it, as high as the room")
        << QRect(0, 0, 1000, 1000) << QRect(0, 700, 1000, 300) << QRect(0, 740, 1000, 260)
        << QRect(0, 320, 560, 420);
    // Above or below the text column with less room than the designed height and at least the
    // smallest: as high as the room, against the column's edge.
    QTest::newRow("300 px below the text: 300 high, under it")
        << QRect(0, 0, 1000, 1000) << QRect(0, 0, 1000, 700) << QRect(0, 40, 1000, 660)
        << QRect(0, 700, 560, 300);
    QTest::newRow("419 px below the text, under a top panel")
        << QRect(0, 27, 1000, 973) << QRect(0, 27, 1000, 554) << QRect(0, 67, 1000, 514)
        << QRect(0, 581, 560, 419);
    QTest::newRow("exactly the smallest height below the text")
        << QRect(0, 0, 1000, 1000) << QRect(0, 0, 1000, 800) << QRect(0, 40, 1000, 760)
        << QRect(0, 800, 560, 200);
    QTest::newRow("300 px above the text: 300 high, over it")
        << QRect(0, 0, 1000, 1000) << QRect(0, 260, 1000, 740) << QRect(0, 300, 1000, 650)
        << QRect(0, 0, 560, 300);
    QTest::newRow("250 px above the text under a top panel, 50 below: over it")
        << QRect(0, 30, 1000, 970) << QRect(0, 240, 1000, 760) << QRect(0, 280, 1000, 670)
        << QRect(0, 30, 560, 250);
    QTest::newRow("exactly the smallest height above the text")
        << QRect(0, 0, 1000, 1000) << QRect(0, 160, 1000, 840) << QRect(0, 200, 1000, 800)
        << QRect(0, 0, 560, 200);
    QTest::newRow("as much room above as below: below")
        << QRect(0, 0, 1000, 1000) << QRect(0, 210, 1000, 580) << QRect(0, 250, 1000, 500)
        << QRect(0, 750, 560, 250);
    QTest::newRow("on a second screen, 260 px below the text")
        << QRect(1920, 100, 1024, 768) << QRect(1920, 100, 1024, 508) << QRect(1920, 140, 1024, 468)
        << QRect(1920, 608, 560, 260);
    QTest::newRow("a screen narrower than the designed width, 240 px below: as wide as the screen")
        << QRect(0, 0, 500, 700) << QRect(0, 0, 500, 460) << QRect(0, 40, 500, 420) << QRect(0, 460, 500, 240);
    QTest::newRow("no room anywhere: the smallest window at the left edge")
        << QRect(0, 0, 683, 384) << QRect(0, 0, 683, 384) << QRect(0, 100, 683, 284) << QRect(0, 0, 240, 200);
    QTest::newRow("main window low on the screen: moved up onto it")
        << QRect(0, 0, 2560, 1000) << QRect(948, 700, 664, 280) << QRect(1248, 740, 364, 240)
        << QRect(1612, 580, 560, 420);
    QTest::newRow("second screen to the right: within it")
        << QRect(1920, 0, 1366, 768) << QRect(2271, 144, 664, 480) << QRect(2571, 184, 364, 400)
        << QRect(2011, 144, 560, 420);
}

void TstColocacionBuscar::colocar()
{
    QFETCH(QRect, libre);
    QFETCH(QRect, principal);
    QFETCH(QRect, texto);
    QFETCH(QRect, esperado);
    const QRect donde = colocarVentanaBuscar(libre, principal, texto, QSize(560, 420), QSize(240, 200));
    QCOMPARE(donde, esperado);
    // Wholly on the screen's available area, and a window at all.
    QVERIFY(!donde.isEmpty());
    QVERIFY(libre.contains(donde));
    // It covers none of the text column, but where no room is left at all.
    if (QTest::currentDataTag() != QByteArrayLiteral("no room anywhere: the smallest window at the left edge"))
        QVERIFY(!donde.intersects(texto));
}

PRUEBA_APPLESS_MAIN(TstColocacionBuscar)
#include "tst_colocacion_buscar.moc"
