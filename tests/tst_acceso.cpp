// Keys local to widgets, the focus mark, and what a screen reader is told: Enter and Space on
// a tree node act as a click on it, Ctrl+1/2/3 in the statistics list as a click on a column
// heading (whose sort indicator follows), Tab reaches the About dialog's link labels and Enter
// or Space opens them; every control that takes the focus shows a 2-pixel frame with 3:1
// contrast; tree nodes show their whole heading as a tooltip; ColorMemo1 is named after the
// entry after every move, with the name-change event sent; picture-only buttons keep names.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "botonplano.h"
#include "comprobar.h"
#include "enlaces_abiertos.h"
#include "estado_lector.h"
#include "form1.h"
#include "forma_acerca.h"
#include "marco_foco.h"
#include "unidad_99.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QToolTip>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every accessibility event about ColorMemo1's name, recorded by the update handler.
QStringList nombresAnunciados;
QObject *vigilado = nullptr;

void registrar(QAccessibleEvent *evento)
{
    if (evento->type() == QAccessible::NameChanged && evento->object() && evento->object() == vigilado)
        nombresAnunciados << static_cast<QWidget *>(evento->object())->accessibleName();
}

QTreeWidgetItem *nodoConTexto(QTreeWidget *arbol, const QString &texto)
{
    const QList<QTreeWidgetItem *> hallados = arbol->findItems(texto, Qt::MatchExactly | Qt::MatchRecursive);
    return hallados.isEmpty() ? nullptr : hallados.first();
}

// The About dialog shown and active, the keyboard on its arrow button; null if it did not appear.
QPushButton *mostrarConFocoEnFlecha(Forma_Acerca &dialogo)
{
    dialogo.show();
    if (!QTest::qWaitForWindowExposed(&dialogo))
        return nullptr;
    QApplication::setActiveWindow(&dialogo);
    auto *const flecha = dialogo.findChild<QPushButton *>(QStringLiteral("Boton_Flecha"));
    if (flecha)
        flecha->setFocus(Qt::TabFocusReason);
    return flecha;
}

} // namespace

class TstAcceso : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void contraste_followsTheGuidelinesFormula_data();
    void contraste_followsTheGuidelinesFormula();
    void colorPara_choosesAWindowColourWithContrast_data();
    void colorPara_choosesAWindowColourWithContrast();
    void tree_enterOrSpaceActsAsAClickOnTheNode_data();
    void tree_enterOrSpaceActsAsAClickOnTheNode();
    void tree_nodesShowTheirWholeHeadingAsTooltip();
    void statistics_ctrlDigitSortsAsAHeadingClick_data();
    void statistics_ctrlDigitSortsAsAHeadingClick();
    void statistics_headingClickMovesTheSortIndicator();
    void about_tabReachesTheLinksAndEnterOrSpaceOpensThem_data();
    void about_tabReachesTheLinksAndEnterOrSpaceOpensThem();
    void focusMark_framesEveryControlWithContrast();
    void focusMark_framesTheAboutDialogsControls();
    void colorMemo1_namedAfterTheEntryAfterEveryMove_data();
    void colorMemo1_namedAfterTheEntryAfterEveryMove();
    void pictureButtons_keepTheirNamesThroughChanges();
    void hiddenIndex_tabNeverReachesIt();
    void tabBar_arrowsBrowseTheTabs();
    void textMenu_englishCaptionsDescribedInSpanish();

private:
    template <typename W = QWidget>
    W *hijo(const char *nombre) const
    {
        return ventana->findChild<W *>(QString::fromLatin1(nombre));
    }
    void elegirPagina(QWidget *pagina);
    // The frame drawn on `control` in `imagen` (a grab of its window): checks its width and
    // colour on the four sides and returns the lowest contrast against the pixels beside it.
    double medirMarco(const QImage &imagen, const QWidget *control, QString &detalle) const;

    EnlacesAbiertos enlaces;
    std::unique_ptr<Form1> ventana;
};

void TstAcceso::initTestCase()
{
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), &enlaces, "abrir");
    QAccessible::installUpdateHandler(registrar);
}

void TstAcceso::cleanupTestCase()
{
    QAccessible::installUpdateHandler(nullptr);
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
}

void TstAcceso::init()
{
    enlaces.abiertos.clear();
    nombresAnunciados.clear();
    ventana = std::make_unique<Form1>();
    vigilado = hijo("ColorMemo1");
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    QApplication::setActiveWindow(ventana.get());
}

void TstAcceso::cleanup()
{
    vigilado = nullptr;
    ventana.reset();
}

void TstAcceso::elegirPagina(QWidget *pagina)
{
    auto *const paginas = hijo<QTabWidget>("PageControl1");
    paginas->tabBar()->setFocus(Qt::TabFocusReason);
    while (paginas->currentWidget() != pagina)
        QTest::keyClick(paginas->tabBar(), Qt::Key_Right);
}

void TstAcceso::contraste_followsTheGuidelinesFormula_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("razon");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(128, 0, 0) << QColor(128, 0, 0) << 1.0;
    QTest::newRow("blue on white") << QColor(0, 0, 255) << QColor(Qt::white) << 8.59;
    QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(0, 0, 255) << 8.59;
    QTest::newRow("grey 118 on white") << QColor(118, 118, 118) << QColor(Qt::white) << 4.54;
}

void TstAcceso::contraste_followsTheGuidelinesFormula()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, razon);
    QVERIFY2(qAbs(MarcoFoco::contraste(a, b) - razon) < 0.01, qPrintable(QString::number(MarcoFoco::contraste(a, b))));
}

void TstAcceso::colorPara_choosesAWindowColourWithContrast_data()
{
    QTest::addColumn<QList<QColor>>("vecinos");
    QTest::addColumn<QColor>("color");
    const QColor cara(239, 239, 239);
    QTest::newRow("button on the face") << QList<QColor>{cara, cara} << QColor(0, 0, 255);
    QTest::newRow("sky blue text view") << QList<QColor>{QColor(166, 202, 240), cara} << QColor(0, 0, 255);
    // Blue is too close to the tree's selection; maroon stands out from all three.
    QTest::newRow("tree with its selection")
        << QList<QColor>{QColor(192, 220, 192), cara, QColor(49, 144, 204)} << QColor(128, 0, 0);
    QTest::newRow("blue caption strip") << QList<QColor>{QColor(0, 0, 255)} << QColor(255, 255, 255);
    QTest::newRow("maroon label") << QList<QColor>{QColor(128, 0, 0)} << QColor(255, 255, 255);
    // Nothing reaches 3:1 against both: the best of the worst.
    QTest::newRow("maroon inside the face") << QList<QColor>{QColor(128, 0, 0), cara} << QColor(0, 0, 0);
}

void TstAcceso::colorPara_choosesAWindowColourWithContrast()
{
    QFETCH(QList<QColor>, vecinos);
    QFETCH(QColor, color);
    QCOMPARE(MarcoFoco::colorPara(vecinos), color);
}

void TstAcceso::tree_enterOrSpaceActsAsAClickOnTheNode_data()
{
    QTest::addColumn<QString>("nodo");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("seleccion"); // the node selected afterwards
    const QString transitorias = QStringLiteral("DISPOSICIONES TRANSITORIAS ");
    const QString consejo = QStringLiteral("Capítulo V Del Consejo Federal de Gobierno");
    QTest::newRow("Return") << transitorias << int(Qt::Key_Return) << 0 << QStringLiteral("Primera.") << transitorias;
    QTest::newRow("keypad Enter") << consejo << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                  << QStringLiteral("Artículo 185") << consejo;
    QTest::newRow("Space") << consejo << int(Qt::Key_Space) << 0 << QStringLiteral("Artículo 185") << consejo;
    // A title opens at its first entry and the deepest division holding it is selected.
    QTest::newRow("Space on a title")
        << QStringLiteral("TÍTULO III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES") << int(Qt::Key_Space)
        << 0 << QStringLiteral("Artículo 19") << QStringLiteral("Capítulo I Disposiciones Generales");
    // Only Enter and Space: a modified Space or an arrow shows nothing.
    QTest::newRow("Ctrl+Space") << consejo << int(Qt::Key_Space) << int(Qt::ControlModifier)
                                << QStringLiteral("Preámbulo") << consejo;
    QTest::newRow("Down") << consejo << int(Qt::Key_Down) << 0 << QStringLiteral("Preámbulo")
                          << QStringLiteral("TÍTULO V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL");
}

void TstAcceso::tree_enterOrSpaceActsAsAClickOnTheNode()
{
    QFETCH(QString, nodo);
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(QString, rotulo);
    QFETCH(QString, seleccion);
    auto *const arbol = hijo<QTreeWidget>("TreeView1");
    QTreeWidgetItem *const item = nodoConTexto(arbol, nodo);
    QVERIFY2(item, qPrintable(nodo));
    arbol->setFocus(Qt::TabFocusReason);
    arbol->setCurrentItem(item); // as the arrow keys leave it: selected, nothing shown
    QCOMPARE(hijo<QLabel>("StaticText1")->text(), QStringLiteral("Preámbulo"));
    QTest::keyClick(arbol, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    QCOMPARE(hijo<QLabel>("StaticText1")->text(), rotulo);
    QVERIFY(arbol->currentItem());
    QCOMPARE(arbol->currentItem()->text(0), seleccion);
}

void TstAcceso::tree_nodesShowTheirWholeHeadingAsTooltip()
{
    // Every node, the long headings the pane cuts with "…" among them.
    auto *const arbol = hijo<QTreeWidget>("TreeView1");
    int vistos = 0;
    for (QTreeWidgetItemIterator it(arbol); *it; ++it) {
        QTreeWidgetItem *const item = *it;
        arbol->scrollToItem(item);
        const QRect fila = arbol->visualItemRect(item);
        QVERIFY(fila.isValid());
        QHelpEvent ayuda(QEvent::ToolTip, fila.center(), arbol->viewport()->mapToGlobal(fila.center()));
        QApplication::sendEvent(arbol->viewport(), &ayuda);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), item->text(0));
        QToolTip::hideText();
        ++vistos;
    }
    QCOMPARE(vistos, 77);
}

void TstAcceso::statistics_ctrlDigitSortsAsAHeadingClick_data()
{
    QTest::addColumn<QList<int>>("teclas"); // Qt::Key_1.. pressed with Ctrl, in turn
    QTest::addColumn<int>("columna");       // Columna_Orden and the indicator's section, -1 for none
    QTest::addColumn<int>("orden");
    QTest::addColumn<QString>("primera");
    QTest::addColumn<QString>("ultima");
    QTest::newRow("Ctrl+2: Artículos") << QList<int>{Qt::Key_2} << 1 << int(Qt::DescendingOrder)
                                       << QStringLiteral("Estado") << QString();
    QTest::newRow("Ctrl+3: Veces") << QList<int>{Qt::Key_3} << 2 << int(Qt::DescendingOrder)
                                   << QStringLiteral("República") << QString();
    QTest::newRow("Ctrl+3 then Ctrl+1: Palabra") << QList<int>{Qt::Key_3, Qt::Key_1} << 0 << int(Qt::AscendingOrder)
                                                 << QStringLiteral("Abandono") << QString();
    QTest::newRow("Ctrl+4: nothing") << QList<int>{Qt::Key_4} << -1 << int(Qt::AscendingOrder)
                                     << QStringLiteral("Abandono") << QStringLiteral("Zulia");
}

void TstAcceso::statistics_ctrlDigitSortsAsAHeadingClick()
{
    QFETCH(QList<int>, teclas);
    QFETCH(int, columna);
    QFETCH(int, orden);
    QFETCH(QString, primera);
    QFETCH(QString, ultima);
    elegirPagina(hijo("Tab_Estdisticas"));
    auto *const lista = hijo<QTableView>("ListView1");
    lista->setFocus(Qt::TabFocusReason);
    QCOMPARE(lista->horizontalHeader()->sortIndicatorSection(), -1);
    for (const int tecla : teclas)
        QTest::keyClick(lista, Qt::Key(tecla), Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), lista);
    if (columna >= 0)
        QCOMPARE(int(UnitM01::Columna_Orden), columna);
    QCOMPARE(lista->horizontalHeader()->sortIndicatorSection(), columna);
    if (columna >= 0)
        QCOMPARE(int(lista->horizontalHeader()->sortIndicatorOrder()), orden);
    const QAbstractItemModel *const modelo = lista->model();
    QCOMPARE(modelo->index(0, 0).data().toString(), primera);
    if (!ultima.isEmpty())
        QCOMPARE(modelo->index(modelo->rowCount() - 1, 0).data().toString(), ultima);
}

void TstAcceso::statistics_headingClickMovesTheSortIndicator()
{
    elegirPagina(hijo("Tab_Estdisticas"));
    QHeaderView *const cabecera = hijo<QTableView>("ListView1")->horizontalHeader();
    for (const int columna : {2, 2, 1, 0}) {
        const QPoint centro(cabecera->sectionViewportPosition(columna) + cabecera->sectionSize(columna) / 2,
                            cabecera->height() / 2);
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {}, centro);
        QCOMPARE(int(UnitM01::Columna_Orden), columna);
        QCOMPARE(cabecera->sortIndicatorSection(), columna);
        // Clicking the same heading again sorts the same way: the indicator does not flip.
        QCOMPARE(cabecera->sortIndicatorOrder(), columna == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
}

void TstAcceso::about_tabReachesTheLinksAndEnterOrSpaceOpensThem_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("enlace");
    QTest::addColumn<QString>("esquema");
    // The note comes first, in reading order, then the two links.
    QTest::newRow("mail, Enter") << 2 << int(Qt::Key_Return) << QStringLiteral("MyMailAddress")
                                 << QStringLiteral("mailto");
    QTest::newRow("mail, Space") << 2 << int(Qt::Key_Space) << QStringLiteral("MyMailAddress")
                                 << QStringLiteral("mailto");
    QTest::newRow("web, Enter") << 3 << int(Qt::Key_Return) << QStringLiteral("MyWebAddress")
                                << QStringLiteral("https");
    QTest::newRow("web, Space") << 3 << int(Qt::Key_Space) << QStringLiteral("MyWebAddress")
                                << QStringLiteral("https");
}

void TstAcceso::about_tabReachesTheLinksAndEnterOrSpaceOpensThem()
{
    QFETCH(int, tabs);
    QFETCH(int, tecla);
    QFETCH(QString, enlace);
    QFETCH(QString, esquema);
    Forma_Acerca dialogo;
    QPushButton *const flecha = mostrarConFocoEnFlecha(dialogo);
    QVERIFY(flecha);
    // Narrow, the links are hidden and Tab cannot reach them.
    QTest::keyClick(flecha, Qt::Key_Tab);
    QVERIFY(!qobject_cast<QLabel *>(QApplication::focusWidget()));
    flecha->setFocus(Qt::TabFocusReason);
    QTest::keyClick(flecha, Qt::Key_Space); // widens
    QVERIFY(dialogo.findChild<QWidget *>(QStringLiteral("Panel_Acerca_Der"))->isVisible());
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), enlace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(tecla));
    QCOMPARE(enlaces.abiertos.size(), 1);
    QCOMPARE(enlaces.abiertos.first().scheme(), esquema);
    // The key went to the link, not to the dialog's button: still open, still widened.
    QVERIFY(dialogo.isVisible());
    QCOMPARE(flecha->text(), QStringLiteral("Cerrar"));
    // Another key does nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    QCOMPARE(enlaces.abiertos.size(), 1);
    QTest::keyClick(flecha, Qt::Key_Space);
}

double TstAcceso::medirMarco(const QImage &imagen, const QWidget *control, QString &detalle) const
{
    const QRect r(control->mapTo(control->window(), QPoint()), control->size());
    const int g = 2; // the frame's width
    double menor = 21;
    // The middle of each side: two frame pixels, then the pixel inside and the pixel outside.
    const struct { QPoint borde; QPoint haciaDentro; } lados[] = {
        {QPoint(r.center().x(), r.top()), QPoint(0, 1)},
        {QPoint(r.center().x(), r.bottom()), QPoint(0, -1)},
        {QPoint(r.left(), r.center().y()), QPoint(1, 0)},
        {QPoint(r.right(), r.center().y()), QPoint(-1, 0)},
    };
    for (const auto &lado : lados) {
        const QColor marco = imagen.pixelColor(lado.borde);
        for (int k = 1; k < g; ++k)
            if (imagen.pixelColor(lado.borde + k * lado.haciaDentro) != marco)
                detalle += QStringLiteral(" frame narrower than %1 px;").arg(g);
        const QColor dentro = imagen.pixelColor(lado.borde + g * lado.haciaDentro);
        // Outside, the control's own surroundings count, not a neighbouring control.
        const QPoint afuera = lado.borde - lado.haciaDentro;
        const QWidget *const vecino = control->window()->childAt(afuera);
        double c = MarcoFoco::contraste(marco, dentro);
        if (imagen.rect().contains(afuera) && (!vecino || vecino->isAncestorOf(control)))
            c = qMin(c, MarcoFoco::contraste(marco, imagen.pixelColor(afuera)));
        menor = qMin(menor, c);
        detalle += QStringLiteral(" %1 %2/%3").arg(marco.name(), dentro.name()).arg(c, 0, 'f', 2);
    }
    return menor;
}

void TstAcceso::focusMark_framesEveryControlWithContrast()
{
    // Every control Tab reaches, on every page.
    int medidos = 0;
    for (const char *pagina : {"Pagina_Indice", "Pagina_Referencias", "Tab_Estdisticas"}) {
        elegirPagina(hijo(pagina));
        if (QString::fromLatin1(pagina) == QLatin1String("Pagina_Referencias")) {
            QTest::keyClicks(hijo("Edit1"), QStringLiteral("ab")); // the lists show
            QTest::keyClick(hijo("ListBox1"), Qt::Key_Down);
        }
        QWidget *const primero = hijo("Boton_Cunsultar_Articulo");
        primero->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 30; ++i) {
            QWidget *const control = QApplication::focusWidget();
            QVERIFY(control);
            QApplication::processEvents();
            const QImage imagen = ventana->grab().toImage();
            QString detalle;
            const double c = medirMarco(imagen, control, detalle);
            const QString nombre = qobject_cast<QTabBar *>(control) ? QStringLiteral("tabs") : control->objectName();
            QVERIFY2(!detalle.contains(QLatin1String("narrower")), qPrintable(nombre + detalle));
            QVERIFY2(c >= 3, qPrintable(nombre + detalle));
            ++medidos;
            QTest::keyClick(control, Qt::Key_Tab);
            if (QApplication::focusWidget() == primero)
                break;
        }
    }
    QVERIFY(medidos >= 3 * 8);
    // The frame leaves with the focus: nothing is drawn on a control without it.
    QWidget *const boton = hijo("Boton_Cunsultar_Articulo");
    boton->setFocus(Qt::TabFocusReason);
    hijo("TreeView1")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage imagen = ventana->grab().toImage();
    QString detalle;
    QVERIFY2(medirMarco(imagen, boton, detalle) < 3 || detalle.contains(QLatin1String("narrower")),
             qPrintable(detalle));
}

void TstAcceso::focusMark_framesTheAboutDialogsControls()
{
    Forma_Acerca dialogo;
    QPushButton *const flecha = mostrarConFocoEnFlecha(dialogo);
    QVERIFY(flecha);
    QTest::keyClick(flecha, Qt::Key_Space); // widens
    QStringList vistos;
    for (int i = 0; i < 6; ++i) {
        QWidget *const control = QApplication::focusWidget();
        QVERIFY(control);
        QApplication::processEvents();
        const QImage imagen = dialogo.grab().toImage();
        QString detalle;
        const double c = medirMarco(imagen, control, detalle);
        QVERIFY2(!detalle.contains(QLatin1String("narrower")) && c >= 3,
                 qPrintable(control->objectName() + detalle));
        vistos << control->objectName();
        QTest::keyClick(control, Qt::Key_Tab);
        if (QApplication::focusWidget() == flecha)
            break;
    }
    QVERIFY2(vistos.contains(QLatin1String("MyMailAddress")) && vistos.contains(QLatin1String("MyWebAddress")),
             qPrintable(vistos.join(QLatin1Char(' '))));
    QTest::keyClick(flecha, Qt::Key_Space);
}

void TstAcceso::colorMemo1_namedAfterTheEntryAfterEveryMove_data()
{
    QTest::addColumn<QString>("boton"); // pressed with Space after the selector shows `articulo`
    QTest::addColumn<int>("articulo");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("article 272, three headings")
        << QStringLiteral("Boton_Cunsultar_Articulo") << 272
        << QStringLiteral("Artículo 272, V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL, III Del Poder Judicial y "
                          "del Sistema de Justicia, Tercera: Del Gobierno y de la Administración del Poder Judicial");
    QTest::newRow("article 1, title only")
        << QStringLiteral("Boton_Cunsultar_Articulo") << 1 << QStringLiteral("Artículo 1, I PRINCIPIOS FUNDAMENTALES");
    QTest::newRow("preamble, same entry again")
        << QStringLiteral("Boton_Cunsultar_Articulo") << 0 << QStringLiteral("Preámbulo, PREÁMBULO");
    QTest::newRow("last entry") << QStringLiteral("Boton_Menu_Ultimo_") << -1
                                << QStringLiteral("Única., DISPOSICIÓN FINAL");
    QTest::newRow("next") << QStringLiteral("Boton_Menu_Siguiente_") << -1
                          << QStringLiteral("Artículo 1, I PRINCIPIOS FUNDAMENTALES");
}

void TstAcceso::colorMemo1_namedAfterTheEntryAfterEveryMove()
{
    QFETCH(QString, boton);
    QFETCH(int, articulo);
    QFETCH(QString, nombre);
    QWidget *const memo = hijo("ColorMemo1");
    QCOMPARE(memo->accessibleName(), QStringLiteral("Preámbulo, PREÁMBULO"));
    if (articulo >= 0) {
        UnitM01::Centenas = uint8_t(articulo / 100);
        UnitM01::Decenas = uint8_t(articulo / 10 % 10);
        UnitM01::Unidades = uint8_t(articulo % 10);
    }
    nombresAnunciados.clear();
    QTest::keyClick(ventana->findChild<QWidget *>(boton), Qt::Key_Space);
    QCOMPARE(memo->accessibleName(), nombre);
    QAccessibleInterface *const interfaz = QAccessible::queryAccessibleInterface(memo);
    QVERIFY(interfaz);
    QCOMPARE(interfaz->text(QAccessible::Name), nombre);
    // Announced once per move, even when the name did not change. Qt delivers accessibility
    // events only while a screen reader bridge is active, which the offscreen platform has not.
    if (QAccessible::isActive())
        QCOMPARE(nombresAnunciados, QStringList{nombre});
    else
        qInfo("no screen reader bridge active: the name-change event is not delivered here");
}

void TstAcceso::pictureButtons_keepTheirNamesThroughChanges()
{
    // Every button of the window that shows a picture and no caption, and the spin buttons.
    QList<QWidget *> botones;
    for (BotonPlano *b : ventana->findChildren<BotonPlano *>())
        if (b->text().isEmpty())
            botones << b;
    for (const char *giro : {"SpinButton1", "SpinButton2", "SpinButton3"})
        botones << hijo(giro);
    QCOMPARE(botones.size(), 7 + 3);
    const auto comprobar = [&](const char *cuando) {
        for (QWidget *b : botones) {
            QAccessibleInterface *const interfaz = QAccessible::queryAccessibleInterface(b);
            QVERIFY(interfaz);
            const QString nombre = interfaz->text(QAccessible::Name);
            QVERIFY2(!nombre.isEmpty(), qPrintable(b->objectName() + QLatin1Char(' ') + QLatin1String(cuando)));
            // The hint, where there is one, is the name.
            if (!b->toolTip().isEmpty())
                QCOMPARE(nombre, b->toolTip());
        }
    };
    COMPROBAR(comprobar("at start"));
    QTest::keyClick(hijo("Boton_Menu_Ultimo_"), Qt::Key_Space); // last two disabled
    COMPROBAR(comprobar("on the last entry"));
    QTest::keyClick(hijo("Boton_Menu_Indice_"), Qt::Key_Space); // index hidden: the hint changes
    QCOMPARE(hijo("Boton_Menu_Indice_")->accessibleName(), QStringLiteral("Mostrar el índice izquierdo"));
    COMPROBAR(comprobar("with the index hidden"));
    QTest::keyClick(hijo("Boton_Menu_Indice_"), Qt::Key_Space);
    COMPROBAR(comprobar("with the index shown again"));
    QCOMPARE(hijo("SpinButton2")->accessibleName(), QStringLiteral("Decenas del artículo"));
}

// With the index hidden, Tab and Shift+Tab go round the window without entering it; shown
// again, Tab reaches it as before.
void TstAcceso::hiddenIndex_tabNeverReachesIt()
{
    auto *const boton = hijo<QPushButton>("Boton_Menu_Indice_");
    QWidget *const indice = hijo("PageControl1");
    boton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(boton, Qt::Key_Space);
    for (const Qt::KeyboardModifiers sentido : {Qt::NoModifier, Qt::ShiftModifier}) {
        boton->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, sentido);
            QWidget *const foco = QApplication::focusWidget();
            QVERIFY2(foco != indice && !indice->isAncestorOf(foco), qPrintable(foco->objectName()));
        }
    }
    boton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(boton, Qt::Key_Space);
    bool alcanzado = false;
    for (int i = 0; i < 30 && !alcanzado; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        alcanzado = indice->isAncestorOf(QApplication::focusWidget());
    }
    QVERIFY(alcanzado);
}

// Left and Right on the tab bar change the page and leave the keyboard on the tabs, the
// "Referencias" page included (Ctrl+Tab from inside a page is the way into its box).
void TstAcceso::tabBar_arrowsBrowseTheTabs()
{
    auto *const paginas = hijo<QTabWidget>("PageControl1");
    QTabBar *const pestanas = paginas->tabBar();
    pestanas->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key tecla;
        int pagina;
    } pasos[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1}, {Qt::Key_Left, 0}};
    for (const auto &p : pasos) {
        QTest::keyClick(QApplication::focusWidget(), p.tecla);
        QCOMPARE(paginas->currentIndex(), p.pagina);
        QCOMPARE(QApplication::focusWidget(), pestanas);
    }
    // From inside the index page, Ctrl+Tab still takes the keyboard into the "Referencias" box.
    hijo("TreeView1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(paginas->currentIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), hijo("Edit1"));
}

void TstAcceso::textMenu_englishCaptionsDescribedInSpanish()
{
    // A right click on the text opens its menu, as the reader meets it.
    auto *const memo = hijo<QTextEdit>("ColorMemo1");
    const QPoint donde = memo->viewport()->rect().center();
    QContextMenuEvent evento(QContextMenuEvent::Mouse, donde, memo->viewport()->mapToGlobal(donde));
    QApplication::sendEvent(memo->viewport(), &evento);
    auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAccessibleInterface *const lista = QAccessible::queryAccessibleInterface(menu);
    QVERIFY(lista);
    QStringList nombres;
    QStringList descripciones;
    for (int i = 0; i < 7; ++i) {
        QAccessibleInterface *const entrada = lista->child(i);
        QVERIFY(entrada);
        if (entrada->role() == QAccessible::Separator)
            continue;
        QCOMPARE(entrada->role(), QAccessible::MenuItem);
        nombres << entrada->text(QAccessible::Name);
        descripciones << entrada->text(QAccessible::Description);
    }
    QCOMPARE(nombres, (QStringList{u"View"_s, u"Cut"_s, u"Copy"_s, u"Paste"_s, u"Find"_s}));
    QCOMPARE(descripciones, (QStringList{u"Ver: una copia de solo lectura del texto, en una ventana (F2)"_s,
                                         u"Cortar: no disponible, el texto es de solo lectura"_s,
                                         u"Copiar la selección"_s,
                                         u"Pegar: no disponible, el texto es de solo lectura"_s,
                                         u"Buscar en el texto, hacia adelante"_s}));
    // "Cut" is as disabled for a screen reader as on screen; "View" is pressed as a click.
    QVERIFY(lista->child(2)->state().disabled);
    QVERIFY(!lista->child(0)->state().disabled);
    QVERIFY(lista->child(0)->actionInterface());
    QCOMPARE(lista->child(0)->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    menu->close();
}

PRUEBA_MAIN(TstAcceso)
#include "tst_acceso.moc"
