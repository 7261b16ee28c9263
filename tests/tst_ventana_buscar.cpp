// The whole-text search through the real windows: Ctrl+F, typing into the search window's
// text box, Down and Enter on a result, F3 and Shift+F3 across entries, F3 over the
// concordance word, and the window's text kept while it is closed.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "busqueda_global.h"
#include "comprobar.h"
#include "form1.h"
#include "richtextview.h"
#include "teclear.h"
#include "unitm01.h"
#include "ventanabuscar.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

using namespace Qt::StringLiterals;

class TstVentanaBuscar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ctrlF_opensWindowBesideMainWindow();
    void typing_updatesCount_data();
    void typing_updatesCount();
    void enterOnRow_showsEntryWithExactlyItsHits();
    void clickOnRow_showsThatEntry();
    void enterOnRow_marksHitsAtTheEntrysEnds_data();
    void enterOnRow_marksHitsAtTheEntrysEnds();
    void enterInTextBox_showsMarkedRowOrFirst();
    void f3_stepsHitsAcrossEntriesAndWraps();
    void shiftF3_stepsBack();
    void f3_inSearchWindow_stepsToo();
    void f3_withoutResults_stepsConcordanceEntries();
    void closeAndReopen_keepsTextAndResults();
    void pastedMegabyte_givesNoResults();

private:
    VentanaBuscar *abrir() const;
    void buscar(const QString &consulta) const;
    void activarPrincipal() const
    {
        ventana->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), ventana.get());
    }
    QLineEdit *texto() const { return buscador()->findChild<QLineEdit *>(u"Texto_Buscar"_s); }
    QLabel *cuenta() const { return buscador()->findChild<QLabel *>(u"Cuenta_Buscar"_s); }
    QTableView *lista() const { return buscador()->findChild<QTableView *>(u"Lista_Resultados"_s); }
    VentanaBuscar *buscador() const { return ventana->findChild<VentanaBuscar *>(u"VentanaBuscar"_s); }
    RichTextView *memo() const { return ventana->findChild<RichTextView *>(u"ColorMemo1"_s); }
    // Runs of text that are bold or have a background, merged where they touch.
    QList<Tramo> marcados() const;
    QPair<int, int> seleccion() const
    {
        const QTextCursor c = memo()->textCursor();
        return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
    }
    void verificarEnCoincidencia(const Resultado_Busqueda &r, int tramo) const;

    std::unique_ptr<Form1> ventana;
};

void TstVentanaBuscar::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
}

void TstVentanaBuscar::cleanup()
{
    ventana.reset();
}

VentanaBuscar *TstVentanaBuscar::abrir() const
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : ventana.get(), Qt::Key_F,
                    Qt::ControlModifier);
    VentanaBuscar *const b = buscador();
    if (!b)
        return nullptr;
    // A dialog counts as active with its parent; wait for it to be the active window itself.
    if (!QTest::qWaitFor([b] { return QApplication::activeWindow() == b; }))
        return nullptr;
    return b;
}

void TstVentanaBuscar::buscar(const QString &consulta) const
{
    QVERIFY(abrir());
    QVERIFY(texto()->hasFocus());
    teclear(texto(), consulta);
    QCOMPARE(texto()->text(), consulta);
}

QList<Tramo> TstVentanaBuscar::marcados() const
{
    QList<Tramo> r;
    for (QTextBlock b = memo()->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat fmt = f.charFormat();
            const bool negrita = fmt.fontWeight() == QFont::Bold;
            const bool fondo = fmt.background().style() != Qt::NoBrush;
            if (!negrita && !fondo)
                continue;
            // Every marked character is bold on yellow.
            if (!negrita || fmt.background().color() != QColor(255, 255, 0))
                return {{-1, -1}};
            if (!r.isEmpty() && r.last().inicio + r.last().largo == f.position())
                r.last().largo += f.length();
            else
                r.append({f.position(), f.length()});
        }
    }
    return r;
}

void TstVentanaBuscar::verificarEnCoincidencia(const Resultado_Busqueda &r, int tramo) const
{
    QCOMPARE(UnitM01::Articulo_Actual, r.entrada);
    QCOMPARE(marcados(), r.tramos);
    QCOMPARE(seleccion(), qMakePair(r.tramos[tramo].inicio, r.tramos[tramo].largo));
}

void TstVentanaBuscar::ctrlF_opensWindowBesideMainWindow()
{
    QVERIFY(!buscador()); // nothing is made before the first use
    memo()->setFocus();
    VentanaBuscar *const b = abrir();
    QVERIFY(b);
    QVERIFY(b->isVisible());
    QVERIFY(!b->isModal());
    QCOMPARE(b->windowTitle(), u"Buscar en la Constitución"_s);
    QVERIFY(texto()->hasFocus());
    QVERIFY(cuenta()->text().isEmpty());
    QCOMPARE(lista()->model()->rowCount(), 0);
    // Beside the main window, at its height, on the screen.
    QCOMPARE(b->frameGeometry().top(), ventana->frameGeometry().top());
    QVERIFY(b->screen()->availableGeometry().contains(b->frameGeometry()));
}

void TstVentanaBuscar::typing_updatesCount_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QString>("esperada");
    QTest::addColumn<int>("filas");
    QTest::newRow("plural") << u"derechos humanos"_s << u"38 coincidencias en 24 entradas"_s << 24;
    QTest::newRow("singular") << u"bilingüe"_s << u"1 coincidencia en 1 entrada"_s << 1;
    QTest::newRow("none") << u"nino"_s << u"Sin coincidencias"_s << 0;
    QTest::newRow("no letter or digit") << u"., ;"_s << QString() << 0;
    // Typed in capitals, with or without the accent: "podrá", "Ética" and "ética", "política",
    // "órgano", "Única" and "única", "bilingüe"; "ñ" is not "n".
    QTest::newRow("PODRA finds podrá") << u"PODRA"_s << u"144 coincidencias en 103 entradas"_s << 103;
    QTest::newRow("ETICA finds Ética") << u"ETICA"_s << u"5 coincidencias en 5 entradas"_s << 5;
    QTest::newRow("ÉTICA") << u"ÉTICA"_s << u"5 coincidencias en 5 entradas"_s << 5;
    QTest::newRow("POLÍTICA") << u"POLÍTICA"_s << u"63 coincidencias en 40 entradas"_s << 40;
    QTest::newRow("ORGANO finds órgano") << u"ORGANO"_s << u"62 coincidencias en 46 entradas"_s << 46;
    QTest::newRow("ÚNICA finds Única") << u"ÚNICA"_s << u"3 coincidencias en 3 entradas"_s << 3;
    QTest::newRow("BILINGÜE") << u"BILINGÜE"_s << u"1 coincidencia en 1 entrada"_s << 1;
    QTest::newRow("BILINGUE") << u"BILINGUE"_s << u"1 coincidencia en 1 entrada"_s << 1;
    QTest::newRow("AÑO") << u"AÑO"_s << u"62 coincidencias en 40 entradas"_s << 40;
    QTest::newRow("ANO is not AÑO") << u"ANO"_s << u"2 coincidencias en 2 entradas"_s << 2;
}

void TstVentanaBuscar::typing_updatesCount()
{
    QFETCH(QString, consulta);
    QFETCH(QString, esperada);
    QFETCH(int, filas);
    COMPROBAR(buscar(consulta));
    QCOMPARE(cuenta()->text(), esperada);
    QCOMPARE(lista()->model()->rowCount(), filas);
    // Deleting every character empties the list and the count again.
    for (qsizetype i = 0; i < consulta.size(); ++i)
        QTest::keyClick(texto(), Qt::Key_Backspace);
    QVERIFY(cuenta()->text().isEmpty());
    QCOMPARE(lista()->model()->rowCount(), 0);
}

void TstVentanaBuscar::enterInTextBox_showsMarkedRowOrFirst()
{
    COMPROBAR(buscar(u"derechos humanos"_s));
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QVERIFY(r.size() > 3);
    QVERIFY(texto()->hasFocus());
    QTest::keyClick(texto(), Qt::Key_Return);
    COMPROBAR(verificarEnCoincidencia(r[0], 0));
    QVERIFY(buscador()->isVisible());
    // Down twice in the list, back to the box: Enter there opens the row marked.
    QTest::keyClick(texto(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Down);
    texto()->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(texto(), Qt::Key_Enter);
    COMPROBAR(verificarEnCoincidencia(r[2], 0));
    // A query without results: Enter does nothing.
    const int antes = UnitM01::Articulo_Actual;
    COMPROBAR(buscar(u"nino"_s));
    QTest::keyClick(texto(), Qt::Key_Return);
    QCOMPARE(UnitM01::Articulo_Actual, antes);
}

void TstVentanaBuscar::enterOnRow_showsEntryWithExactlyItsHits()
{
    COMPROBAR(buscar(u"derechos humanos"_s));
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QVERIFY(r.size() > 3);
    QTest::keyClick(texto(), Qt::Key_Down);
    QVERIFY(lista()->hasFocus());
    QCOMPARE(lista()->currentIndex().row(), 0);
    QTest::keyClick(lista(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Return);
    COMPROBAR(verificarEnCoincidencia(r[2], 0));
    QCOMPARE(lista()->model()->index(2, 0).data(Qt::UserRole).toInt(), r[2].entrada);
    QCOMPARE(ventana->findChild<QLabel *>(u"StaticText1"_s)->text(),
             lista()->model()->index(2, 0).data().toString());
    // The highlight belongs to that display only.
    QTest::keyClick(ventana.get(), Qt::Key_F3); // within or past the entry
    ventana->Mover_A_Entrada(UnitM01::Articulo_Actual);
    QVERIFY(marcados().isEmpty());
}

void TstVentanaBuscar::clickOnRow_showsThatEntry()
{
    COMPROBAR(buscar(u"república bolivariana"_s));
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QVERIFY(r.size() > 4);
    const QModelIndex i = lista()->model()->index(4, 2);
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, lista()->visualRect(i).center());
    COMPROBAR(verificarEnCoincidencia(r[4], 0));
    // On screen too, although the selected hit is in a window without the focus.
    const QImage imagen = memo()->viewport()->grab().toImage();
    int amarillos = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            amarillos += QColor(imagen.pixel(x, y)) == QColor(255, 255, 0);
    QVERIFY(!memo()->hasFocus());
    QVERIFY(amarillos > 100);
}

void TstVentanaBuscar::enterOnRow_marksHitsAtTheEntrysEnds_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QList<Tramo>>("golpes");
    QTest::newRow("the preamble's last word") << u"constitucion"_s << 0 << 1 << QList<Tramo>{{1425, 12}};
    QTest::newRow("the preamble's first words") << u"el pueblo de venezuela"_s << 0 << 1 << QList<Tramo>{{0, 22}};
    QTest::newRow("the derogatory provision's first word") << u"única"_s << 1 << 352 << QList<Tramo>{{0, 5}};
    QTest::newRow("the final provision's first word") << u"única"_s << 2 << 371 << QList<Tramo>{{0, 5}};
}

// A hit that starts at an entry's first character or ends at its last one shows bold on
// yellow like any other, and is selected.
void TstVentanaBuscar::enterOnRow_marksHitsAtTheEntrysEnds()
{
    QFETCH(QString, consulta);
    QFETCH(int, fila);
    QFETCH(int, entrada);
    QFETCH(QList<Tramo>, golpes);
    COMPROBAR(buscar(consulta));
    QTest::keyClick(texto(), Qt::Key_Down);
    for (int i = 0; i < fila; ++i)
        QTest::keyClick(lista(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Return);
    QCOMPARE(UnitM01::Articulo_Actual, entrada);
    QCOMPARE(marcados(), golpes);
    QCOMPARE(seleccion(), qMakePair(golpes[0].inicio, golpes[0].largo));
}

void TstVentanaBuscar::f3_stepsHitsAcrossEntriesAndWraps()
{
    // Entries with 2, 1, 1, 1 hits.
    buscar(u"derechos humanos y"_s);
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QVERIFY(r.size() >= 3);
    QCOMPARE(r[0].tramos.size(), 2);
    QTest::keyClick(texto(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Enter);
    verificarEnCoincidencia(r[0], 0);
    activarPrincipal();
    QTest::keyClick(memo(), Qt::Key_F3);
    verificarEnCoincidencia(r[0], 1);
    QTest::keyClick(memo(), Qt::Key_F3);
    verificarEnCoincidencia(r[1], 0);
    QCOMPARE(lista()->currentIndex().row(), 1);
    for (qsizetype f = 2; f < r.size(); ++f)
        QTest::keyClick(memo(), Qt::Key_F3);
    verificarEnCoincidencia(r.last(), int(r.last().tramos.size()) - 1);
    QTest::keyClick(memo(), Qt::Key_F3);
    verificarEnCoincidencia(r[0], 0);
}

void TstVentanaBuscar::shiftF3_stepsBack()
{
    buscar(u"derechos humanos y"_s);
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QTest::keyClick(texto(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Return);
    verificarEnCoincidencia(r[1], 0);
    activarPrincipal();
    QTest::keyClick(memo(), Qt::Key_F3, Qt::ShiftModifier);
    verificarEnCoincidencia(r[0], 1);
    QTest::keyClick(memo(), Qt::Key_F3, Qt::ShiftModifier);
    verificarEnCoincidencia(r[0], 0);
    QTest::keyClick(memo(), Qt::Key_F3, Qt::ShiftModifier);
    verificarEnCoincidencia(r.last(), int(r.last().tramos.size()) - 1);
}

void TstVentanaBuscar::f3_inSearchWindow_stepsToo()
{
    buscar(u"organo"_s);
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QTest::keyClick(texto(), Qt::Key_F3);
    verificarEnCoincidencia(r[0], 0);
    QTest::keyClick(texto(), Qt::Key_F3);
    verificarEnCoincidencia(r[0], 1);
    QTest::keyClick(texto(), Qt::Key_F3, Qt::ShiftModifier);
    verificarEnCoincidencia(r[0], 0);
}

void TstVentanaBuscar::f3_withoutResults_stepsConcordanceEntries()
{
    // Open the search window with nothing in it: F3 belongs to the concordance.
    QVERIFY(abrir());
    buscador()->close();
    activarPrincipal();
    QTabWidget *const paginas = ventana->findChild<QTabWidget *>(u"PageControl1"_s);
    QTest::mouseClick(paginas->tabBar(), Qt::LeftButton, {}, paginas->tabBar()->tabRect(1).center());
    teclear(ventana->findChild<QLineEdit *>(u"Edit1"_s), u"abierto"_s);
    auto *const palabras = ventana->findChild<QListWidget *>(u"ListBox1"_s);
    const QListWidgetItem *const abierto = palabras->findItems(u"Abierto"_s, Qt::MatchExactly).value(0);
    QVERIFY(abierto);
    QTest::mouseClick(palabras->viewport(), Qt::LeftButton, {}, palabras->visualItemRect(abierto).center());
    auto *const numeros = ventana->findChild<QListWidget *>(u"ListBox2"_s);
    QCOMPARE(numeros->count(), 2); // "70" and "272"

    const auto enEntrada = [&](int entrada, const char *numero) {
        QCOMPARE(UnitM01::Articulo_Actual, entrada);
        QCOMPARE(numeros->currentItem()->text(), QString::fromLatin1(numero));
        const QList<Tramo> m = marcados();
        QVERIFY(!m.isEmpty());
        for (const Tramo &t : m)
            QCOMPARE(memo()->textoDocumento().mid(t.inicio, t.largo).toLower(), u"abierto"_s);
    };
    QTest::keyClick(palabras, Qt::Key_F3);
    enEntrada(71, "70");
    QTest::keyClick(palabras, Qt::Key_F3);
    enEntrada(273, "272");
    QTest::keyClick(palabras, Qt::Key_F3);
    enEntrada(71, "70");
    QTest::keyClick(palabras, Qt::Key_F3, Qt::ShiftModifier);
    enEntrada(273, "272");
}

void TstVentanaBuscar::closeAndReopen_keepsTextAndResults()
{
    COMPROBAR(buscar(u"organo"_s));
    const QString antes = cuenta()->text();
    const int filas = lista()->model()->rowCount();
    QTest::keyClick(texto(), Qt::Key_Escape);
    QVERIFY(!buscador()->isVisible());
    COMPROBAR(activarPrincipal());
    VentanaBuscar *const b = buscador();
    QVERIFY(abrir() == b); // the same window, not a new one
    QCOMPARE(texto()->text(), u"organo"_s);
    QCOMPARE(texto()->selectedText(), u"organo"_s); // typing replaces it
    QCOMPARE(cuenta()->text(), antes);
    QCOMPARE(lista()->model()->rowCount(), filas);
}

void TstVentanaBuscar::pastedMegabyte_givesNoResults()
{
    QVERIFY(abrir());
    QApplication::clipboard()->setText(u"derechos humanos "_s.repeated((1 << 20) / 17));
    QTest::keyClick(texto(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(texto()->text().startsWith(u"derechos humanos derechos"_s));
    QCOMPARE(cuenta()->text(), u"Sin coincidencias"_s);
    QCOMPARE(lista()->model()->rowCount(), 0);
    // Control characters pasted in the middle of a word.
    texto()->clear();
    QApplication::clipboard()->setText(u"dere\x01\x02chos"_s);
    QTest::keyClick(texto(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cuenta()->text(), u"Sin coincidencias"_s);
}

PRUEBA_MAIN(TstVentanaBuscar)
#include "tst_ventana_buscar.moc"
