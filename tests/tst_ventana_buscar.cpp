// The whole-text search through the real windows: Ctrl+F, typing into the search window's
// text box, Down and Enter on a result, F3 and Shift+F3 across entries, F3 over the
// concordance word, and the window's text kept while it is closed.
#include "anuncio_coincidencia.h"
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "busqueda_global.h"
#include "comprobar.h"
#include "estado_lector.h"
#include "form1.h"
#include "richtextview.h"
#include "teclear.h"
#include "ventana_buscar.h"

#include <QAccessible>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAbstractTextDocumentLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QHelpEvent>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor Amarillo(255, 255, 0);
const QColor NaranjaOscuro(255, 140, 0);

// How many pixels of that colour the view shows.
int pixeles(const QImage &imagen, const QColor &color)
{
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            n += QColor(imagen.pixel(x, y)) == color;
    return n;
}

QImage vista(const RichTextView *memo)
{
    return memo->viewport()->grab().toImage();
}

int pixeles(const RichTextView *memo, const QColor &color)
{
    return pixeles(vista(memo), color);
}

} // namespace

class TstVentanaBuscar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ctrlF_opensWindowBesideMainWindow();
    void hitAnnouncement_placeEntryAndLine();
    void ctrlF_rightAfterFirstFrame_staysClearWhenTheMainWindowIsPlaced();
    void typing_updatesCount_data();
    void typing_updatesCount();
    void enterOnRow_showsEntryWithExactlyItsHits();
    void clickOnRow_showsThatEntry();
    void enterOnRow_marksHitsAtTheEntrysEnds_data();
    void enterOnRow_marksHitsAtTheEntrysEnds();
    void enterInTextBox_showsMarkedRowOrFirst();
    void f3_stepsHitsAcrossEntriesAndWraps();
    void shiftF3_stepsBack();
    void preview_startsWithAWholeLineAndShowsTheHit();
    void f3_inSearchWindow_stepsToo();
    void f3_withoutResults_stepsConcordanceEntries();
    void closeAndReopen_keepsTextAndResults();
    void pastedMegabyte_givesNoResults();
    void f3_countsFromTheEntryOnScreen();
    void f3_currentHitSeenWithoutFocus();
    void f3_queryWithoutWords_stepsNowhere();
    void rows_nameProvisionsFullyAndMarkAmendments();
    void amendedArticle_showsNoteOnlyThere();
    void resultsTooltip_onTheEntryColumnOfAmendedRowsOnly();
    void copyWithCitation_copiesOnlyWhatIsSeen();
    void f3_wordsApart_everyHitInTextOrder();
    void suggestion_takenByItsKey_data();
    void suggestion_takenByItsKey();
    void suggestion_takenByAClick();
    void headings_orderByHitsOrEntryKeepingF3InTextOrder();

private:
    VentanaBuscar *abrir() const;
    void buscar(const QString &consulta) const;
    void activarPrincipal() const
    {
        ventana->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), ventana.get());
    }
    QLineEdit *texto() const { return buscador()->findChild<QLineEdit *>(u"Texto_Buscar"_s); }
    QLabel *lineaCuenta() const { return buscador()->findChild<QLabel *>(u"Cuenta_Buscar"_s); }
    // The count line as it reads (and as a screen reader reads it), without its links.
    QString cuenta() const
    {
        QAccessibleInterface *const iface = QAccessible::queryAccessibleInterface(lineaCuenta());
        return iface ? iface->text(QAccessible::Name) : u"(not accessible)"_s;
    }
    // A point of the count line over the offered word numbered so (its link), found by moving
    // the mouse across the line; (-1, -1) when none is.
    QPoint sobreSugerencia(int numero) const;
    QTableView *lista() const { return buscador()->findChild<QTableView *>(u"Lista_Resultados"_s); }
    VentanaBuscar *buscador() const { return ventana->findChild<VentanaBuscar *>(u"VentanaBuscar"_s); }
    RichTextView *memo() const { return ventana->findChild<RichTextView *>(u"ColorMemo1"_s); }
    // Runs of text that are bold or have a background, merged where they touch.
    QList<Tramo> marcados() const;
    // The current hit: the one dark orange mark, the caret at its start and nothing selected
    // (a selection would be read aloud, and so would each change of it); (-1, -1) otherwise.
    QPair<int, int> actual() const
    {
        const QList<QTextEdit::ExtraSelection> marcas = memo()->extraSelections();
        const QTextCursor c = memo()->textCursor();
        if (marcas.size() != 1 || marcas[0].format.background().color() != QColor(255, 140, 0) || c.hasSelection()
            || c.position() != marcas[0].cursor.selectionStart())
            return {-1, -1};
        return {marcas[0].cursor.selectionStart(), marcas[0].cursor.selectionEnd() - marcas[0].cursor.selectionStart()};
    }
    void verificarEnCoincidencia(const Resultado_Busqueda &r, int tramo) const;
    // Ctrl+G, the article's digits and Enter, wherever the keyboard is in the main window.
    void irAlArticulo(const QString &digitos) const
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
        for (const QChar c : digitos)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + c.digitValue()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // On "Referencias", "abierto" typed and the word "Abierto" clicked.
    bool elegirAbierto() const
    {
        QTabWidget *const paginas = ventana->findChild<QTabWidget *>(u"PageControl1"_s);
        QTest::mouseClick(paginas->tabBar(), Qt::LeftButton, {}, paginas->tabBar()->tabRect(1).center());
        teclear(ventana->findChild<QLineEdit *>(u"Edit1"_s), u"abierto"_s);
        auto *const palabras = ventana->findChild<QListWidget *>(u"ListBox1"_s);
        const QListWidgetItem *const abierto = palabras->findItems(u"Abierto"_s, Qt::MatchExactly).value(0);
        if (!abierto)
            return false;
        QTest::mouseClick(palabras->viewport(), Qt::LeftButton, {}, palabras->visualItemRect(abierto).center());
        return true;
    }
    QString rotulo() const { return ventana->findChild<QLabel *>(u"StaticText1"_s)->text(); }

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
    QCOMPARE(actual(), qMakePair(r.tramos[tramo].inicio, r.tramos[tramo].largo));
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
    QCOMPARE(cuenta(), u"Escriba las palabras que busca"_s);
    QCOMPARE(lista()->model()->rowCount(), 0);
    // At the main window's height, on the screen, clear of the caption strip and the text.
    QCOMPARE(b->frameGeometry().top(), ventana->frameGeometry().top());
    QVERIFY(b->screen()->availableGeometry().contains(b->frameGeometry()));
    for (const char *nombre : {"StaticText1", "ColorMemo1"}) {
        const QWidget *const w = ventana->findChild<QWidget *>(QLatin1String(nombre));
        QVERIFY(!b->frameGeometry().intersects(QRect(w->mapToGlobal(QPoint()), w->size())));
    }
}

// The first Ctrl+F of a run may come before the window manager has framed and placed the main
// window: the search window then follows it, clear of the text, until the reader moves it.
void TstVentanaBuscar::ctrlF_rightAfterFirstFrame_staysClearWhenTheMainWindowIsPlaced()
{
    ventana.reset();
    ventana = std::make_unique<Form1>();
    ventana->show();
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    const auto fueraDelTexto = [this](const VentanaBuscar *b) {
        const QWidget *const columna = ventana->findChild<QWidget *>(u"Panel1"_s);
        const QRect texto(columna->mapToGlobal(QPoint()), columna->size());
        // Narrowed only to the strip beside the text: placed again, it starts from its designed size.
        const QRect franja(QPoint(b->screen()->availableGeometry().left(), b->frameGeometry().top()),
                           QPoint(texto.left() - 1, b->frameGeometry().bottom()));
        const bool ancha = b->width() == 560 || b->frameGeometry() == franja;
        return ancha && !b->frameGeometry().intersects(texto) && b->frameGeometry().top() == ventana->frameGeometry().top()
               && b->screen()->availableGeometry().contains(b->frameGeometry());
    };
    QTest::keyClick(ventana.get(), Qt::Key_F, Qt::ControlModifier);
    VentanaBuscar *const b = buscador();
    QVERIFY(b);
    QVERIFY(b->isVisible());
    QVERIFY(fueraDelTexto(b));

    // Placed by the window manager: against the screen's left edge, then lower down.
    const QRect pantalla = ventana->screen()->availableGeometry();
    for (const QPoint lugar : {pantalla.topLeft(), pantalla.topLeft() + QPoint(40, 60)}) {
        ventana->move(lugar);
        QTRY_VERIFY2(fueraDelTexto(b), qPrintable(u"main window at %1,%2"_s.arg(lugar.x()).arg(lugar.y())));
    }
    // Once the reader has moved it, it stays where it was put.
    const QPoint puesta = b->pos() + QPoint(0, 10);
    b->move(puesta);
    ventana->move(pantalla.topLeft());
    QTest::qWait(50);
    QCOMPARE(b->pos(), puesta);
}

void TstVentanaBuscar::typing_updatesCount_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QString>("esperada");
    QTest::addColumn<int>("filas");
    QTest::newRow("plural") << u"\"derechos humanos\""_s << u"38 coincidencias en 24 entradas"_s << 24;
    QTest::newRow("singular") << u"bilingüe"_s << u"1 coincidencia en 1 entrada"_s << 1;
    QTest::newRow("none, with the nearest words") << u"nino"_s << u"Sin coincidencias. ¿Quiso decir «sino» (Alt+1) o «Niño» (Alt+2)?"_s << 0;
    QTest::newRow("none, nothing near") << u"xqzw"_s << u"Sin coincidencias"_s << 0;
    QTest::newRow("only a minus") << u"-tratados"_s
                                  << u"Sin coincidencias: escriba también lo que busca, no solo lo que excluye"_s << 0;
    QTest::newRow("no letter or digit") << u"., ;"_s << u"Sin coincidencias: escriba letras o números"_s << 0;
    QTest::newRow("question marks") << u"¿?"_s << u"Sin coincidencias: escriba letras o números"_s << 0;
    QTest::newRow("spaces") << u"   "_s << u"Sin coincidencias: escriba letras o números"_s << 0;
    // Typed in capitals, with or without the accent: "podrá", "Ética" and "ética", "política",
    // "órgano", "Única" and "única", "bilingüe"; "ñ" is not "n".
    QTest::newRow("PODRA finds podrá") << u"PODRA"_s << u"144 coincidencias en 103 entradas"_s << 103;
    QTest::newRow("ETICA finds Ética") << u"\"ETICA"_s << u"5 coincidencias en 5 entradas"_s << 5;
    QTest::newRow("ÉTICA") << u"\"ÉTICA"_s << u"5 coincidencias en 5 entradas"_s << 5;
    QTest::newRow("POLÍTICA") << u"\"POLÍTICA"_s << u"63 coincidencias en 40 entradas"_s << 40;
    QTest::newRow("ORGANO finds órgano") << u"\"ORGANO"_s << u"62 coincidencias en 46 entradas"_s << 46;
    QTest::newRow("ÚNICA finds Única") << u"\"ÚNICA"_s << u"3 coincidencias en 3 entradas"_s << 3;
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
    QCOMPARE(cuenta(), esperada);
    QCOMPARE(lista()->model()->rowCount(), filas);
    // Deleting every character empties the list, and the count says what to type.
    for (qsizetype i = 0; i < consulta.size(); ++i)
        QTest::keyClick(texto(), Qt::Key_Backspace);
    QCOMPARE(cuenta(), u"Escriba las palabras que busca"_s);
    QCOMPARE(lista()->model()->rowCount(), 0);
}

void TstVentanaBuscar::enterInTextBox_showsMarkedRowOrFirst()
{
    COMPROBAR(buscar(u"\"derechos humanos\""_s));
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
    COMPROBAR(buscar(u"\"derechos humanos\""_s));
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
    // On screen too, although the selected hit is in a window without the focus: the one hit
    // of that entry is the current one, dark orange.
    QVERIFY(!memo()->hasFocus());
    QVERIFY(pixeles(memo(), QColor(255, 140, 0)) > 100);
}

void TstVentanaBuscar::enterOnRow_marksHitsAtTheEntrysEnds_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QList<Tramo>>("golpes");
    QTest::newRow("the preamble's last word") << u"constitucion"_s << 0 << 1 << QList<Tramo>{{1425, 12}};
    QTest::newRow("the preamble's first words") << u"\"el pueblo de venezuela\""_s << 0 << 1 << QList<Tramo>{{0, 22}};
    QTest::newRow("the derogatory provision's first word") << u"\"única\""_s << 1 << 352 << QList<Tramo>{{0, 5}};
    QTest::newRow("the final provision's first word") << u"\"única\""_s << 2 << 371 << QList<Tramo>{{0, 5}};
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
    QCOMPARE(actual(), qMakePair(golpes[0].inicio, golpes[0].largo));
}

void TstVentanaBuscar::f3_stepsHitsAcrossEntriesAndWraps()
{
    // Entries with 2, 1, 1, 1 hits.
    COMPROBAR(buscar(u"\"derechos humanos y"_s));
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QVERIFY(r.size() >= 3);
    QCOMPARE(r[0].tramos.size(), 2);
    QTest::keyClick(texto(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Enter);
    COMPROBAR(verificarEnCoincidencia(r[0], 0));
    COMPROBAR(activarPrincipal());
    QTest::keyClick(memo(), Qt::Key_F3);
    COMPROBAR(verificarEnCoincidencia(r[0], 1));
    QTest::keyClick(memo(), Qt::Key_F3);
    COMPROBAR(verificarEnCoincidencia(r[1], 0));
    QCOMPARE(lista()->currentIndex().row(), 1);
    for (qsizetype f = 2; f < r.size(); ++f)
        QTest::keyClick(memo(), Qt::Key_F3);
    COMPROBAR(verificarEnCoincidencia(r.last(), int(r.last().tramos.size()) - 1));
    QTest::keyClick(memo(), Qt::Key_F3);
    COMPROBAR(verificarEnCoincidencia(r[0], 0));
}

// Through every hit of a word found deep in long paragraphs, the preview shows the hit's line
// whole, and its top edge cuts no line.
void TstVentanaBuscar::preview_startsWithAWholeLineAndShowsTheHit()
{
    COMPROBAR(buscar(u"ley"_s));
    int tramos = 0;
    for (const Resultado_Busqueda &r : buscador()->resultados())
        tramos += int(r.tramos.size());
    QVERIFY(tramos > 100);
    auto *const previa = buscador()->findChild<RichTextView *>(u"Vista_Previa"_s);
    QTest::keyClick(texto(), Qt::Key_Return);
    COMPROBAR(activarPrincipal());
    const QTextDocument *const documento = previa->document();
    const auto linea = [documento](int pos) {
        const QTextBlock bloque = documento->findBlock(pos);
        const QTextLine l = bloque.layout()->lineForTextPosition(pos - bloque.position());
        return QRectF(0, documento->documentLayout()->blockBoundingRect(bloque).top() + l.y(), 1, l.height());
    };
    int desplazadas = 0;
    for (int paso = 0; paso < tramos; ++paso) {
        const int v = previa->verticalScrollBar()->value();
        const int alto = previa->viewport()->height();
        const QRectF arriba = linea(previa->cursorForPosition(QPoint(0, 0)).position());
        const QRectF tramo = linea(previa->extraSelections().value(0).cursor.selectionStart());
        const QString donde = u"hit %1, scrolled to %2: top line at %3..%4, the hit's at %5..%6 of %7"_s.arg(paso)
                                  .arg(v).arg(arriba.top()).arg(arriba.bottom()).arg(tramo.top()).arg(tramo.bottom())
                                  .arg(alto);
        QVERIFY2(arriba.top() >= v, qPrintable(donde));
        QVERIFY2(tramo.top() >= v && tramo.bottom() <= v + alto, qPrintable(donde));
        desplazadas += v > 0;
        QTest::keyClick(memo(), Qt::Key_F3);
    }
    QVERIFY(desplazadas > 10);
}

void TstVentanaBuscar::shiftF3_stepsBack()
{
    COMPROBAR(buscar(u"\"derechos humanos y"_s));
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QTest::keyClick(texto(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Return);
    COMPROBAR(verificarEnCoincidencia(r[1], 0));
    COMPROBAR(activarPrincipal());
    QTest::keyClick(memo(), Qt::Key_F3, Qt::ShiftModifier);
    COMPROBAR(verificarEnCoincidencia(r[0], 1));
    QTest::keyClick(memo(), Qt::Key_F3, Qt::ShiftModifier);
    COMPROBAR(verificarEnCoincidencia(r[0], 0));
    QTest::keyClick(memo(), Qt::Key_F3, Qt::ShiftModifier);
    COMPROBAR(verificarEnCoincidencia(r.last(), int(r.last().tramos.size()) - 1));
}

void TstVentanaBuscar::f3_inSearchWindow_stepsToo()
{
    COMPROBAR(buscar(u"organo"_s));
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QTest::keyClick(texto(), Qt::Key_F3);
    COMPROBAR(verificarEnCoincidencia(r[0], 0));
    QTest::keyClick(texto(), Qt::Key_F3);
    COMPROBAR(verificarEnCoincidencia(r[0], 1));
    QTest::keyClick(texto(), Qt::Key_F3, Qt::ShiftModifier);
    COMPROBAR(verificarEnCoincidencia(r[0], 0));
}

void TstVentanaBuscar::f3_withoutResults_stepsConcordanceEntries()
{
    // Open the search window with nothing in it: F3 belongs to the concordance.
    QVERIFY(abrir());
    buscador()->close();
    COMPROBAR(activarPrincipal());
    QVERIFY(elegirAbierto());
    auto *const palabras = ventana->findChild<QListWidget *>(u"ListBox1"_s);
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
    COMPROBAR(enEntrada(71, "70"));
    QTest::keyClick(palabras, Qt::Key_F3);
    COMPROBAR(enEntrada(273, "272"));
    QTest::keyClick(palabras, Qt::Key_F3);
    COMPROBAR(enEntrada(71, "70"));
    QTest::keyClick(palabras, Qt::Key_F3, Qt::ShiftModifier);
    COMPROBAR(enEntrada(273, "272"));
}

void TstVentanaBuscar::closeAndReopen_keepsTextAndResults()
{
    COMPROBAR(buscar(u"organo"_s));
    const QString antes = cuenta();
    const int filas = lista()->model()->rowCount();
    QTest::keyClick(texto(), Qt::Key_Escape);
    QVERIFY(!buscador()->isVisible());
    COMPROBAR(activarPrincipal());
    VentanaBuscar *const b = buscador();
    QVERIFY(abrir() == b); // the same window, not a new one
    QCOMPARE(texto()->text(), u"organo"_s);
    QCOMPARE(texto()->selectedText(), u"organo"_s); // typing replaces it
    QCOMPARE(cuenta(), antes);
    QCOMPARE(lista()->model()->rowCount(), filas);
}

void TstVentanaBuscar::pastedMegabyte_givesNoResults()
{
    QVERIFY(abrir());
    // A phrase longer than every entry.
    QApplication::clipboard()->setText(u"\""_s + u"derechos humanos "_s.repeated((1 << 20) / 17));
    QTest::keyClick(texto(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(texto()->text().startsWith(u"\"derechos humanos derechos"_s));
    QCOMPARE(cuenta(), u"Sin coincidencias"_s);
    QCOMPARE(lista()->model()->rowCount(), 0);
    // Control characters pasted in the middle of a word.
    texto()->clear();
    QApplication::clipboard()->setText(u"\"dere\x01\x02chos"_s);
    QTest::keyClick(texto(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cuenta(), u"Sin coincidencias"_s);
}

void TstVentanaBuscar::f3_countsFromTheEntryOnScreen()
{
    COMPROBAR(buscar(u"\"derechos humanos\""_s));
    QTest::keyClick(texto(), Qt::Key_Return);
    QCOMPARE(rotulo(), u"Preámbulo"_s);
    COMPROBAR(activarPrincipal());
    // Moved elsewhere, F3 goes to the first hit after the entry on screen, Shift+F3 to the
    // last one before it.
    irAlArticulo(u"100"_s);
    QCOMPARE(rotulo(), u"Artículo 100"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(rotulo(), u"Artículo 132"_s);
    const QPair<int, int> hit = actual();
    QCOMPARE(memo()->toPlainText().mid(hit.first, hit.second).toLower(), u"derechos humanos"_s);
    irAlArticulo(u"100"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(rotulo(), u"Artículo 74"_s);
    // From the last entry F3 goes round to the first one holding the phrase.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::AltModifier);
    QCOMPARE(rotulo(), u"Única."_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(rotulo(), u"Preámbulo"_s);
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    // Within the entry it steps hit by hit from the current one.
    const Resultado_Busqueda preambulo = buscador()->resultados().first();
    COMPROBAR(verificarEnCoincidencia(preambulo, 0));
}

void TstVentanaBuscar::f3_currentHitSeenWithoutFocus()
{
    // The first entry holding it, article 29, holds the phrase twice; the keyboard stays in
    // the search window.
    COMPROBAR(buscar(u"\"derechos humanos y"_s));
    const QList<Resultado_Busqueda> r = buscador()->resultados();
    QCOMPARE(r[0].tramos.size(), 2);
    QTest::keyClick(texto(), Qt::Key_Return);
    COMPROBAR(verificarEnCoincidencia(r[0], 0));
    QVERIFY(texto()->hasFocus());
    const QImage antes = vista(memo());
    QVERIFY(pixeles(antes, NaranjaOscuro) > 100);
    QTest::keyClick(texto(), Qt::Key_F3);
    COMPROBAR(verificarEnCoincidencia(r[0], 1));
    QVERIFY(texto()->hasFocus());
    const QImage despues = vista(memo());
    QVERIFY(despues != antes);
    // The current hit is dark orange, the other one still yellow, both in sight.
    QVERIFY(pixeles(despues, NaranjaOscuro) > 100);
    QVERIFY(pixeles(despues, Amarillo) > 100);
    // The search window shows the same hit in its paragraph, marked the same way.
    QCOMPARE(buscador()->findChild<QLabel *>(u"Rotulo_Vista"_s)->text(), u"Artículo 29"_s);
    const auto *const previa = buscador()->findChild<RichTextView *>(u"Vista_Previa"_s);
    QVERIFY(previa->isVisible());
    QCOMPARE(previa->extraSelections().size(), 1);
    QCOMPARE(previa->extraSelections().first().cursor.selectedText().toLower(), u"derechos humanos y"_s);
    QVERIFY(pixeles(previa, NaranjaOscuro) > 50);
    // The concordance's own highlight has no current word: nothing orange.
    COMPROBAR(activarPrincipal());
    ventana->Mover_A_Entrada(UnitM01::Articulo_Actual);
    QCOMPARE(pixeles(memo(), NaranjaOscuro), 0);
}

void TstVentanaBuscar::f3_queryWithoutWords_stepsNowhere()
{
    // A word chosen on "Referencias": F3 steps through its entries while the box is empty.
    QVERIFY(elegirAbierto());
    for (const QString &consulta : {u"¿?"_s, u":"_s, u"   "_s, u"nino"_s}) {
        COMPROBAR(buscar(consulta));
        QVERIFY(!cuenta().isEmpty());
        const int antes = UnitM01::Articulo_Actual;
        QTest::keyClick(texto(), Qt::Key_F3);
        QCOMPARE(UnitM01::Articulo_Actual, antes);
        QTest::keyClick(texto(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(UnitM01::Articulo_Actual, antes);
        texto()->clear();
    }
    // Emptied, the box gives F3 back to the word: article 70.
    QTest::keyClick(texto(), Qt::Key_F3);
    QCOMPARE(rotulo(), u"Artículo 70"_s);
}

void TstVentanaBuscar::rows_nameProvisionsFullyAndMarkAmendments()
{
    const auto filas = [this] {
        QStringList r;
        for (int f = 0; f < lista()->model()->rowCount(); ++f)
            r << lista()->model()->index(f, 0).data().toString();
        return r;
    };
    COMPROBAR(buscar(u"única"_s));
    QVERIFY(filas().contains(u"Disposición Derogatoria Única"_s));
    QVERIFY(filas().contains(u"Disposición Final Única"_s));
    texto()->clear();
    teclear(texto(), u"séptima"_s);
    QVERIFY(filas().contains(u"Disposición Transitoria Séptima"_s));
    QVERIFY(!filas().join(u'|').contains(u"|Séptima."_s));
    // The five amended articles, and only they, carry the mark.
    texto()->clear();
    teclear(texto(), u"reelegido"_s);
    QVERIFY(filas().contains(u"Artículo 230 (enmendado)"_s));
    texto()->clear();
    teclear(texto(), u"el"_s);
    QStringList marcadas;
    for (const QString &f : filas())
        if (f.endsWith(u" (enmendado)"_s))
            marcadas << f;
    QCOMPARE(marcadas, (QStringList{u"Artículo 160 (enmendado)"_s, u"Artículo 162 (enmendado)"_s,
                                    u"Artículo 174 (enmendado)"_s, u"Artículo 192 (enmendado)"_s,
                                    u"Artículo 230 (enmendado)"_s}));
}

void TstVentanaBuscar::amendedArticle_showsNoteOnlyThere()
{
    COMPROBAR(activarPrincipal());
    const int alto = memo()->height();
    QVERIFY(!ventana->findChild<QLabel *>(u"Aviso_Enmienda"_s));
    const QString nota = u"Artículo modificado por la Enmienda N.º 1 (Gaceta Oficial N.º 5.908 Extraordinario, "
                         u"19 de febrero de 2009). Se muestra el texto de 1999."_s;
    for (const QString &n : {u"160"_s, u"162"_s, u"174"_s, u"192"_s, u"230"_s}) {
        irAlArticulo(n);
        QCOMPARE(rotulo(), u"Artículo "_s + n);
        const auto *const aviso = ventana->findChild<QLabel *>(u"Aviso_Enmienda"_s);
        QVERIFY(aviso);
        QTRY_VERIFY(aviso->isVisible());
        QCOMPARE(aviso->text(), nota);
        // Between the caption strip and the text, which keeps the caption's words.
        QVERIFY(aviso->geometry().top() >= ventana->findChild<QLabel *>(u"StaticText1"_s)->geometry().bottom());
        QVERIFY(aviso->geometry().bottom() <= memo()->geometry().top());
        QVERIFY(memo()->textoDocumento().startsWith(u"Artículo "_s + n + u'.'));
        QVERIFY(memo()->accessibleName().contains(nota));
    }
    // Every other entry: no note, and the text view as high as before.
    for (const QString &n : {u"229"_s, u"231"_s, u"161"_s, u"0"_s}) {
        irAlArticulo(n);
        QTRY_VERIFY(!ventana->findChild<QLabel *>(u"Aviso_Enmienda"_s)->isVisible());
        QTRY_COMPARE(memo()->height(), alto);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::AltModifier);
    QVERIFY(!ventana->findChild<QLabel *>(u"Aviso_Enmienda"_s)->isVisible());
}

void TstVentanaBuscar::resultsTooltip_onTheEntryColumnOfAmendedRowsOnly()
{
    const QString nota = u"Artículo modificado por la Enmienda N.º 1 (Gaceta Oficial N.º 5.908 Extraordinario, "
                         u"19 de febrero de 2009). Se muestra el texto de 1999."_s;
    const QStringList enmendados{u"Artículo 160"_s, u"Artículo 162"_s, u"Artículo 174"_s, u"Artículo 192"_s,
                                 u"Artículo 230"_s};
    COMPROBAR(buscar(u"el"_s));
    const QAbstractItemModel *const m = lista()->model();
    QVERIFY(m->rowCount() > 300);
    // Every cell: the note on the entry's column of the five amended rows, nothing elsewhere.
    int conNota = 0;
    for (int f = 0; f < m->rowCount(); ++f) {
        const QString entrada = m->index(f, 0).data().toString().section(u" ("_s, 0, 0);
        for (int c = 0; c < m->columnCount(); ++c) {
            const QString esperado = c == 0 && enmendados.contains(entrada) ? nota : QString();
            QVERIFY2(m->index(f, c).data(Qt::ToolTipRole).toString() == esperado,
                     qPrintable(u"%1, column %2"_s.arg(entrada).arg(c)));
            conNota += !esperado.isEmpty();
        }
    }
    QCOMPARE(conNota, 5);
    // What the view shows where the mouse rests: over article 230's caption the note, over its
    // context and over an unamended row's caption none.
    const auto sugerencia = [this](int fila, int columna) {
        QTableView *const v = lista();
        v->scrollTo(v->model()->index(fila, columna));
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return u"(a tooltip that stays)"_s;
        const QPoint donde = v->visualRect(v->model()->index(fila, columna)).center();
        QHelpEvent ayuda(QEvent::ToolTip, donde, v->viewport()->mapToGlobal(donde));
        QApplication::sendEvent(v->viewport(), &ayuda);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QModelIndexList a230 = m->match(m->index(0, 0), Qt::DisplayRole, u"Artículo 230 (enmendado)"_s, 1,
                                          Qt::MatchExactly);
    const QModelIndexList a229 = m->match(m->index(0, 0), Qt::DisplayRole, u"Artículo 229"_s, 1, Qt::MatchExactly);
    QVERIFY(!a230.isEmpty() && !a229.isEmpty());
    QCOMPARE(sugerencia(a230.first().row(), 0), nota);
    QCOMPARE(sugerencia(a230.first().row(), 2), QString());
    QCOMPARE(sugerencia(a229.first().row(), 0), QString());
    QToolTip::hideText();
}

void TstVentanaBuscar::copyWithCitation_copiesOnlyWhatIsSeen()
{
    COMPROBAR(activarPrincipal());
    irAlArticulo(u"71"_s);
    const auto seleccionarOcho = [this] {
        memo()->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(memo(), Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(memo(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(memo()->textCursor().selectedText(), u"Artículo"_s);
    };
    const auto copiar = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        return QApplication::clipboard()->text();
    };
    const QString cita = u"Constitución de la República Bolivariana de Venezuela (1999), Artículo 71\n"
                         u"TÍTULO III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES — Capítulo IV De los "
                         u"Derechos Políticos y del Referendo Popular — Sección Segunda: Del Referendo Popular"_s;
    // Seen in the focused view: the selection alone.
    COMPROBAR(seleccionarOcho());
    QCOMPARE(copiar(), u"Artículo\n\n"_s + cita);
    // The keyboard on a button: the selection is not drawn, so the whole entry is copied.
    QTest::keyClick(memo(), Qt::Key_Tab);
    QVERIFY(!memo()->hasFocus());
    QVERIFY(memo()->textCursor().hasSelection());
    QString todo = copiar();
    QVERIFY(todo.startsWith(u"Artículo 71. "_s));
    QVERIFY(todo.endsWith(u"\n\n"_s + cita));
    QVERIFY(todo.size() > 300);

    // Through the search window: open, closed with Escape; the view has the keyboard back
    // and shows its selection, which is copied.
    COMPROBAR(seleccionarOcho());
    QVERIFY(abrir());
    QTest::keyClick(texto(), Qt::Key_Escape);
    COMPROBAR(activarPrincipal());
    QVERIFY(memo()->hasFocus());
    QCOMPARE(copiar(), u"Artículo\n\n"_s + cita);

    // Through the About dialog: the window comes back with the keyboard on the About button.
    COMPROBAR(seleccionarOcho());
    auto *const acerca = ventana->findChild<QPushButton *>(u"Boton_Menu_Acerca_"_s);
    Forma_Acerca *const dialogo = Forma_Acerca::Instancia();
    QTimer::singleShot(0, dialogo, [dialogo] {
        QTRY_VERIFY(dialogo->isVisible());
        dialogo->done(QDialog::Accepted);
    });
    QTest::mouseClick(acerca, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QVERIFY(!memo()->hasFocus());
    todo = copiar();
    QVERIFY(todo.startsWith(u"Artículo 71. "_s));
    QVERIFY(todo.endsWith(u"\n\n"_s + cita));
}

void TstVentanaBuscar::hitAnnouncement_placeEntryAndLine()
{
    // What a screen reader hears of a hit: its place among the entry's hits, the entry
    // (with "el" or "la" as Spanish names it) and the line around it.
    const QList<Resultado_Busqueda> r = Buscar_En_Textos(u"\"derechos humanos\""_s);
    QCOMPARE(anuncioCoincidencia(r[0].entrada, r[0].tramos, 0),
             u"coincidencia 1 de 1 en el Preámbulo: … universal e indivisible de los derechos humanos, la "
             u"democratización de la …"_s);
    QCOMPARE(anuncioCoincidencia(r[2].entrada, r[2].tramos, 1),
             u"coincidencia 2 de 2 en el Artículo 19: … con los tratados sobre derechos humanos suscritos y "
             u"ratificados por la …"_s);
    // The transitional provisions, after the 350 articles and the derogatory one.
    const QList<Resultado_Busqueda> asamblea = Buscar_En_Textos(u"Asamblea Nacional"_s);
    const auto transitoria =
        std::find_if(asamblea.cbegin(), asamblea.cend(), [](const Resultado_Busqueda &x) { return x.entrada > 352; });
    QVERIFY(transitoria != asamblea.cend());
    const QString dicho = anuncioCoincidencia(transitoria->entrada, transitoria->tramos, 0);
    QVERIFY2(dicho.startsWith(u"coincidencia 1 de "_s) && dicho.contains(u" en la Disposición Transitoria "_s),
             qPrintable(dicho));
    // A hit that is not one of the entry's says nothing.
    for (const int fuera : {-1, int(r[2].tramos.size())})
        QCOMPARE(anuncioCoincidencia(r[2].entrada, r[2].tramos, fuera), QString());
}


// Words typed apart: Enter shows the first hit, and F3 steps through every hit of both words
// and of their forms in the order of the text, entry after entry, then round to the first.
void TstVentanaBuscar::f3_wordsApart_everyHitInTextOrder()
{
    COMPROBAR(buscar(u"derecho vivienda"_s));
    QCOMPARE(cuenta(), u"10 coincidencias en 3 entradas"_s);
    QTest::keyClick(texto(), Qt::Key_Return);
    COMPROBAR(activarPrincipal());
    const struct {
        const char *entrada;
        const char *palabra;
    } pasos[] = {{"Artículo 82", "derecho"}, {"Artículo 82", "vivienda"}, {"Artículo 82", "derecho"},
                 {"Artículo 82", "viviendas"}, {"Artículo 86", "derecho"}, {"Artículo 86", "vivienda"},
                 {"Artículo 86", "derecho"}, {"Artículo 156", "vivienda"}, {"Artículo 156", "derechos"},
                 {"Artículo 156", "derecho"}, {"Artículo 82", "derecho"}};
    const QStringList formas{u"derecho"_s, u"derechos"_s, u"vivienda"_s, u"viviendas"_s};
    QString entradaAnterior;
    int inicioAnterior = -1;
    for (const auto &paso : pasos) {
        const QString donde = u"at %1, %2"_s.arg(QString::fromUtf8(paso.entrada), QString::fromUtf8(paso.palabra));
        QVERIFY2(rotulo() == QString::fromUtf8(paso.entrada), qPrintable(donde + u": on "_s + rotulo()));
        const QString texto = memo()->document()->toPlainText();
        const auto [inicio, largo] = actual();
        QVERIFY2(inicio >= 0, qPrintable(donde));
        QCOMPARE(texto.mid(inicio, largo), QString::fromUtf8(paso.palabra));
        if (rotulo() == entradaAnterior)
            QVERIFY2(inicio > inicioAnterior, qPrintable(donde));
        // Every hit of the entry is marked, each a form of one of the words.
        const QList<Tramo> marcas = marcados();
        int esperadas = 0;
        for (const auto &p : pasos)
            esperadas += QString::fromUtf8(p.entrada) == rotulo();
        if (rotulo() == u"Artículo 82"_s)
            --esperadas; // the step round to the first
        QCOMPARE(marcas.size(), esperadas);
        for (const Tramo &m : marcas)
            QVERIFY2(formas.contains(texto.mid(m.inicio, m.largo)), qPrintable(texto.mid(m.inicio, m.largo)));
        entradaAnterior = rotulo();
        inicioAnterior = inicio;
        QTest::keyClick(memo(), Qt::Key_F3);
    }
}

void TstVentanaBuscar::suggestion_takenByItsKey_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<int>("numero"); // Alt+1, Alt+2, Alt+3
    QTest::addColumn<QString>("tomada");
    QTest::addColumn<QString>("esperada");
    QTest::newRow("the first") << u"vivenda"_s << 1 << u"vivienda"_s << u"6 coincidencias en 5 entradas"_s;
    QTest::newRow("the second, beside another word")
        << u"derecho vivenda"_s << 2 << u"derecho viviendas"_s << u"10 coincidencias en 3 entradas"_s;
    QTest::newRow("the third, before another word")
        << u"derecjo humanos"_s << 3 << u"directo humanos"_s << u"2 coincidencias en 1 entrada"_s;
    QTest::newRow("beside a phrase") << u"\"derechos humanos\" tratdos"_s << 1 << u"\"derechos humanos\" tratados"_s
                                     << u"23 coincidencias en 6 entradas"_s;
    QTest::newRow("spelt as the text spells it") << u"nino"_s << 2 << u"Niño"_s << u"11 coincidencias en 4 entradas"_s;
    QTest::newRow("a third when two are offered: nothing")
        << u"nino"_s << 3 << u"nino"_s << u"Sin coincidencias. ¿Quiso decir «sino» (Alt+1) o «Niño» (Alt+2)?"_s;
    QTest::newRow("with results, nothing is offered") << u"vivienda"_s << 1 << u"vivienda"_s
                                                     << u"6 coincidencias en 5 entradas"_s;
    QTest::newRow("three offered") << u"derecjo"_s << 0 << u"derecjo"_s
                                   << u"Sin coincidencias. ¿Quiso decir «derecho» (Alt+1), «derechos» (Alt+2) o "
                                      u"«directo» (Alt+3)?"_s;
}

void TstVentanaBuscar::suggestion_takenByItsKey()
{
    QFETCH(QString, consulta);
    QFETCH(int, numero);
    QFETCH(QString, tomada);
    QFETCH(QString, esperada);
    COMPROBAR(buscar(consulta));
    if (numero > 0)
        QTest::keyClick(texto(), Qt::Key(Qt::Key_0 + numero), Qt::AltModifier);
    QCOMPARE(texto()->text(), tomada);
    QCOMPARE(cuenta(), esperada);
    QVERIFY(texto()->hasFocus());
    if (lista()->model()->rowCount() == 0)
        return;
    // Found, the results are at hand as after typing: Enter shows the first.
    const Resultado_Busqueda primero = buscador()->resultados().first();
    QTest::keyClick(texto(), Qt::Key_Return);
    COMPROBAR(verificarEnCoincidencia(primero, 0));
}

QPoint TstVentanaBuscar::sobreSugerencia(int numero) const
{
    QLabel *const linea = lineaCuenta();
    QString sobre;
    const QMetaObject::Connection c = connect(linea, &QLabel::linkHovered, linea, [&sobre](const QString &enlace) { sobre = enlace; });
    QPoint r(-1, -1);
    for (int y = 2; y < linea->height() && r.x() < 0; y += 4) {
        for (int x = 0; x < linea->width(); x += 2) {
            QTest::mouseMove(linea, QPoint(x, y));
            if (sobre == QString::number(numero)) {
                r = QPoint(x, y);
                break;
            }
        }
    }
    disconnect(c);
    return r;
}

// The offered words are links: a click on one puts it in place of the word typed and gives the
// keyboard back to the text box; a click beside them does nothing.
void TstVentanaBuscar::suggestion_takenByAClick()
{
    COMPROBAR(buscar(u"derecho vivenda"_s));
    QCOMPARE(cuenta(), u"Sin coincidencias. ¿Quiso decir «vivienda» (Alt+1) o «viviendas» (Alt+2)?"_s);
    QTest::mouseClick(lineaCuenta(), Qt::LeftButton, {}, QPoint(2, lineaCuenta()->height() / 2));
    QCOMPARE(texto()->text(), u"derecho vivenda"_s);
    const QPoint segunda = sobreSugerencia(2);
    QVERIFY(segunda.x() > sobreSugerencia(1).x());
    lista()->setFocus(); // the keyboard elsewhere in the window
    QTest::mouseClick(lineaCuenta(), Qt::LeftButton, {}, segunda);
    QCOMPARE(texto()->text(), u"derecho viviendas"_s);
    QCOMPARE(cuenta(), u"10 coincidencias en 3 entradas"_s);
    QVERIFY(texto()->hasFocus());
}

// "Veces" (a click on its heading, or Ctrl+2) lists the most hits first, entries with as many
// in their own order; "Entrada" (Ctrl+1) lists them in the entries' order again; "Contexto"
// orders nothing. The order stays as the query changes; Enter opens the row as listed; F3 still
// steps in the order of the text and marks the row it reaches.
void TstVentanaBuscar::headings_orderByHitsOrEntryKeepingF3InTextOrder()
{
    const auto filas = [this] {
        QStringList r;
        for (int f = 0; f < lista()->model()->rowCount(); ++f)
            r << lista()->model()->index(f, 0).data().toString() + u' ' + lista()->model()->index(f, 1).data().toString();
        return r;
    };
    COMPROBAR(buscar(u"salud derecho"_s));
    QHeaderView *const cabecera = lista()->horizontalHeader();
    const auto clicEn = [cabecera](int seccion) {
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {},
                          QPoint(cabecera->sectionViewportPosition(seccion) + cabecera->sectionSize(seccion) / 2,
                                 cabecera->height() / 2));
    };
    const auto indicador = [cabecera] { return qMakePair(cabecera->sortIndicatorSection(), cabecera->sortIndicatorOrder()); };
    const QStringList porEntrada{u"Artículo 83 5"_s, u"Artículo 84 8"_s, u"Artículo 86 4"_s,
                                 u"Artículo 111 2"_s, u"Artículo 122 2"_s, u"Artículo 156 3"_s};
    const QStringList porVeces{u"Artículo 84 8"_s, u"Artículo 83 5"_s, u"Artículo 86 4"_s,
                               u"Artículo 156 3"_s, u"Artículo 111 2"_s, u"Artículo 122 2"_s};
    QCOMPARE(filas(), porEntrada);
    QVERIFY(!cabecera->isSortIndicatorShown() || indicador().first < 0);
    clicEn(1);
    QCOMPARE(filas(), porVeces);
    QCOMPARE(indicador(), qMakePair(1, Qt::DescendingOrder));
    clicEn(2); // "Contexto": nothing changes
    QCOMPARE(filas(), porVeces);
    QCOMPARE(indicador(), qMakePair(1, Qt::DescendingOrder));
    // Enter in the text box opens the first row listed; F3 goes on through its eight hits and
    // on to the next entry of the text, whose row is marked.
    QTest::keyClick(texto(), Qt::Key_Return);
    QCOMPARE(rotulo(), u"Artículo 84"_s);
    COMPROBAR(activarPrincipal());
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(memo(), Qt::Key_F3);
    QCOMPARE(rotulo(), u"Artículo 84"_s);
    QTest::keyClick(memo(), Qt::Key_F3);
    QCOMPARE(rotulo(), u"Artículo 86"_s);
    QCOMPARE(lista()->currentIndex().row(), 2);
    // Another query keeps the order; Ctrl+1 from the list goes back to the entries' order.
    QVERIFY(abrir());
    teclear(texto(), u"vivienda"_s);
    QCOMPARE(filas(), (QStringList{u"Artículo 82 2"_s, u"Artículo 86 1"_s, u"Artículo 156 1"_s,
                                   u"Artículo 178 1"_s, u"Artículo 184 1"_s}));
    texto()->selectAll();
    teclear(texto(), u"salud derecho"_s);
    QCOMPARE(filas(), porVeces);
    QTest::keyClick(texto(), Qt::Key_Down);
    QVERIFY(lista()->hasFocus());
    QTest::keyClick(lista(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(filas(), porEntrada);
    QCOMPARE(indicador(), qMakePair(0, Qt::AscendingOrder));
    QTest::keyClick(lista(), Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(filas(), porVeces);
    // Enter on the second row listed opens that entry.
    QTest::keyClick(lista(), Qt::Key_Home);
    QTest::keyClick(lista(), Qt::Key_Down);
    QTest::keyClick(lista(), Qt::Key_Return);
    QCOMPARE(rotulo(), u"Artículo 83"_s);
}

PRUEBA_MAIN(TstVentanaBuscar)
#include "tst_ventana_buscar.moc"
