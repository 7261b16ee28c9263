// Keyboard use of the main window: Tab visits every control in reading order, the
// push buttons work with Space and Enter, and buttons that show only a picture carry
// an accessible name.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "casos_botones.h"
#include "estado_lector.h"
#include "form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

class TstTeclado : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tab_visitsEveryControlInReadingOrder_data();
    void tab_visitsEveryControlInReadingOrder();
    void shiftTab_goesBackTheSameWay();
    void menuButtons_workWithSpaceAndEnter_data();
    void menuButtons_workWithSpaceAndEnter();
    void pictureButtons_haveAccessibleNames_data() { casosBotonesMenu(); }
    void pictureButtons_haveAccessibleNames();

private:
    template <typename W = QWidget>
    W *hijo(const QString &nombre) const
    {
        return ventana->findChild<W *>(nombre);
    }
    // Object names of the widgets that take the focus, pressing Tab once per step from
    // the first control until the focus comes back to it.
    QStringList recorrido(Qt::Key tecla) const;

    std::unique_ptr<Form1> ventana;
};

void TstTeclado::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    QApplication::setActiveWindow(ventana.get());
}

void TstTeclado::cleanup()
{
    ventana.reset();
}

QStringList TstTeclado::recorrido(Qt::Key tecla) const
{
    QWidget *const primero = ventana->findChild<QWidget *>(QStringLiteral("Boton_Cunsultar_Articulo"));
    primero->setFocus(Qt::TabFocusReason);
    QStringList nombres{primero->objectName()};
    for (int i = 0; i < 40; ++i) {
        QWidget *const foco = QApplication::focusWidget();
        QTest::keyClick(foco, tecla, tecla == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget *const ahora = QApplication::focusWidget();
        if (!ahora || ahora == primero)
            break;
        // The tab strip is named after the page control that holds it.
        nombres.append(qobject_cast<QTabBar *>(ahora) ? ahora->parentWidget()->objectName() + QStringLiteral("/tabs")
                                                      : ahora->objectName());
    }
    return nombres;
}

void TstTeclado::tab_visitsEveryControlInReadingOrder_data()
{
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QStringList>("orden");
    // Top band left to right (the spin buttons never take the focus; the first two
    // stepping buttons are disabled on the preamble), then the tabs, the page in front,
    // and the text.
    const QStringList banda = {QStringLiteral("Boton_Cunsultar_Articulo"), QStringLiteral("Boton_Menu_Siguiente_"),
                               QStringLiteral("Boton_Menu_Ultimo_"),       QStringLiteral("Boton_Menu_Indice_"),
                               QStringLiteral("Boton_Menu_Acerca_"),       QStringLiteral("Boton_Menu_Cerrar_"),
                               QStringLiteral("PageControl1/tabs")};
    // The depth buttons are a radio group: Tab stops at the one that is down.
    QTest::newRow("index page") << QStringLiteral("Pagina_Indice")
                                << banda + QStringList{QStringLiteral("TreeView1"), QStringLiteral("Boton_0"),
                                                       QStringLiteral("ColorMemo1")};
    QTest::newRow("cross-reference page") << QStringLiteral("Pagina_Referencias")
                                          << banda + QStringList{QStringLiteral("Edit1"), QStringLiteral("ColorMemo1")};
    QTest::newRow("statistics page") << QStringLiteral("Tab_Estdisticas")
                                     << banda + QStringList{QStringLiteral("ListView1"), QStringLiteral("ColorMemo1")};
}

void TstTeclado::tab_visitsEveryControlInReadingOrder()
{
    QFETCH(QString, pagina);
    QFETCH(QStringList, orden);
    auto *const paginas = hijo<QTabWidget>(QStringLiteral("PageControl1"));
    QTest::mouseClick(paginas->tabBar(), Qt::LeftButton, {},
                      paginas->tabBar()->tabRect(paginas->indexOf(hijo(pagina))).center());
    QCOMPARE(paginas->currentWidget()->objectName(), pagina);
    QCOMPARE(recorrido(Qt::Key_Tab), orden);
}

void TstTeclado::shiftTab_goesBackTheSameWay()
{
    const QStringList adelante = recorrido(Qt::Key_Tab);
    QStringList atras = recorrido(Qt::Key_Backtab);
    std::reverse(atras.begin() + 1, atras.end());
    QCOMPARE(atras, adelante);
}

void TstTeclado::menuButtons_workWithSpaceAndEnter_data()
{
    QTest::addColumn<QString>("boton");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("hasta");
    for (const auto &[nombre, tecla] : {std::pair{"Space", Qt::Key_Space}, std::pair{"Return", Qt::Key_Return},
                                        std::pair{"Enter", Qt::Key_Enter}}) {
        QTest::addRow("next with %s", nombre) << QStringLiteral("Boton_Menu_Siguiente_") << int(tecla) << 1 << 2;
        QTest::addRow("previous with %s", nombre) << QStringLiteral("Boton_Menu_Anterior_") << int(tecla) << 40 << 39;
        QTest::addRow("first with %s", nombre) << QStringLiteral("Boton_Menu_Primero_") << int(tecla) << 40 << 1;
        QTest::addRow("last with %s", nombre) << QStringLiteral("Boton_Menu_Ultimo_") << int(tecla) << 40 << 371;
        QTest::addRow("go with %s", nombre) << QStringLiteral("Boton_Cunsultar_Articulo") << int(tecla) << 40 << 1;
    }
}

void TstTeclado::menuButtons_workWithSpaceAndEnter()
{
    QFETCH(QString, boton);
    QFETCH(int, tecla);
    QFETCH(int, desde);
    QFETCH(int, hasta);
    ventana->Mover_A_Entrada(desde);
    auto *const b = hijo<QAbstractButton>(boton);
    b->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), b);
    QTest::keyClick(b, Qt::Key(tecla));
    QCOMPARE(UnitM01::Articulo_Actual, hasta);
}

void TstTeclado::pictureButtons_haveAccessibleNames()
{
    QFETCH(QString, nombre);
    QFETCH(QString, pista);
    auto *const b = hijo<QAbstractButton>(nombre);
    QVERIFY(b->text().isEmpty()); // a picture, no caption
    QAccessibleInterface *const interfaz = QAccessible::queryAccessibleInterface(b);
    QVERIFY(interfaz);
    QCOMPARE(interfaz->role(), QAccessible::Button);
    QCOMPARE(interfaz->text(QAccessible::Name), pista);
}

PRUEBA_MAIN(TstTeclado)
#include "tst_teclado.moc"
