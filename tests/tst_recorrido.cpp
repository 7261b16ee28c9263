// The whole reader walked with the keyboard alone, through the two windows as app/main.cpp
// makes them: every step is a key pressed on the widget with the focus, and after each one
// the test reads what the reader sees. The walk: preamble, article 157 by Ctrl+G, a division
// of the index tree, a word's entry on the "Referencias" page, back twice, the statistics
// sorted by "Veces", the About dialog opened, widened, its links reached and closed.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "enlaces_abiertos.h"
#include "estado_lector.h"
#include "form1.h"
#include "forma_acerca.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QWidget *foco()
{
    return QApplication::focusWidget();
}

QString nombreFoco()
{
    return foco() ? foco()->objectName() : u"(none)"_s;
}

// A key pressed wherever the focus is now, as a user would.
void tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(foco(), k, m);
}

// The same key pressed n times, each on the widget with the focus at the time.
void teclas(int n, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    for (int i = 0; i < n; ++i)
        tecla(k, m);
}

} // namespace

class TstRecorrido : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void walk_withoutTheMouse();

private:
    EnlacesAbiertos enlaces;
};

void TstRecorrido::initTestCase()
{
    // A link reached by mistake must not start a browser.
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), &enlaces, "abrir");
}

void TstRecorrido::cleanupTestCase()
{
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
}

void TstRecorrido::walk_withoutTheMouse()
{
    Form1 form1;
    Forma_Acerca formaAcerca;
    form1.show();
    form1.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form1));
    QVERIFY(esperarArranque(&form1));
    const auto hijo = [&form1](const char *nombre) { return form1.findChild<QWidget *>(QString::fromLatin1(nombre)); };
    auto *const rotulo = qobject_cast<QLabel *>(hijo("StaticText1"));
    auto *const arbol = qobject_cast<QTreeWidget *>(hijo("TreeView1"));
    auto *const paginas = qobject_cast<QTabWidget *>(hijo("PageControl1"));
    auto *const palabras = qobject_cast<QListWidget *>(hijo("ListBox1"));
    auto *const entradas = qobject_cast<QListWidget *>(hijo("ListBox2"));
    auto *const estadisticas = qobject_cast<QTableView *>(hijo("ListView1"));
    QVERIFY(rotulo && arbol && paginas && palabras && entradas && estadisticas);
    const auto nodo = [arbol] { return arbol->currentItem() ? arbol->currentItem()->text(0) : QString(); };

    // The program opens on the preamble, the keyboard on the go button.
    QCOMPARE(rotulo->text(), u"Preámbulo"_s);
    QCOMPARE(nombreFoco(), u"Boton_Cunsultar_Articulo"_s);

    // Ctrl+G, 1, 5, 7, Enter: article 157, and the keyboard back where it was.
    for (const QKeyCombination k : {Qt::CTRL | Qt::Key_G, QKeyCombination(Qt::Key_1), QKeyCombination(Qt::Key_5),
                                    QKeyCombination(Qt::Key_7), QKeyCombination(Qt::Key_Return)})
        tecla(k.key(), k.keyboardModifiers());
    QCOMPARE(rotulo->text(), u"Artículo 157"_s);
    QCOMPARE(nombreFoco(), u"Boton_Cunsultar_Articulo"_s);
    QCOMPARE(nodo(), u"Capítulo II De la Competencia del Poder Público Nacional"_s);

    // Tab nine times (the seven menu buttons, the tabs) to the index tree; Down selects the
    // next division without showing it, Enter opens it at its first entry.
    teclas(9, Qt::Key_Tab);
    QCOMPARE(nombreFoco(), u"TreeView1"_s);
    tecla(Qt::Key_Down);
    QCOMPARE(nodo(), u"Capítulo III Del Poder Público Estadal"_s);
    QCOMPARE(rotulo->text(), u"Artículo 157"_s);
    tecla(Qt::Key_Return);
    QCOMPARE(rotulo->text(), u"Artículo 159"_s);
    QCOMPARE(nodo(), u"Capítulo III Del Poder Público Estadal"_s);

    // Ctrl+Tab: the "Referencias" page, the keyboard in its prefix box.
    tecla(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(paginas->currentWidget()->objectName(), u"Pagina_Referencias"_s);
    QCOMPARE(nombreFoco(), u"Edit1"_s);
    QTest::keyClicks(foco(), u"estadal"_s);
    QCOMPARE(palabras->count(), 2);
    QCOMPARE(palabras->item(0)->text(), u"Estadal"_s);
    QCOMPARE(entradas->count(), 0);
    // Tab to the word list, Down chooses its first word: the word's entries fill the other list.
    tecla(Qt::Key_Tab);
    QCOMPARE(nombreFoco(), u"ListBox1"_s);
    tecla(Qt::Key_Down);
    QVERIFY(palabras->currentItem());
    QCOMPARE(palabras->currentItem()->text(), u"Estadal"_s);
    QCOMPARE(entradas->count(), 12);
    QCOMPARE(entradas->item(0)->text(), u"71"_s);
    QCOMPARE(rotulo->text(), u"Artículo 159"_s);
    // Tab to the entry list, Down shows its first entry.
    tecla(Qt::Key_Tab);
    QCOMPARE(nombreFoco(), u"ListBox2"_s);
    tecla(Qt::Key_Down);
    QCOMPARE(rotulo->text(), u"Artículo 71"_s);
    QVERIFY(entradas->currentItem());
    QCOMPARE(entradas->currentItem()->text(), u"71"_s);

    // Alt+Left twice: back along the entries shown, to the tree's division, then to 157.
    tecla(Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(rotulo->text(), u"Artículo 159"_s);
    tecla(Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(rotulo->text(), u"Artículo 157"_s);
    QCOMPARE(nombreFoco(), u"ListBox2"_s);

    // Ctrl+Tab: the statistics page, the keyboard in its list; Ctrl+3 sorts by "Veces".
    tecla(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(paginas->currentWidget()->objectName(), u"Tab_Estdisticas"_s);
    QCOMPARE(nombreFoco(), u"ListView1"_s);
    tecla(Qt::Key_3, Qt::ControlModifier);
    const QHeaderView *const cabecera = estadisticas->horizontalHeader();
    QCOMPARE(cabecera->sortIndicatorSection(), 2);
    QCOMPARE(cabecera->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(estadisticas->model()->index(0, 0).data().toString(), u"República"_s);
    QVERIFY(estadisticas->model()->index(0, 2).data().toInt() >= estadisticas->model()->index(1, 2).data().toInt());

    // Shift+Tab three times (the tabs, the close button) to the About button.
    teclas(3, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(nombreFoco(), u"Boton_Menu_Acerca_"_s);

    // Enter runs the dialog modally; its steps are taken from inside its loop.
    bool enDialogo = false, oculta = false, ampliado = false, escapeRechazado = false, cerrado = false;
    QStringList enfocados; // what Tab reached after the note
    QTimer::singleShot(0, this, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&formaAcerca));
        QCOMPARE(QApplication::activeModalWidget(), &formaAcerca);
        enDialogo = true;
        oculta = !form1.isVisible();
        auto *const flecha = formaAcerca.findChild<QPushButton *>(u"Boton_Flecha"_s);
        // The keyboard starts on the dialog's button; Enter widens the dialog.
        QCOMPARE(nombreFoco(), u"Boton_Flecha"_s);
        tecla(Qt::Key_Return);
        ampliado = flecha->text() == u"Cerrar"_s && formaAcerca.frameGeometry().width() == 576
                   && formaAcerca.findChild<QWidget *>(u"Panel_Acerca_Der"_s)->isVisible();
        // Tab: the note, the mail link, the web link.
        tecla(Qt::Key_Tab);
        QCOMPARE(nombreFoco(), u"wwDBRichEdit1"_s);
        tecla(Qt::Key_Tab);
        enfocados << nombreFoco();
        tecla(Qt::Key_Tab);
        enfocados << nombreFoco();
        // Escape is refused like every close but the button's.
        tecla(Qt::Key_Escape);
        escapeRechazado = formaAcerca.isVisible();
        // Tab goes round to the button, now "Cerrar"; Enter closes the dialog.
        tecla(Qt::Key_Tab);
        QCOMPARE(nombreFoco(), u"Boton_Flecha"_s);
        tecla(Qt::Key_Return);
        cerrado = !formaAcerca.isVisible();
    });
    // Should the dialog not close, end its loop so that the test reports instead of hanging.
    QTimer::singleShot(10000, &formaAcerca, [&] { formaAcerca.done(QDialog::Rejected); });
    tecla(Qt::Key_Return);
    QVERIFY(enDialogo);
    QVERIFY(oculta);
    QVERIFY(ampliado);
    QCOMPARE(enfocados, (QStringList{u"MyMailAddress"_s, u"MyWebAddress"_s}));
    QVERIFY(escapeRechazado);
    QVERIFY(cerrado);
    QVERIFY(form1.isVisible());
    // The main window is back as it was left, the keyboard on the About button.
    QVERIFY(QTest::qWaitForWindowActive(&form1));
    QCOMPARE(nombreFoco(), u"Boton_Menu_Acerca_"_s);
    QCOMPARE(rotulo->text(), u"Artículo 157"_s);
    // No link was opened on the way.
    QCOMPARE(enlaces.abiertos.size(), 0);
}

PRUEBA_MAIN(TstRecorrido)
#include "tst_recorrido.moc"
