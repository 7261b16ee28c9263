// The window's own keys through the real window and real key events: the table of keys,
// the stepping keys, Back and Forward (keys and mouse buttons) across every route, typing
// into the selector after Ctrl+G, the text size, and copying with citation.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "casos_atajos.h"
#include "casos_teclear_selector.h"
#include "comprobar.h"
#include "dialogos_impresion.h"
#include "divisiones.h"
#include "entradas.h"
#include "estado_lector.h"
#include "form1.h"
#include "form1_atajos.h"
#include "richtextview.h"
#include "spinbutton.h"
#include "teclear.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>
#include <QWheelEvent>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

void pulsar(QWidget *w, QKeyCombination tecla)
{
    QTest::keyClick(w, tecla.key(), tecla.keyboardModifiers());
}

const QString Obra = u"Constitución de la República Bolivariana de Venezuela (1999), "_s;

} // namespace

class TstAtajos : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void table_keysAreFreeAndUnique();
    void table_actionsAsListed();
    void keys_inTheSearchWindowAsListed_data() { casosTeclas(); }
    void keys_inTheSearchWindowAsListed();
    void keys_workWhereverTheFocusIs_data();
    void keys_workWhereverTheFocusIs();
    void steppingKeys_moveAsTheButtons_data();
    void steppingKeys_moveAsTheButtons();
    void history_acrossMixedRoutes();
    void history_mouseButtons_data();
    void history_mouseButtons();
    void ctrlG_typesIntoTheSelector_data() { casosTeclearSelector(); }
    void ctrlG_typesIntoTheSelector();
    void ctrlG_endsAndGivesTheKeyboardBack_data();
    void ctrlG_endsAndGivesTheKeyboardBack();
    void zoom_stepsAndIsKeptAcrossEntries_data();
    void zoom_stepsAndIsKeptAcrossEntries();
    void zoom_keepsHighlightAndPositions();
    void zoom_ctrlWheelAnywhereInTheWindow();
    void copyWithCitation_data();
    void copyWithCitation();

private:
    template <typename W = QWidget>
    W *hijo(const QString &nombre) const
    {
        return ventana->findChild<W *>(nombre);
    }
    RichTextView *memo() const { return hijo<RichTextView>(u"ColorMemo1"_s); }
    QTreeWidget *arbol() const { return hijo<QTreeWidget>(u"TreeView1"_s); }
    QTabWidget *paginas() const { return hijo<QTabWidget>(u"PageControl1"_s); }
    QString rotulo() const { return hijo<QLabel>(u"StaticText1"_s)->text(); }
    // What the digit displays show, with the limits: "ddd/tu".
    QString digitos() const
    {
        return hijo<QLabel>(u"StaticText12"_s)->text() + hijo<QLabel>(u"StaticText13"_s)->text()
               + hijo<QLabel>(u"StaticText14"_s)->text()
               + u"/%1%2"_s.arg(UnitM01::Max_Decenas).arg(UnitM01::Max_Unidades);
    }
    bool digitosMarcados() const;
    void abrirPagina(const QString &pagina) const;
    // Focuses the widget by the keyboard's road where it has one, showing its page first.
    QWidget *enfocar(const QString &nombre) const;
    // A key pressed wherever the focus is now.
    void tecla(QKeyCombination t) const { pulsar(QApplication::focusWidget(), t); }
    void clicEnNodo(const QString &encabezado) const;
    void elegir(QListWidget *l, const QString &texto) const;
    int resaltados() const;

    std::unique_ptr<Form1> ventana;
};

void TstAtajos::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    QCOMPARE(UnitM01::Articulo_Actual, 1);
}

void TstAtajos::cleanup()
{
    ventana.reset();
    QApplication::clipboard()->clear();
}

bool TstAtajos::digitosMarcados() const
{
    bool marcados = true;
    for (const QString &n : {u"StaticText12"_s, u"StaticText13"_s, u"StaticText14"_s}) {
        const QPalette p = hijo<QLabel>(n)->palette();
        marcados = marcados && p.color(QPalette::Window) == QColor(0, 0, 255)
                   && p.color(QPalette::WindowText) == QColor(255, 255, 255);
    }
    return marcados;
}

void TstAtajos::abrirPagina(const QString &pagina) const
{
    QTabBar *const barra = paginas()->tabBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(paginas()->indexOf(hijo(pagina))).center());
    QCOMPARE(paginas()->currentWidget()->objectName(), pagina);
}

QWidget *TstAtajos::enfocar(const QString &nombre) const
{
    if (nombre == u"Edit1"_s)
        abrirPagina(u"Pagina_Referencias"_s);
    else if (nombre == u"ListView1"_s)
        abrirPagina(u"Tab_Estdisticas"_s);
    if (QTest::currentTestFailed())
        return nullptr;
    QWidget *const w = hijo(nombre);
    w->setFocus(Qt::TabFocusReason);
    return QApplication::focusWidget() == w ? w : nullptr;
}

void TstAtajos::clicEnNodo(const QString &encabezado) const
{
    const QList<QTreeWidgetItem *> nodos = arbol()->findItems(encabezado, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(nodos.size() == 1, qPrintable(encabezado));
    arbol()->scrollToItem(nodos.first());
    QTest::mouseClick(arbol()->viewport(), Qt::LeftButton, {}, arbol()->visualItemRect(nodos.first()).center());
}

void TstAtajos::elegir(QListWidget *l, const QString &texto) const
{
    const QList<QListWidgetItem *> items = l->findItems(texto, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(texto));
    l->scrollToItem(items.first());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.first()).center());
}

// Runs of bold text on yellow in the view.
int TstAtajos::resaltados() const
{
    int n = 0;
    for (QTextBlock b = memo()->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            n += f.fontWeight() == QFont::Bold && f.background().color() == QColor(255, 255, 0);
        }
    }
    return n;
}

void TstAtajos::table_keysAreFreeAndUnique()
{
    // Keys the focused widgets keep for themselves: the text view's and the lists' moves,
    // selection and copying, F2, focus moves, Escape, Enter, and letters, digits and
    // Space for type-to-search and the buttons, with or without Shift.
    QList<QKeyCombination> ajenas;
    for (int k = QKeySequence::HelpContents; k <= QKeySequence::Cancel; ++k) {
        const auto estandar = QKeySequence::StandardKey(k);
        // A window-level Back, Forward, zoom and print are what these standard keys are for; and
        // no widget of the window binds the find keys (the text view's find is in its menu).
        if (estandar == QKeySequence::Back || estandar == QKeySequence::Forward || estandar == QKeySequence::ZoomIn
            || estandar == QKeySequence::ZoomOut || estandar == QKeySequence::Print || estandar == QKeySequence::Find
            || estandar == QKeySequence::FindNext || estandar == QKeySequence::FindPrevious)
            continue;
        for (const QKeySequence &s : QKeySequence::keyBindings(estandar))
            ajenas.append(s[0]);
    }
    for (const Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                            Qt::Key_Home, Qt::Key_End}) {
        for (const Qt::KeyboardModifiers m : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                              Qt::KeyboardModifiers(Qt::ControlModifier),
                                              Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)})
            ajenas.append(QKeyCombination(m, k));
    }
    for (const Qt::Key k : {Qt::Key_C, Qt::Key_A, Qt::Key_Insert})
        ajenas.append(Qt::CTRL | k);
    for (const Qt::Key k : {Qt::Key_F2, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter,
                            Qt::Key_Space, Qt::Key_Backspace})
        ajenas.append(QKeyCombination(k));
    ajenas.append(Qt::SHIFT | Qt::Key_Backtab);
    ajenas.append(Qt::CTRL | Qt::Key_Tab);
    ajenas.append(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);

    QList<QKeyCombination> usadas;
    QStringList nombres;
    for (const Atajo &a : Form1::Tabla_Atajos()) {
        const QString nombre = QString::fromLatin1(a.nombre);
        QVERIFY2(!nombres.contains(nombre), qPrintable(nombre));
        nombres.append(nombre);
        QVERIFY(a.manejador);
        for (const QKeyCombination t : {a.tecla, a.otraTecla}) {
            if (t.key() == Qt::Key_unknown)
                continue;
            const QString cual = nombre + u" "_s + QKeySequence(t).toString();
            QVERIFY2(!usadas.contains(t), qPrintable(cual + u" is used twice"_s));
            QVERIFY2(!ajenas.contains(t), qPrintable(cual + u" belongs to a widget"_s));
            // Plain or shifted printable keys are typed into lists and the text box.
            const bool imprimible = t.key() >= Qt::Key_Space && t.key() <= Qt::Key_ydiaeresis;
            QVERIFY2(!imprimible || (t.keyboardModifiers() & ~Qt::ShiftModifier), qPrintable(cual));
            usadas.append(t);
        }
        // Each row is an action of the window with its keys.
        auto *const accion = hijo<QAction>(nombre);
        QVERIFY2(accion && ventana->actions().contains(accion), qPrintable(nombre));
        QCOMPARE(accion->shortcut(), QKeySequence(a.tecla));
    }
}

// The window's keyboard actions are the listed ones, each with its keys and no other.
void TstAtajos::table_actionsAsListed()
{
    QStringList esperadas;
    for (const TeclaEsperada &t : TeclasEsperadas)
        esperadas << QString::fromLatin1(t.accion) + u' ' + QKeySequence(t.tecla).toString();
    QStringList obtenidas;
    for (const QAction *a : ventana->actions()) {
        for (const QKeySequence &k : a->shortcuts())
            obtenidas << a->objectName() + u' ' + k.toString();
    }
    esperadas.sort();
    obtenidas.sort();
    QCOMPARE(obtenidas, esperadas);
}

// In the search window, with the keyboard in its text box, the search keys work and the
// others do nothing.
void TstAtajos::keys_inTheSearchWindowAsListed()
{
    QFETCH(QString, accion);
    QFETCH(int, tecla);
    QFETCH(bool, enBuscar);
    ventana->Mover_A_Entrada(100); // every stepping key enabled
    this->tecla(Qt::CTRL | Qt::Key_F);
    QWidget *const buscador = hijo(u"VentanaBuscar"_s);
    QVERIFY(buscador);
    QTRY_COMPARE(QApplication::activeWindow(), buscador);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"Texto_Buscar"_s);
    QSignalSpy disparos(hijo<QAction>(accion), &QAction::triggered);
    this->tecla(QKeyCombination::fromCombined(tecla));
    QCOMPARE(disparos.count(), enBuscar ? 1 : 0);
}

void TstAtajos::keys_workWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<int>("tecla"); // QKeyCombination::toCombined()
    QTest::addColumn<QString>("foco");
    for (const TeclaEsperada &t : TeclasEsperadas) {
        for (const char *foco : {"ColorMemo1", "TreeView1", "Edit1", "ListView1", "Boton_Menu_Siguiente_"})
            QTest::addRow("%s %s in %s", t.accion, qPrintable(QKeySequence(t.tecla).toString()), foco)
                << QString::fromLatin1(t.accion) << t.tecla.toCombined() << QString::fromLatin1(foco);
    }
}

void TstAtajos::keys_workWhereverTheFocusIs()
{
    QFETCH(QString, accion);
    QFETCH(int, tecla);
    QFETCH(QString, foco);
    ventana->Mover_A_Entrada(100); // every stepping key enabled
    QWidget *const w = enfocar(foco);
    QVERIFY(w);
    QSignalSpy disparos(hijo<QAction>(accion), &QAction::triggered);
    const CierreDialogosImpresion cierre; // Ctrl+P and Ctrl+Shift+P open a dialog
    pulsar(w, QKeyCombination::fromCombined(tecla));
    QCOMPARE(disparos.count(), 1);
}

void TstAtajos::steppingKeys_moveAsTheButtons_data()
{
    QTest::addColumn<int>("tecla"); // QKeyCombination::toCombined()
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("hasta");
    QTest::newRow("Alt+PageDown is next") << (Qt::ALT | Qt::Key_PageDown).toCombined() << 1 << 2;
    QTest::newRow("Alt+PageUp is previous") << (Qt::ALT | Qt::Key_PageUp).toCombined() << 40 << 39;
    QTest::newRow("Alt+Home is the preamble") << (Qt::ALT | Qt::Key_Home).toCombined() << 40 << 1;
    QTest::newRow("Alt+End is the last entry") << (Qt::ALT | Qt::Key_End).toCombined() << 40 << 371;
    QTest::newRow("Alt+PageUp at the preamble does nothing") << (Qt::ALT | Qt::Key_PageUp).toCombined() << 1 << 1;
    QTest::newRow("Alt+Home at the preamble does nothing") << (Qt::ALT | Qt::Key_Home).toCombined() << 1 << 1;
    QTest::newRow("Alt+PageDown at the end does nothing") << (Qt::ALT | Qt::Key_PageDown).toCombined() << 371 << 371;
    QTest::newRow("Alt+End at the end does nothing") << (Qt::ALT | Qt::Key_End).toCombined() << 371 << 371;
}

void TstAtajos::steppingKeys_moveAsTheButtons()
{
    QFETCH(int, tecla);
    QFETCH(int, desde);
    QFETCH(int, hasta);
    ventana->Mover_A_Entrada(desde);
    const size_t atras = UnitM01::Historial_Entradas.cuantasAtras();
    QVERIFY(enfocar(u"ColorMemo1"_s));
    // At either end a key that does nothing leaves the reader's place in the text: the text
    // made large enough to scroll, the view at its end, its last line selected.
    QPair<int, int> seleccion;
    int desplazamiento = 0;
    if (desde == hasta) {
        for (int i = 0; i < 8; ++i)
            this->tecla(Qt::CTRL | Qt::Key_Plus);
        this->tecla(Qt::CTRL | Qt::Key_End);
        this->tecla(Qt::SHIFT | Qt::Key_Up);
        seleccion = {memo()->textCursor().selectionStart(), memo()->textCursor().selectionEnd()};
        desplazamiento = memo()->verticalScrollBar()->value();
        QVERIFY(seleccion.first < seleccion.second);
        QVERIFY(desplazamiento > 0);
    }
    this->tecla(QKeyCombination::fromCombined(tecla));
    QCOMPARE(UnitM01::Articulo_Actual, hasta);
    QCOMPARE(rotulo(), Rotulo_Articulo(hasta));
    // A key that did nothing left nothing to go back to.
    QCOMPARE(UnitM01::Historial_Entradas.cuantasAtras(), atras + (desde != hasta));
    if (desde == hasta) {
        QCOMPARE(memo()->textCursor().selectionStart(), seleccion.first);
        QCOMPARE(memo()->textCursor().selectionEnd(), seleccion.second);
        QCOMPARE(memo()->verticalScrollBar()->value(), desplazamiento);
    }
    // Each stepping key is enabled with its button: the first two off on the preamble, the
    // last two off on the final entry.
    const struct {
        const char *accion;
        const char *boton;
        bool activo;
    } pasos[] = {
        {"Atajo_Primero", "Boton_Menu_Primero_", hasta != 1},
        {"Atajo_Anterior", "Boton_Menu_Anterior_", hasta != 1},
        {"Atajo_Siguiente", "Boton_Menu_Siguiente_", hasta != 371},
        {"Atajo_Ultimo", "Boton_Menu_Ultimo_", hasta != 371},
    };
    for (const auto &p : pasos) {
        QVERIFY2(hijo<QPushButton>(QString::fromLatin1(p.boton))->isEnabled() == p.activo, p.boton);
        QVERIFY2(hijo<QAction>(QString::fromLatin1(p.accion))->isEnabled() == p.activo, p.accion);
    }
}

void TstAtajos::history_acrossMixedRoutes()
{
    const QKeyCombination atras = Qt::ALT | Qt::Key_Left;
    const QKeyCombination adelante = Qt::ALT | Qt::Key_Right;
    QVERIFY(enfocar(u"TreeView1"_s));
    // Where the reader is after each step, and whether the word shows highlighted.
    const auto en = [this](int entrada, bool resaltada = false) {
        QCOMPARE(UnitM01::Articulo_Actual, entrada);
        QCOMPARE(rotulo(), Rotulo_Articulo(entrada));
        QCOMPARE(resaltados() > 0, resaltada);
    };
    tecla(atras); // nothing behind the first entry
    COMPROBAR(en(1));
    // Selector: Ctrl+G, 157, Enter.
    tecla(Qt::CTRL | Qt::Key_G);
    teclear(QApplication::focusWidget(), u"157"_s);
    tecla(QKeyCombination(Qt::Key_Return));
    COMPROBAR(en(158));
    // Tree: a chapter that opens at entry 186.
    COMPROBAR(clicEnNodo(u"Capítulo V Del Consejo Federal de Gobierno"_s));
    COMPROBAR(en(186));
    // Word list: "Abierto", then entry 273 (article 272), highlighted.
    COMPROBAR(abrirPagina(u"Pagina_Referencias"_s));
    teclear(hijo(u"Edit1"_s), u"abierto"_s);
    COMPROBAR(elegir(hijo<QListWidget>(u"ListBox1"_s), u"Abierto"_s));
    COMPROBAR(elegir(hijo<QListWidget>(u"ListBox2"_s), u"272"_s));
    COMPROBAR(en(273, true));
    // Button: next.
    QTest::mouseClick(hijo<QPushButton>(u"Boton_Menu_Siguiente_"_s), Qt::LeftButton);
    COMPROBAR(en(274));
    // Back through all of them; the word's entry comes back plain.
    tecla(atras);
    COMPROBAR(en(273));
    tecla(atras);
    COMPROBAR(en(186));
    tecla(atras);
    COMPROBAR(en(158));
    tecla(atras);
    COMPROBAR(en(1));
    tecla(atras);
    COMPROBAR(en(1));
    tecla(adelante);
    COMPROBAR(en(158));
    tecla(adelante);
    COMPROBAR(en(186));
    // A new move drops the forward part: Forward does nothing, Back comes to where it was.
    tecla(Qt::ALT | Qt::Key_PageDown);
    COMPROBAR(en(187));
    tecla(adelante);
    COMPROBAR(en(187));
    tecla(atras);
    COMPROBAR(en(186));
    tecla(atras);
    COMPROBAR(en(158));
    // The stepping buttons follow only the entry on screen.
    tecla(Qt::ALT | Qt::Key_Home);
    COMPROBAR(en(1));
    QVERIFY(!hijo<QPushButton>(u"Boton_Menu_Anterior_"_s)->isEnabled());
    tecla(atras);
    COMPROBAR(en(158));
    QVERIFY(hijo<QPushButton>(u"Boton_Menu_Anterior_"_s)->isEnabled());
}

void TstAtajos::history_mouseButtons_data()
{
    QTest::addColumn<QString>("sobre");
    QTest::newRow("over the text") << u"ColorMemo1"_s;
    QTest::newRow("over the tree") << u"TreeView1"_s;
    QTest::newRow("over the caption") << u"StaticText1"_s;
    QTest::newRow("over a button") << u"Boton_Menu_Siguiente_"_s;
}

void TstAtajos::history_mouseButtons()
{
    QFETCH(QString, sobre);
    auto *w = hijo(sobre);
    if (auto *const area = qobject_cast<QAbstractScrollArea *>(w))
        w = area->viewport();
    ventana->Mover_A_Entrada(50);
    ventana->Mover_A_Entrada(60);
    QSignalSpy pulsados(arbol(), &QAbstractItemView::pressed);
    QTest::mouseClick(w, Qt::BackButton, {}, QPoint(5, 5));
    QCOMPARE(UnitM01::Articulo_Actual, 50);
    QTest::mouseClick(w, Qt::BackButton, {}, QPoint(5, 5));
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    QTest::mouseClick(w, Qt::ForwardButton, {}, QPoint(5, 5));
    QCOMPARE(UnitM01::Articulo_Actual, 50);
    QTest::mouseClick(w, Qt::ForwardButton, {}, QPoint(5, 5));
    QCOMPARE(UnitM01::Articulo_Actual, 60);
    // The presses reached nothing else: the tree under the pointer saw none.
    QCOMPARE(pulsados.count(), 0);
}

void TstAtajos::ctrlG_typesIntoTheSelector()
{
    QFETCH(QString, inicio);
    QFETCH(QStringList, teclas);
    QFETCH(QStringList, despues);
    QWidget *const antes = enfocar(u"TreeView1"_s);
    QVERIFY(antes);
    // The starting digits, typed and left with Escape.
    tecla(Qt::CTRL | Qt::Key_G);
    teclear(QApplication::focusWidget(), inicio);
    tecla(QKeyCombination(Qt::Key_Escape));
    QCOMPARE(digitos().left(3), inicio);
    QCOMPARE(QApplication::focusWidget(), antes);
    QVERIFY(!digitosMarcados());

    tecla(Qt::CTRL | Qt::Key_G);
    QVERIFY(digitosMarcados());
    QWidget *const foco = QApplication::focusWidget();
    QVERIFY(!qobject_cast<SpinButton *>(foco));
    QCOMPARE(foco->objectName(), u"Panel4"_s);
    for (int i = 0; i < teclas.size(); ++i) {
        const QString &t = teclas[i];
        if (t == u"U"_s)
            tecla(QKeyCombination(Qt::Key_Up));
        else if (t == u"D"_s)
            tecla(QKeyCombination(Qt::Key_Down));
        else
            teclear(QApplication::focusWidget(), t);
        QCOMPARE(digitos(), despues[i]);
        QVERIFY(digitosMarcados());
    }
    QCOMPARE(UnitM01::Articulo_Actual, 1); // typing alone moves nowhere
}

void TstAtajos::ctrlG_endsAndGivesTheKeyboardBack_data()
{
    QTest::addColumn<QString>("desde");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("fin");
    QTest::addColumn<QString>("digitos");
    QTest::addColumn<int>("entrada");
    QTest::newRow("Enter goes to article 157") << u"TreeView1"_s << u"157"_s << u"Enter"_s << u"157"_s << 158;
    QTest::newRow("Enter with 999 goes to article 350") << u"ColorMemo1"_s << u"999"_s << u"Enter"_s << u"350"_s
                                                        << 351;
    QTest::newRow("Enter with nothing typed goes to the digits shown") << u"Edit1"_s << u""_s << u"Enter"_s
                                                                       << u"000"_s << 1;
    QTest::newRow("Escape leaves the digits typed") << u"Edit1"_s << u"12"_s << u"Escape"_s << u"012"_s << 1;
    QTest::newRow("Tab leaves the selector") << u"ColorMemo1"_s << u"7"_s << u"Tab"_s << u"007"_s << 1;
    QTest::newRow("a click elsewhere ends the typing") << u"ColorMemo1"_s << u"42"_s << u"click"_s << u"042"_s << 1;
}

void TstAtajos::ctrlG_endsAndGivesTheKeyboardBack()
{
    QFETCH(QString, desde);
    QFETCH(QString, teclas);
    QFETCH(QString, fin);
    QFETCH(QString, digitos);
    QFETCH(int, entrada);
    QWidget *const antes = enfocar(desde);
    QVERIFY(antes);
    tecla(Qt::CTRL | Qt::Key_G);
    QVERIFY(digitosMarcados());
    teclear(QApplication::focusWidget(), teclas);
    if (fin == u"click"_s) {
        const QPoint nodo = arbol()->visualItemRect(arbol()->currentItem()).center();
        QTest::mouseClick(arbol()->viewport(), Qt::LeftButton, {}, nodo);
        QCOMPARE(QApplication::focusWidget(), arbol());
    } else if (fin == u"Tab"_s) {
        tecla(QKeyCombination(Qt::Key_Tab));
        QVERIFY(QApplication::focusWidget()->objectName() != u"Panel4"_s);
    } else {
        tecla(QKeyCombination(fin == u"Enter"_s ? Qt::Key_Return : Qt::Key_Escape));
        QCOMPARE(QApplication::focusWidget(), antes);
    }
    QVERIFY(!digitosMarcados());
    QCOMPARE(this->digitos().left(3), digitos);
    QCOMPARE(UnitM01::Articulo_Actual, entrada);
    // Digits now go where the focus is, not to the selector.
    if (QApplication::focusWidget() != hijo(u"Edit1"_s)) {
        teclear(QApplication::focusWidget(), u"3"_s);
        QCOMPARE(this->digitos().left(3), digitos);
    }
}

void TstAtajos::zoom_stepsAndIsKeptAcrossEntries_data()
{
    QTest::addColumn<QString>("foco");
    QTest::addColumn<QStringList>("pasos");
    QTest::addColumn<QList<int>>("puntos");
    // "+" Ctrl+Plus, "=" Ctrl+=, "-" Ctrl+Minus, "0" Ctrl+0, "w+" and "w-" Ctrl+wheel.
    QTest::newRow("plus, equal, minus") << u"ColorMemo1"_s << QStringList{u"+"_s, u"="_s, u"-"_s}
                                        << QList<int>{9, 10, 9};
    QTest::newRow("minus to the bottom and held") << u"TreeView1"_s << QStringList{u"-"_s, u"-"_s, u"-"_s}
                                                  << QList<int>{7, 6, 6};
    QTest::newRow("up the scale and back to 8") << u"Edit1"_s
                                                << QStringList{u"+"_s, u"+"_s, u"+"_s, u"+"_s, u"+"_s, u"0"_s}
                                                << QList<int>{9, 10, 11, 12, 14, 8};
    QTest::newRow("held at 32") << u"ColorMemo1"_s << QStringList(14, u"+"_s)
                                << QList<int>{9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 32, 32, 32, 32};
    QTest::newRow("Ctrl+wheel takes the same steps")
        << u"ColorMemo1"_s << QStringList{u"w+"_s, u"w+"_s, u"w-"_s, u"+"_s} << QList<int>{9, 10, 9, 10};
}

void TstAtajos::zoom_stepsAndIsKeptAcrossEntries()
{
    QFETCH(QString, foco);
    QFETCH(QStringList, pasos);
    QFETCH(QList<int>, puntos);
    QVERIFY(enfocar(foco));
    QCOMPARE(memo()->font().pointSize(), 8);
    for (int i = 0; i < pasos.size(); ++i) {
        const QString &p = pasos[i];
        if (p.startsWith(u'w')) {
            QWidget *const vista = memo()->viewport();
            const QPoint en = vista->rect().center();
            QWheelEvent rueda(en, vista->mapToGlobal(en), {}, {0, p == u"w+"_s ? 120 : -120}, Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(vista, &rueda);
        } else {
            const Qt::Key k = p == u"+"_s ? Qt::Key_Plus : p == u"="_s ? Qt::Key_Equal : p == u"-"_s ? Qt::Key_Minus
                                                                                                   : Qt::Key_0;
            tecla(Qt::CTRL | k);
        }
        QCOMPARE(memo()->font().pointSize(), puntos[i]);
        QCOMPARE(UnitM01::Tamano_Texto, puntos[i]);
    }
    // Kept from entry to entry, by any route.
    const int tamano = puntos.last();
    tecla(Qt::ALT | Qt::Key_PageDown);
    QCOMPARE(UnitM01::Articulo_Actual, 2);
    QCOMPARE(memo()->font().pointSize(), tamano);
    QTest::mouseClick(hijo<QPushButton>(u"Boton_Menu_Ultimo_"_s), Qt::LeftButton);
    QCOMPARE(memo()->font().pointSize(), tamano);
    QCOMPARE(memo()->document()->defaultFont().pointSize(), tamano);
    tecla(Qt::CTRL | Qt::Key_0);
    QCOMPARE(memo()->font().pointSize(), 8);
    QCOMPARE(memo()->font().family(), hijo<QLabel>(u"StaticText1"_s)->font().family());
}

void TstAtajos::zoom_ctrlWheelAnywhereInTheWindow()
{
    const auto rueda = [](QWidget *w, int angulo, Qt::KeyboardModifiers teclas) {
        const QPoint en = w->rect().center();
        QWheelEvent e(en, w->mapToGlobal(en), {}, {0, angulo}, Qt::NoButton, teclas, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    };
    // Without Ctrl the wheel scrolls the tree as before, the text size untouched.
    QTreeWidget *const indice = arbol();
    for (int i = 0; i < indice->topLevelItemCount(); ++i)
        indice->expandItem(indice->topLevelItem(i));
    QCoreApplication::processEvents();
    QVERIFY(indice->verticalScrollBar()->maximum() > 0);
    rueda(indice->viewport(), -120, Qt::NoModifier);
    QVERIFY(indice->verticalScrollBar()->value() > 0);
    QCOMPARE(memo()->font().pointSize(), 8);
    // With Ctrl, over the tree, the caption strip, a button and the lists, the text grows
    // and shrinks; the tree does not scroll.
    const int desplazado = indice->verticalScrollBar()->value();
    rueda(indice->viewport(), 120, Qt::ControlModifier);
    QCOMPARE(memo()->font().pointSize(), 9);
    QCOMPARE(indice->verticalScrollBar()->value(), desplazado);
    rueda(hijo<QLabel>(u"StaticText1"_s), 120, Qt::ControlModifier);
    QCOMPARE(memo()->font().pointSize(), 10);
    rueda(hijo<QPushButton>(u"Boton_Menu_Primero_"_s), -120, Qt::ControlModifier);
    QCOMPARE(memo()->font().pointSize(), 9);
    QTest::mouseClick(paginas()->tabBar(), Qt::LeftButton, {}, paginas()->tabBar()->tabRect(2).center());
    rueda(hijo<QTableView>(u"ListView1"_s)->viewport(), 120, Qt::ControlModifier);
    QCOMPARE(memo()->font().pointSize(), 10);
    QCOMPARE(hijo<QTableView>(u"ListView1"_s)->verticalScrollBar()->value(), 0);
    QTest::mouseClick(paginas()->tabBar(), Qt::LeftButton, {}, paginas()->tabBar()->tabRect(1).center());
    rueda(hijo<QListWidget>(u"ListBox1"_s)->viewport(), -120, Qt::ControlModifier);
    QCOMPARE(memo()->font().pointSize(), 9);
    QCOMPARE(UnitM01::Tamano_Texto, 9);
}

void TstAtajos::zoom_keepsHighlightAndPositions()
{
    // The longest entry, "los" 19 times.
    UnitM01::Palabra_Elegida = u"los"_s;
    UnitM01::Resaltar_Palabra = true;
    ventana->Mover_A_Entrada(157);
    const int n = resaltados();
    QCOMPARE(n, 19);
    const QString texto = memo()->textoDocumento();
    const int p = memo()->FindInRange(u"los"_s, 0, int(texto.size()));
    QVERIFY(p > 0);
    int alto = memo()->cursorRect(memo()->textCursor()).height();
    QVERIFY(enfocar(u"TreeView1"_s));
    for (int paso = 0; paso < 4; ++paso) {
        tecla(Qt::CTRL | Qt::Key_Plus);
        QCOMPARE(resaltados(), n);
        QCOMPARE(memo()->textoDocumento(), texto);
        QCOMPARE(memo()->FindInRange(u"los"_s, 0, int(texto.size())), p);
        // The text is laid out larger.
        QTextCursor c(memo()->document());
        c.setPosition(p);
        const int ahora = memo()->cursorRect(c).height();
        QVERIFY2(ahora > alto, qPrintable(u"%1 then %2"_s.arg(alto).arg(ahora)));
        alto = ahora;
    }
}

void TstAtajos::copyWithCitation_data()
{
    QTest::addColumn<int>("entrada");
    QTest::addColumn<int>("seleccion"); // characters selected from the start with Shift+Right; 0 for none
    QTest::addColumn<QString>("foco");
    QTest::addColumn<QString>("texto");
    QTest::newRow("the whole preamble") << 1 << 0 << u"TreeView1"_s
                                        << Texto_Entrada(1) + u"\n\n"_s + Obra + u"Preámbulo\nPREÁMBULO"_s;
    QTest::newRow("a selection in article 272, three headings")
        << 273 << 12 << u"ColorMemo1"_s
        << u"Artículo 272\n\n"_s + Obra
               + u"Artículo 272\nTÍTULO V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL — Capítulo III Del Poder "
                 "Judicial y del Sistema de Justicia — Sección Tercera: Del Gobierno y de la Administración del "
                 "Poder Judicial"_s;
    QTest::newRow("the whole fifth transitional provision")
        << 357 << 0 << u"Edit1"_s << Texto_Entrada(357) + u"\n\n"_s + Obra
                                         + u"Disposición Transitoria Quinta\nDISPOSICIONES TRANSITORIAS"_s;
    QTest::newRow("the whole final provision") << 371 << 0 << u"ColorMemo1"_s
                                               << Texto_Entrada(371) + u"\n\n"_s + Obra
                                                      + u"Disposición Final Única\nDISPOSICIÓN FINAL"_s;
}

void TstAtajos::copyWithCitation()
{
    QFETCH(int, entrada);
    QFETCH(int, seleccion);
    QFETCH(QString, foco);
    QFETCH(QString, texto);
    ventana->Mover_A_Entrada(entrada);
    if (seleccion > 0) {
        QVERIFY(enfocar(u"ColorMemo1"_s));
        tecla(Qt::CTRL | Qt::Key_Home);
        for (int i = 0; i < seleccion; ++i)
            tecla(Qt::SHIFT | Qt::Key_Right);
    }
    QVERIFY(enfocar(foco));
    tecla(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    const QMimeData *const datos = QApplication::clipboard()->mimeData();
    QVERIFY(datos);
    QCOMPARE(datos->text(), texto);
    QVERIFY(datos->hasHtml());
    const QString cita = texto.section(u"\n\n"_s, -1).section(u'\n', 0, 0);
    QVERIFY2(datos->html().contains(u"<i>"_s + cita.toHtmlEscaped() + u"</i>"_s), qPrintable(datos->html()));
    // Plain Ctrl+C still copies the selection alone.
    if (seleccion > 0) {
        QVERIFY(enfocar(u"ColorMemo1"_s));
        tecla(Qt::CTRL | Qt::Key_C);
        QCOMPARE(QApplication::clipboard()->text(), texto.left(seleccion));
    }
}

PRUEBA_MAIN(TstAtajos)
#include "tst_atajos.moc"
