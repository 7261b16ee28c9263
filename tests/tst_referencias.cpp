// The cross-reference page through the real window: typing a prefix, choosing a word
// and an entry with the mouse, the arrow keys and type-to-search, and the page change.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "comprobar.h"
#include "entradas.h"
#include "estado_lector.h"
#include "form1.h"
#include "listaconbusqueda.h"
#include "palabras.h"
#include "richtextview.h"
#include "teclear.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

using namespace Qt::StringLiterals;

class TstReferencias : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void creation_listsHiddenEditEmpty();
    void typing_listsMatchingWords();
    void deleting_hidesListsKeepingContents();
    void edits_data();
    void edits();
    void programSettingText_changesNothing();
    void choosing_showsEntryHighlighted_data();
    void choosing_showsEntryHighlighted();
    void typeToSearch_inListBox2_choosesFirstNumberBeginningWith7();
    void typeToSearch_restartsAfterPause();
    void typeToSearch_pauseOf500msOnTheListsClock_data();
    void typeToSearch_pauseOf500msOnTheListsClock();
    void arrowDown_inListBox1_choosesNextWord();
    void arrowDown_withNothingSelected_choosesFirstItem_data();
    void arrowDown_withNothingSelected_choosesFirstItem();
    void backspace_inEmptyList_doesNothing();
    void backspace_emptyingSearch_choosesFirstItem();
    void pageChange_focusesEdit1WithTextSelected_data();
    void pageChange_focusesEdit1WithTextSelected();

private:
    QLineEdit *edit() const { return ventana->findChild<QLineEdit *>(u"Edit1"_s); }
    QListWidget *lista(int n) const { return ventana->findChild<QListWidget *>(u"ListBox%1"_s.arg(n)); }
    QTabWidget *paginas() const { return ventana->findChild<QTabWidget *>(u"PageControl1"_s); }
    RichTextView *memo() const { return ventana->findChild<RichTextView *>(u"ColorMemo1"_s); }
    static QStringList textos(const QListWidget *l)
    {
        QStringList r;
        for (int i = 0; i < l->count(); ++i)
            r.append(l->item(i)->text());
        return r;
    }
    void abrirReferencias() const;
    void escribir(const QString &prefijo) const;
    void elegir(QListWidget *l, const QString &texto) const;
    // Start and length of every run of bold text on yellow in the view.
    QList<QPair<int, int>> resaltados() const;

    std::unique_ptr<Form1> ventana;
};

void TstReferencias::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
}

void TstReferencias::cleanup()
{
    ventana.reset();
}

void TstReferencias::abrirReferencias() const
{
    QTabBar *const barra = paginas()->tabBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(1).center());
    QCOMPARE(paginas()->currentWidget()->objectName(), u"Pagina_Referencias"_s);
}

void TstReferencias::escribir(const QString &prefijo) const
{
    COMPROBAR(abrirReferencias());
    QVERIFY(edit()->hasFocus());
    teclear(edit(), prefijo);
    QCOMPARE(edit()->text(), prefijo);
}

void TstReferencias::elegir(QListWidget *l, const QString &texto) const
{
    const QList<QListWidgetItem *> items = l->findItems(texto, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(texto));
    l->scrollToItem(items.first());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.first()).center());
    QCOMPARE(l->selectedItems().value(0), items.first());
}

QList<QPair<int, int>> TstReferencias::resaltados() const
{
    QList<QPair<int, int>> r;
    for (QTextBlock b = memo()->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat fmt = f.charFormat();
            if (fmt.fontWeight() == QFont::Bold && fmt.background().style() != Qt::NoBrush
                && fmt.background().color() == QColor(255, 255, 0))
                r.append({f.position(), f.length()});
        }
    }
    return r;
}

void TstReferencias::creation_listsHiddenEditEmpty()
{
    QVERIFY(lista(1)->isHidden());
    QVERIFY(lista(2)->isHidden());
    QVERIFY(edit()->text().isEmpty());
    QVERIFY(!edit()->hasFocus());
    QCOMPARE(ventana->findChild<QLabel *>(u"StaticText8"_s)->text(), u"Referencia Cruzada"_s);
    QCOMPARE(paginas()->tabText(1), u"Referencias"_s);
    QCOMPARE(lista(1)->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(lista(2)->cursor().shape(), Qt::PointingHandCursor);
}

void TstReferencias::typing_listsMatchingWords()
{
    COMPROBAR(escribir(u"ab"_s));
    QVERIFY(lista(1)->isVisible());
    QVERIFY(lista(2)->isVisible());
    const QStringList palabras = textos(lista(1));
    QCOMPARE(palabras.size(), 22);
    QCOMPARE(palabras.mid(0, 3), (QStringList{u"Abandono"_s, u"Abierta"_s, u"Abierto"_s}));
    QCOMPARE(palabras, Filtrar_Palabras(u"AB"));
    QCOMPARE(lista(2)->count(), 0);

    COMPROBAR(elegir(lista(1), u"Abierto"_s));
    QCOMPARE(UnitM01::Palabra_Elegida, u"Abierto"_s);
    QCOMPARE(textos(lista(2)), (QStringList{u"70"_s, u"272"_s}));

    // Another key empties the entries until a word is chosen again.
    QTest::keyClick(edit(), Qt::Key_I);
    QCOMPARE(textos(lista(1)), (QStringList{u"Abierta"_s, u"Abierto"_s, u"Abiertos"_s}));
    QCOMPARE(lista(2)->count(), 0);
    QCOMPARE(UnitM01::Palabra_Elegida, u"Abierto"_s);
}

void TstReferencias::deleting_hidesListsKeepingContents()
{
    COMPROBAR(escribir(u"ab"_s));
    COMPROBAR(elegir(lista(1), u"Abogadas"_s));
    QCOMPARE(textos(lista(2)), (QStringList{u"253"_s, u"356"_s}));
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QCOMPARE(lista(1)->count(), Filtrar_Palabras(u"a").size());
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QVERIFY(edit()->text().isEmpty());
    QVERIFY(lista(1)->isHidden());
    QVERIFY(lista(2)->isHidden());
    QCOMPARE(lista(1)->count(), Filtrar_Palabras(u"a").size());
    QCOMPARE(lista(2)->count(), 0);

    teclear(edit(), u"x"_s);
    QVERIFY(lista(1)->isVisible());
    QVERIFY(lista(2)->isVisible());
    QCOMPARE(lista(1)->count(), 0);
    QCOMPARE(lista(2)->count(), 0);
}

void TstReferencias::edits_data()
{
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QKeySequence>("tecla"); // the edit after typing
    QTest::addColumn<QString>("pegado");     // put on the clipboard first
    QTest::addColumn<QString>("texto");      // Edit1's text afterwards
    QTest::newRow("undo") << u"con"_s << QKeySequence(QKeySequence::Undo) << QString() << QString();
    QTest::newRow("cut all") << u"con"_s << QKeySequence(QKeySequence::Cut) << QString() << QString();
    QTest::newRow("paste") << u""_s << QKeySequence(QKeySequence::Paste) << u"Ór"_s << u"Ór"_s;
    QTest::newRow("paste emoji and CJK") << u""_s << QKeySequence(QKeySequence::Paste) << u"\U0001F600憲法"_s
                                         << u"\U0001F600憲法"_s;
    QTest::newRow("paste a megabyte") << u""_s << QKeySequence(QKeySequence::Paste) << QString(1 << 20, u'a')
                                      << QString(32767, u'a');
}

void TstReferencias::edits()
{
    QFETCH(QString, escrito);
    QFETCH(QKeySequence, tecla);
    QFETCH(QString, pegado);
    QFETCH(QString, texto);
    COMPROBAR(abrirReferencias());
    teclear(edit(), escrito);
    const QStringList antes = textos(lista(1));
    if (!pegado.isEmpty())
        QApplication::clipboard()->setText(pegado);
    if (tecla == QKeySequence(QKeySequence::Cut))
        edit()->selectAll();
    QTest::keySequence(edit(), tecla);
    QCOMPARE(edit()->text(), texto);
    QCOMPARE(lista(1)->isVisible(), !texto.isEmpty());
    QCOMPARE(lista(2)->isVisible(), !texto.isEmpty());
    QCOMPARE(textos(lista(1)), texto.isEmpty() ? antes : Filtrar_Palabras(texto));
}

void TstReferencias::programSettingText_changesNothing()
{
    COMPROBAR(abrirReferencias());
    edit()->setText(u"ab"_s);
    QVERIFY(lista(1)->isHidden());
    QCOMPARE(lista(1)->count(), 0);
}

void TstReferencias::choosing_showsEntryHighlighted_data()
{
    QTest::addColumn<QString>("prefijo");
    QTest::addColumn<QString>("palabra");
    QTest::addColumn<QStringList>("numeros"); // the first entry numbers listed
    QTest::addColumn<int>("cuantos");         // how many are listed
    QTest::addColumn<QString>("numero");      // the one chosen
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QList<int>>("posiciones"); // where every highlight starts
    QTest::newRow("Abierto in article 272") << u"abi"_s << u"Abierto"_s << QStringList{u"70"_s, u"272"_s} << 2
                                            << u"272"_s << u"Artículo 272"_s << QList<int>{587};
    QTest::newRow("CONSTITUCIÓN in the preamble") << u"CONSTITUCIÓN"_s << u"CONSTITUCIÓN"_s
                                                  << QStringList{u"0"_s} << 1 << u"0"_s << u"Preámbulo"_s
                                                  << QList<int>{1425};
    QTest::newRow("Órgano highlights órgano") << u"Ó"_s << u"Órgano"_s << QStringList{u"94"_s} << 12 << u"94"_s
                                                     << u"Artículo 94"_s << QList<int>{268};
    QTest::newRow("Abogadas in the fifth transitional") << u"ab"_s << u"Abogadas"_s
                                                        << QStringList{u"253"_s, u"356"_s} << 2 << u"356"_s
                                                        << u"Quinta."_s << QList<int>{794};
    // Each capital the words start with highlights its small form in the text.
    QTest::newRow("Ánimo highlights ánimo") << u"Áni"_s << u"Ánimo"_s << QStringList{u"353"_s} << 1 << u"353"_s
                                            << u"Segunda."_s << QList<int>{514};
    QTest::newRow("Ética highlights ética") << u"Étic"_s << u"Ética"_s
                                            << QStringList{u"2"_s, u"102"_s, u"267"_s, u"274"_s} << 5 << u"274"_s
                                            << u"Artículo 274"_s << QList<int>{193};
    QTest::newRow("Índole at the end of the longest entry")
        << u"Índol"_s << u"Índole"_s << QStringList{u"156"_s, u"179"_s, u"256"_s} << 3 << u"156"_s
        << u"Artículo 156"_s << QList<int>{5315};
    QTest::newRow("Única highlights única") << u"Únic"_s << u"Única"_s << QStringList{u"200"_s, u"351"_s, u"370"_s}
                                            << 3 << u"200"_s << u"Artículo 200"_s << QList<int>{342};
    // A hit at an entry's first character ("CONSTITUCIÓN" above ends at its last).
    QTest::newRow("Única opening the derogatory provision") << u"Únic"_s << u"Única"_s
                                                           << QStringList{u"200"_s, u"351"_s, u"370"_s} << 3
                                                           << u"351"_s << u"Única."_s << QList<int>{0};
}

void TstReferencias::choosing_showsEntryHighlighted()
{
    QFETCH(QString, prefijo);
    QFETCH(QString, palabra);
    QFETCH(QStringList, numeros);
    QFETCH(int, cuantos);
    QFETCH(QString, numero);
    QFETCH(QString, rotulo);
    QFETCH(QList<int>, posiciones);
    COMPROBAR(escribir(prefijo));
    QVERIFY(textos(lista(1)).contains(palabra));
    COMPROBAR(elegir(lista(1), palabra));
    QCOMPARE(textos(lista(2)).mid(0, numeros.size()), numeros);
    QCOMPARE(lista(2)->count(), cuantos);
    COMPROBAR(elegir(lista(2), numero));
    const int entrada = numero.toInt() + 1;
    QCOMPARE(UnitM01::Articulo_Actual, entrada);
    QCOMPARE(ventana->findChild<QLabel *>(u"StaticText1"_s)->text(), rotulo);
    QVERIFY(!UnitM01::Resaltar_Palabra);
    const QList<QPair<int, int>> marcas = resaltados();
    QVERIFY(!marcas.isEmpty());
    for (const auto &m : marcas) {
        QCOMPARE(m.second, int(palabra.size()));
        QCOMPARE(Texto_Entrada(entrada).mid(m.first, m.second).toLower(), palabra.toLower());
    }
    QList<int> inicios;
    for (const auto &m : marcas)
        inicios << m.first;
    QCOMPARE(inicios, posiciones);
    // The chosen entry stays chosen: the page keeps its lists.
    QCOMPARE(lista(2)->selectedItems().value(0)->text(), numero);
}

void TstReferencias::typeToSearch_inListBox2_choosesFirstNumberBeginningWith7()
{
    COMPROBAR(escribir(u"constitución"_s));
    QCOMPARE(textos(lista(1)), QStringList{u"Constitución"_s});
    COMPROBAR(elegir(lista(1), u"Constitución"_s));
    QCOMPARE(lista(2)->count(), 107);
    QString primero;
    for (const int e : Postings(Buscar_Palabra(u"Constitución"))) {
        if (QString::number(e - 1).startsWith(u'7')) {
            primero = QString::number(e - 1);
            break;
        }
    }
    QVERIFY(!primero.isEmpty());
    const int antes = UnitM01::Articulo_Actual;
    lista(2)->setFocus();
    QTest::keyClick(lista(2), '7');
    QCOMPARE(lista(2)->selectedItems().value(0)->text(), primero);
    QCOMPARE(UnitM01::Articulo_Actual, primero.toInt() + 1);
    QVERIFY(UnitM01::Articulo_Actual != antes);
    QVERIFY(!resaltados().isEmpty());
    // A key that nothing begins with leaves the choice as it was.
    QTest::keyClick(lista(2), 'x');
    QCOMPARE(lista(2)->selectedItems().value(0)->text(), primero);
    QCOMPARE(UnitM01::Articulo_Actual, primero.toInt() + 1);
}

void TstReferencias::typeToSearch_restartsAfterPause()
{
    COMPROBAR(escribir(u"ab"_s));
    lista(1)->setFocus();
    teclear(lista(1), u"abo"_s);
    QCOMPARE(UnitM01::Palabra_Elegida, u"Abogacía"_s);
    QTest::qWait(600);
    teclear(lista(1), u"abie"_s);
    QCOMPARE(UnitM01::Palabra_Elegida, u"Abierta"_s);
    QCOMPARE(textos(lista(2)), QStringList{u"299"_s});
    // The typed keys never reach the list: Edit1 keeps its text.
    QCOMPARE(edit()->text(), u"ab"_s);
}

// The pause is read from the list's own clock, so its edge is exact: a key 499 ms after the
// previous one continues the search text, one 500 ms after it starts a new one.
void TstReferencias::typeToSearch_pauseOf500msOnTheListsClock_data()
{
    QTest::addColumn<int>("pausa");
    QTest::addColumn<QString>("elegida"); // after "ab", the pause, then "o"
    QTest::newRow("499 ms continues: \"abo\"") << 499 << u"Abogacía"_s;
    QTest::newRow("500 ms starts anew: \"o\" matches nothing") << 500 << u"Abandono"_s;
    QTest::newRow("a minute starts anew") << 60000 << u"Abandono"_s;
}

void TstReferencias::typeToSearch_pauseOf500msOnTheListsClock()
{
    QFETCH(int, pausa);
    QFETCH(QString, elegida);
    COMPROBAR(escribir(u"ab"_s));
    auto *const l = qobject_cast<ListaConBusqueda *>(lista(1));
    QVERIFY(l);
    qint64 ahora = 1000;
    l->setReloj([&ahora] { return ahora; });
    l->setFocus();
    teclear(l, u"ab"_s);
    QCOMPARE(UnitM01::Palabra_Elegida, u"Abandono"_s);
    ahora += pausa;
    teclear(l, u"o"_s);
    QCOMPARE(UnitM01::Palabra_Elegida, elegida);
    QCOMPARE(l->selectedItems().value(0)->text(), elegida);
    l->setReloj({});
}

void TstReferencias::arrowDown_inListBox1_choosesNextWord()
{
    COMPROBAR(escribir(u"ab"_s));
    COMPROBAR(elegir(lista(1), u"Abandono"_s));
    QCOMPARE(textos(lista(2)), QStringList{u"233"_s});
    QTest::keyClick(lista(1), Qt::Key_Down);
    QCOMPARE(UnitM01::Palabra_Elegida, u"Abierta"_s);
    QCOMPARE(textos(lista(2)), QStringList{u"299"_s});
    QTest::keyClick(lista(1), Qt::Key_Down);
    QCOMPARE(UnitM01::Palabra_Elegida, u"Abierto"_s);
    QCOMPARE(textos(lista(2)), (QStringList{u"70"_s, u"272"_s}));
    // The down arrow in the entries shows the next entry at once.
    COMPROBAR(elegir(lista(2), u"70"_s));
    QCOMPARE(UnitM01::Articulo_Actual, 71);
    QTest::keyClick(lista(2), Qt::Key_Down);
    QCOMPARE(UnitM01::Articulo_Actual, 273);
    QCOMPARE(resaltados().value(0).first, 587);
}

void TstReferencias::arrowDown_withNothingSelected_choosesFirstItem_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("prefijo");
    QTest::addColumn<QString>("palabra"); // chosen in ListBox1 first, to fill ListBox2
    QTest::addColumn<QStringList>("elegidos"); // the items the first two Down keys choose
    QTest::newRow("ListBox1") << 1 << u"ab"_s << QString() << QStringList{u"Abandono"_s, u"Abierta"_s};
    QTest::newRow("ListBox2") << 2 << u"abi"_s << u"Abierto"_s << QStringList{u"70"_s, u"272"_s};
}

// A list that has just received the focus with no item selected: the view makes the first
// item current without selecting it, and the first Down must choose that item, not the next.
void TstReferencias::arrowDown_withNothingSelected_choosesFirstItem()
{
    QFETCH(int, n);
    QFETCH(QString, prefijo);
    QFETCH(QString, palabra);
    QFETCH(QStringList, elegidos);
    COMPROBAR(escribir(prefijo));
    if (!palabra.isEmpty())
        COMPROBAR(elegir(lista(1), palabra));
    QVERIFY(lista(n)->selectedItems().isEmpty());
    // Tab from the text box, as the reader does, until the list has the focus.
    for (int i = 0; i < 4 && !lista(n)->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(lista(n)->hasFocus());
    QVERIFY(lista(n)->selectedItems().isEmpty());
    const int antes = UnitM01::Articulo_Actual;
    for (const QString &elegido : elegidos) {
        QTest::keyClick(lista(n), Qt::Key_Down);
        QCOMPARE(lista(n)->selectedItems().size(), 1);
        QCOMPARE(lista(n)->selectedItems().value(0)->text(), elegido);
        if (n == 1) {
            QCOMPARE(UnitM01::Palabra_Elegida, elegido);
            QCOMPARE(textos(lista(2)), elegido == u"Abandono" ? QStringList{u"233"_s} : QStringList{u"299"_s});
        } else {
            QCOMPARE(UnitM01::Articulo_Actual, elegido.toInt() + 1);
            QVERIFY(!resaltados().isEmpty());
        }
    }
    if (n == 1)
        QCOMPARE(UnitM01::Articulo_Actual, antes);
}

void TstReferencias::backspace_inEmptyList_doesNothing()
{
    COMPROBAR(escribir(u"x"_s));
    QCOMPARE(lista(1)->count(), 0);
    const int antes = UnitM01::Articulo_Actual;
    for (int n : {1, 2}) {
        lista(n)->setFocus();
        QTest::keyClick(lista(n), Qt::Key_Backspace);
        QTest::keyClick(lista(n), Qt::Key_Return);
        QTest::keyClick(lista(n), Qt::Key_Escape);
        QTest::keyClick(lista(n), Qt::Key_Down);
        QCOMPARE(lista(n)->count(), 0);
        QVERIFY(lista(n)->selectedItems().isEmpty());
    }
    QCOMPARE(UnitM01::Articulo_Actual, antes);
    QVERIFY(UnitM01::Palabra_Elegida.isEmpty());
    QVERIFY(!UnitM01::Resaltar_Palabra);
}

void TstReferencias::backspace_emptyingSearch_choosesFirstItem()
{
    COMPROBAR(escribir(u"abi"_s));
    COMPROBAR(elegir(lista(1), u"Abierto"_s));
    lista(2)->setFocus();
    teclear(lista(2), u"2"_s);
    QCOMPARE(UnitM01::Articulo_Actual, 273);
    // Enter is part of the search text: nothing begins with "2\r".
    QTest::keyClick(lista(2), Qt::Key_Return);
    QCOMPARE(lista(2)->currentRow(), 1);
    QTest::keyClick(lista(2), Qt::Key_Backspace);
    QCOMPARE(UnitM01::Articulo_Actual, 273);
    QTest::keyClick(lista(2), Qt::Key_Backspace);
    QCOMPARE(lista(2)->currentRow(), 0);
    QCOMPARE(UnitM01::Articulo_Actual, 71);
    QVERIFY(!resaltados().isEmpty());
}

void TstReferencias::pageChange_focusesEdit1WithTextSelected_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("click on the tab") << u"click"_s;
    QTest::newRow("arrow keys on the tab bar keep it") << u"arrow"_s;
    QTest::newRow("Ctrl+Tab inside the page") << u"ctrl+tab"_s;
}

void TstReferencias::pageChange_focusesEdit1WithTextSelected()
{
    QFETCH(QString, como);
    COMPROBAR(escribir(u"ab"_s));
    QTabBar *const barra = paginas()->tabBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(0).center());
    QCOMPARE(paginas()->currentIndex(), 0);
    QPushButton *const boton = ventana->findChild<QPushButton *>(u"Boton_0"_s);
    boton->setFocus();
    QVERIFY(!edit()->hasFocus());

    if (como == u"click") {
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(1).center());
    } else if (como == u"arrow") {
        barra->setFocus();
        QTest::keyClick(barra, Qt::Key_Right);
    } else {
        QTest::keyClick(boton, Qt::Key_Tab, Qt::ControlModifier);
    }
    QCOMPARE(paginas()->currentIndex(), 1);
    if (como == u"arrow") {
        // Browsing the tabs with the arrows leaves the keyboard on them, so the next tab is reached.
        QVERIFY(barra->hasFocus());
        QTest::keyClick(barra, Qt::Key_Right);
        QCOMPARE(paginas()->currentIndex(), 2);
        return;
    }
    QVERIFY(edit()->hasFocus());
    QCOMPARE(edit()->selectedText(), u"ab"_s);
    // Typing replaces the previous prefix.
    teclear(edit(), u"zu"_s);
    QCOMPARE(textos(lista(1)), QStringList{u"Zulia"_s});

    // The program setting the page is no page change.
    boton->setFocus();
    {
        const QSignalBlocker sinCambio(paginas());
        paginas()->setCurrentIndex(0);
    }
    ventana->FormActivate();
    QVERIFY(!edit()->hasFocus());
}

PRUEBA_MAIN(TstReferencias)
#include "tst_referencias.moc"
