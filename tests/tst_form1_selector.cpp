// The article selector of the real window, driven by clicks on the halves of its spin
// buttons: wrapping and pinning, auto-repeat while held, focus, and the go button.
#include "avisos_qt.h"
#include "casos_selector.h"
#include "estado_lector.h"
#include "form1.h"
#include "spinbutton.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

class TstForm1Selector : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void digits_showDesignCaptionUntilFirstClick();
    void clicks_wrapAndPin_data() { casosSelector(); }
    void clicks_wrapAndPin();
    void goButton_movesToArticle_data() { casosIrDirecto(); }
    void goButton_movesToArticle();
    void held_repeatsAfter400ThenEvery100();
    void held_pausesOffTheHalfAndResumesOnIt();
    void release_offTheHalfRaisesNoClick();
    void held_endsWhenHiddenOrReleasedElsewhere_data();
    void held_endsWhenHiddenOrReleasedElsewhere();
    void spinButtons_neverTakeFocus();

private:
    SpinButton *giro(int columna) const
    {
        return ventana->findChild<SpinButton *>(QStringLiteral("SpinButton%1").arg(columna));
    }
    QLabel *label(const QString &nombre) const { return ventana->findChild<QLabel *>(nombre); }
    static QPoint arriba() { return {10, 5}; }
    static QPoint abajo() { return {10, 15}; }
    void pulsar(int columna, bool subir) const
    {
        QTest::mouseClick(giro(columna), Qt::LeftButton, {}, subir ? arriba() : abajo());
    }
    // What the digit displays show, with the limits: "ddd/tu".
    QString mostrado() const
    {
        return label(QStringLiteral("StaticText12"))->text() + label(QStringLiteral("StaticText13"))->text()
               + label(QStringLiteral("StaticText14"))->text()
               + QStringLiteral("/%1%2").arg(UnitM01::Max_Decenas).arg(UnitM01::Max_Unidades);
    }
    static QTimer *repeticion(SpinButton *g) { return g->findChild<QTimer *>(QStringLiteral("Repeticion")); }
    // One tick of a held spin's repetition, given by hand instead of waited for.
    static void tic(SpinButton *g) { QMetaObject::invokeMethod(repeticion(g), "timeout"); }
    void llegarA(const QString &digitos) const
    {
        for (int columna = 1; columna <= 3; ++columna)
            for (int i = 0; i < digitos[columna - 1].digitValue(); ++i)
                pulsar(columna, true);
    }

    std::unique_ptr<Form1> ventana;
};

void TstForm1Selector::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
}

void TstForm1Selector::cleanup()
{
    ventana.reset();
}

void TstForm1Selector::digits_showDesignCaptionUntilFirstClick()
{
    for (int columna = 1; columna <= 3; ++columna) {
        QVERIFY(giro(columna));
        QCOMPARE(giro(columna)->size(), QSize(21, 21));
    }
    UnitM01::Centenas = 2; // activation does not write the displays
    QCOMPARE(mostrado(), QStringLiteral("000/99"));
    pulsar(3, true);
    QCOMPARE(mostrado(), QStringLiteral("201/99"));
}

void TstForm1Selector::clicks_wrapAndPin()
{
    QFETCH(QString, inicio);
    QFETCH(QStringList, pasos);
    QFETCH(QStringList, despues);
    llegarA(inicio);
    QCOMPARE(mostrado().left(3), inicio);
    for (int i = 0; i < pasos.size(); ++i) {
        const QString &p = pasos[i];
        pulsar(QStringLiteral("CDU").indexOf(p[0]) + 1, p[1] == QLatin1Char('+'));
        QCOMPARE(mostrado(), despues[i]);
    }
}

void TstForm1Selector::goButton_movesToArticle()
{
    QFETCH(QString, digitos);
    QFETCH(int, entrada);
    QFETCH(QString, rotulo);
    auto *ir = ventana->findChild<QPushButton *>(QStringLiteral("Boton_Cunsultar_Articulo"));
    QCOMPARE(ir->text(), QStringLiteral("Ir directo\nal artículo\n"));
    QTest::mouseClick(ventana->findChild<QPushButton *>(QStringLiteral("Boton_Menu_Ultimo_")), Qt::LeftButton);
    llegarA(digitos);
    QTest::mouseClick(ir, Qt::LeftButton);
    QCOMPARE(UnitM01::Articulo_Actual, entrada);
    QCOMPARE(label(QStringLiteral("StaticText1"))->text(), rotulo);
    QCOMPARE(ventana->findChild<QPushButton *>(QStringLiteral("Boton_Menu_Primero_"))->isEnabled(), entrada != 1);
}

// The repetition's pace is read from its timer and its ticks are given by hand, so the rule is
// checked exactly; one real hold, at the end, checks coarsely that real ticks come.
void TstForm1Selector::held_repeatsAfter400ThenEvery100()
{
    SpinButton *unidades = giro(3);
    QTimer *const reloj = repeticion(unidades);
    QVERIFY(reloj);
    QSignalSpy subidas(unidades, &SpinButton::upClick);
    QVERIFY(!reloj->isActive());
    QTest::mousePress(unidades, Qt::LeftButton, {}, arriba());
    QVERIFY(reloj->isActive());
    QCOMPARE(reloj->interval(), 400);
    QCOMPARE(subidas.size(), 0);
    for (int i = 1; i <= 5; ++i) {
        tic(unidades);
        QCOMPARE(subidas.size(), i);
        QVERIFY(reloj->isActive());
        QCOMPARE(reloj->interval(), 100);
    }
    QTest::mouseRelease(unidades, Qt::LeftButton, {}, arriba());
    QCOMPARE(subidas.size(), 6); // the release over the half is one more click
    QVERIFY(!reloj->isActive());
    QCOMPARE(label(QStringLiteral("StaticText14"))->text(), QStringLiteral("6"));

    // A next press starts again at 400.
    QTest::mousePress(unidades, Qt::LeftButton, {}, arriba());
    QCOMPARE(reloj->interval(), 400);
    QTRY_VERIFY_WITH_TIMEOUT(subidas.size() >= 6 + 3, 5000);
    QTest::mouseRelease(unidades, Qt::LeftButton, {}, arriba());
    QVERIFY(!reloj->isActive());
}

void TstForm1Selector::held_pausesOffTheHalfAndResumesOnIt()
{
    SpinButton *decenas = giro(2);
    QTimer *const reloj = repeticion(decenas);
    QSignalSpy subidas(decenas, &SpinButton::upClick);
    QSignalSpy bajadas(decenas, &SpinButton::downClick);
    QTest::mousePress(decenas, Qt::LeftButton, {}, arriba());
    tic(decenas);
    tic(decenas);
    QCOMPARE(subidas.size(), 2);
    QTest::mouseMove(decenas, abajo()); // over the other half, still held
    tic(decenas);
    tic(decenas);
    QCOMPARE(subidas.size(), 2);
    QVERIFY(reloj->isActive()); // the timer keeps its pace while the pointer is away
    QTest::mouseMove(decenas, QPoint(30, 5)); // off the button altogether
    tic(decenas);
    QCOMPARE(subidas.size(), 2);
    QTest::mouseMove(decenas, arriba());
    tic(decenas);
    QCOMPARE(subidas.size(), 3);
    QTest::mouseRelease(decenas, Qt::LeftButton, {}, arriba());
    QCOMPARE(subidas.size(), 4);
    QCOMPARE(bajadas.size(), 0);
}

void TstForm1Selector::release_offTheHalfRaisesNoClick()
{
    SpinButton *centenas = giro(1);
    QSignalSpy subidas(centenas, &SpinButton::upClick);
    QSignalSpy bajadas(centenas, &SpinButton::downClick);
    QTest::mousePress(centenas, Qt::LeftButton, {}, abajo());
    QTest::mouseMove(centenas, arriba());
    QTest::mouseRelease(centenas, Qt::LeftButton, {}, arriba());
    QCOMPARE(subidas.size(), 0);
    QCOMPARE(bajadas.size(), 0);
    QTest::mouseClick(centenas, Qt::LeftButton, {}, abajo());
    QCOMPARE(bajadas.size(), 1);
    QCOMPARE(mostrado(), QStringLiteral("300/99"));
    QTest::mouseClick(centenas, Qt::RightButton, {}, abajo());
    QCOMPARE(bajadas.size(), 1);
}

void TstForm1Selector::held_endsWhenHiddenOrReleasedElsewhere_data()
{
    QTest::addColumn<bool>("ocultar");
    // The window hidden under the held button, as the About dialog does when a key opens it.
    QTest::newRow("window hidden") << true;
    // The release reaching another widget (a modal window, a grab elsewhere).
    QTest::newRow("released elsewhere") << false;
}

// A hold lasts only while the button is held over a shown spin: once the window is hidden
// or the mouse button comes up elsewhere, no more clicks come, however long one waits.
void TstForm1Selector::held_endsWhenHiddenOrReleasedElsewhere()
{
    QFETCH(bool, ocultar);
    SpinButton *unidades = giro(3);
    QTimer *const reloj = repeticion(unidades);
    QSignalSpy subidas(unidades, &SpinButton::upClick);
    QTest::mousePress(unidades, Qt::LeftButton, {}, arriba());
    tic(unidades);
    QCOMPARE(subidas.size(), 1);
    if (ocultar)
        ventana->hide();
    else
        QTest::mouseRelease(ventana->findChild<QWidget *>(QStringLiteral("StaticText1")), Qt::LeftButton);
    const qsizetype hechas = subidas.size();
    const QString digitos = mostrado();
    // Hidden, the hold ends at once; released elsewhere, at the next tick, which finds the button up.
    if (reloj->isActive())
        tic(unidades);
    QVERIFY(!reloj->isActive());
    if (ocultar) {
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        QTest::mouseRelease(unidades, Qt::LeftButton, {}, arriba());
    }
    QCOMPARE(subidas.size(), hechas);
    QCOMPARE(mostrado(), digitos);
    // The next press starts afresh.
    pulsar(3, true);
    QCOMPARE(subidas.size(), hechas + 1);
}

void TstForm1Selector::spinButtons_neverTakeFocus()
{
    auto *ir = ventana->findChild<QPushButton *>(QStringLiteral("Boton_Cunsultar_Articulo"));
    ir->setFocus();
    for (int columna = 1; columna <= 3; ++columna) {
        QCOMPARE(giro(columna)->focusPolicy(), Qt::NoFocus);
        pulsar(columna, true);
        QVERIFY(!giro(columna)->hasFocus());
    }
    QCOMPARE(QApplication::focusWidget(), ir);
}

PRUEBA_MAIN(TstForm1Selector)
#include "tst_form1_selector.moc"
