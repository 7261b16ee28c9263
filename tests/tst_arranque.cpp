// The main window in two stages: the first frame is painted with only what it shows (the
// bands, the text, the index page, the tab captions); the other two pages, the About dialog
// and the statistics rows are made right after it. Once the event loop has first gone idle
// after that frame, every named widget exists as one window built in one go would have it,
// in the same Tab order; a page or the About dialog asked for before then is made at once.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "casos_atajos.h"
#include "dialogos_impresion.h"
#include "estado_lector.h"
#include "form1.h"
#include "forma_acerca.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Every named object of both windows: name, class, parent's name.
struct Nombrado {
    const char *nombre;
    const char *clase;
    const char *padre;
};

constexpr Nombrado ArbolCompleto[] = {
    {"Form1", "Form1", ""},
    {"Panel_Menu", "QFrame", "Form1"},
    {"Panel4", "QFrame", "Panel_Menu"},
    {"Panel2", "QFrame", "Panel4"},
    {"StaticText12", "QLabel", "Panel2"},
    {"SpinButton1", "SpinButton", "Panel2"},
    {"Repeticion", "QTimer", "SpinButton1"},
    {"Panel3", "QFrame", "Panel4"},
    {"StaticText13", "QLabel", "Panel3"},
    {"SpinButton2", "SpinButton", "Panel3"},
    {"Repeticion", "QTimer", "SpinButton2"},
    {"Panel5", "QFrame", "Panel4"},
    {"StaticText14", "QLabel", "Panel5"},
    {"SpinButton3", "SpinButton", "Panel5"},
    {"Repeticion", "QTimer", "SpinButton3"},
    {"Panel11", "QFrame", "Panel4"},
    {"Boton_Cunsultar_Articulo", "BotonPlano", "Panel4"},
    {"Grupo_Botones_Menu", "QFrame", "Panel_Menu"},
    {"Boton_Menu_Primero_", "BotonPlano", "Grupo_Botones_Menu"},
    {"Boton_Menu_Anterior_", "BotonPlano", "Grupo_Botones_Menu"},
    {"Boton_Menu_Siguiente_", "BotonPlano", "Grupo_Botones_Menu"},
    {"Boton_Menu_Ultimo_", "BotonPlano", "Grupo_Botones_Menu"},
    {"Boton_Menu_Indice_", "BotonPlano", "Grupo_Botones_Menu"},
    {"Boton_Menu_Acerca_", "BotonPlano", "Grupo_Botones_Menu"},
    {"Boton_Menu_Cerrar_", "BotonPlano", "Grupo_Botones_Menu"},
    {"Panel6", "QFrame", "Panel_Menu"},
    {"Panel8", "QFrame", "Panel6"},
    {"Panel9", "QFrame", "Panel6"},
    {"Panel10", "QFrame", "Panel6"},
    {"Panel_Titulos", "QFrame", "Form1"},
    {"Panel_Titulos_Left", "QFrame", "Panel_Titulos"},
    {"StaticText2", "QLabel", "Panel_Titulos_Left"},
    {"StaticText3", "QLabel", "Panel_Titulos_Left"},
    {"StaticText4", "QLabel", "Panel_Titulos_Left"},
    {"Panel_Titulos_Right", "QFrame", "Panel_Titulos"},
    {"StaticText5", "QLabel", "Panel_Titulos_Right"},
    {"StaticText6", "QLabel", "Panel_Titulos_Right"},
    {"StaticText7", "QLabel", "Panel_Titulos_Right"},
    {"Panel_Cuerpo", "QFrame", "Form1"},
    {"Splitter1", "QSplitter", "Panel_Cuerpo"},
    {"Panel1", "QFrame", "Splitter1"},
    {"StaticText1", "QLabel", "Panel1"},
    {"ColorMemo1", "RichTextView", "Panel1"},
    {"PageControl1", "QTabWidget", "Splitter1"},
    {"Tab_Estdisticas", "QWidget", "qt_tabwidget_stackedwidget"},
    {"ListView1", "QTableView", "Tab_Estdisticas"},
    {"Pagina_Referencias", "QWidget", "qt_tabwidget_stackedwidget"},
    {"StaticText8", "QLabel", "Pagina_Referencias"},
    {"Panel7", "QFrame", "Pagina_Referencias"},
    {"Edit1", "QLineEdit", "Panel7"},
    {"Panel12", "QFrame", "Pagina_Referencias"},
    {"ListBox1", "ListaConBusqueda", "Panel12"},
    {"Panel13", "QFrame", "Pagina_Referencias"},
    {"ListBox2", "ListaConBusqueda", "Panel13"},
    {"Pagina_Indice", "QWidget", "qt_tabwidget_stackedwidget"},
    {"StaticText9", "QLabel", "Pagina_Indice"},
    {"TreeView1", "VetoTreeWidget", "Pagina_Indice"},
    {"Boton_0", "BotonPlano", "Pagina_Indice"},
    {"Boton_1", "BotonPlano", "Pagina_Indice"},
    {"Boton_2", "BotonPlano", "Pagina_Indice"},
    {"Boton_3", "BotonPlano", "Pagina_Indice"},
    {"ScrollLeftButton", "QToolButton", "qt_tabwidget_tabbar"},
    {"ScrollRightButton", "QToolButton", "qt_tabwidget_tabbar"},
    {"Atajo_Atras", "QAction", "Form1"},
    {"Atajo_Adelante", "QAction", "Form1"},
    {"Atajo_Anterior", "QAction", "Form1"},
    {"Atajo_Siguiente", "QAction", "Form1"},
    {"Atajo_Primero", "QAction", "Form1"},
    {"Atajo_Ultimo", "QAction", "Form1"},
    {"Atajo_Selector", "QAction", "Form1"},
    {"Atajo_Ampliar", "QAction", "Form1"},
    {"Atajo_Reducir", "QAction", "Form1"},
    {"Atajo_Tamano_Disenado", "QAction", "Form1"},
    {"Atajo_Copiar_Cita", "QAction", "Form1"},
    {"Atajo_Buscar", "QAction", "Form1"},
    {"Atajo_Buscar_Siguiente", "QAction", "Form1"},
    {"Atajo_Buscar_Anterior", "QAction", "Form1"},
    {"Atajo_Imprimir", "QAction", "Form1"},
    {"Atajo_Vista_Previa", "QAction", "Form1"},
    // The statistics heading's proxy style makes its base style, the platform's, on first use.
    {"Forma_Acerca", "Forma_Acerca", ""},
    {"Panel_Acerca_Izq", "QFrame", "Forma_Acerca"},
    {"Imagen", "Imagen", "Panel_Acerca_Izq"},
    {"Bevel2", "QFrame", "Panel_Acerca_Izq"},
    {"Boton_Flecha", "BotonPlano", "Panel_Acerca_Izq"},
    {"Bevel1", "QFrame", "Forma_Acerca"},
    {"Panel_Acerca_Der", "QFrame", "Forma_Acerca"},
    {"Panel_Datos_Mios", "QFrame", "Panel_Acerca_Der"},
    {"Label_Autor", "QLabel", "Panel_Datos_Mios"},
    {"Label_EMail", "QLabel", "Panel_Datos_Mios"},
    {"Label_Web", "QLabel", "Panel_Datos_Mios"},
    {"Label_Telefonos", "QLabel", "Panel_Datos_Mios"},
    {"Label_Direccion", "QLabel", "Panel_Datos_Mios"},
    {"Muestra1", "QLabel", "Panel_Datos_Mios"},
    {"Muestra4", "QLabel", "Panel_Datos_Mios"},
    {"Muestra5", "QLabel", "Panel_Datos_Mios"},
    {"Muestra6", "QLabel", "Panel_Datos_Mios"},
    {"Panel_Correo", "QFrame", "Panel_Datos_Mios"},
    {"MyMailAddress", "QLabel", "Panel_Correo"},
    {"Panel_Web", "QFrame", "Panel_Datos_Mios"},
    {"MyWebAddress", "QLabel", "Panel_Web"},
    {"wwDBRichEdit1", "RichTextView", "Panel_Acerca_Der"},
    {"Timer1", "QTimer", "Forma_Acerca"},
};

// The controls Tab walks through in the main window, in order.
const QStringList OrdenTab{
    u"Boton_Cunsultar_Articulo"_s, u"Boton_Menu_Primero_"_s, u"Boton_Menu_Anterior_"_s, u"Boton_Menu_Siguiente_"_s,
    u"Boton_Menu_Ultimo_"_s, u"Boton_Menu_Indice_"_s, u"Boton_Menu_Acerca_"_s, u"Boton_Menu_Cerrar_"_s,
    u"PageControl1"_s, u"qt_tabwidget_tabbar"_s, u"ScrollLeftButton"_s, u"ScrollRightButton"_s,
    u"TreeView1"_s, u"Boton_0"_s, u"Boton_1"_s, u"Boton_2"_s, u"Boton_3"_s,
    u"Edit1"_s, u"ListBox1"_s, u"ListBox2"_s, u"ListView1"_s, u"ColorMemo1"_s,
};

// The named objects under a window, as "name class parent", sorted. The focus frame is left
// out: it moves to wherever the keyboard is.
QStringList arbol(const QObject *raiz)
{
    QStringList filas;
    QList<QObject *> objetos = raiz->findChildren<QObject *>();
    objetos.prepend(const_cast<QObject *>(raiz));
    for (const QObject *o : std::as_const(objetos)) {
        const QString nombre = o->objectName();
        if (nombre.isEmpty() || nombre.startsWith(u"qt_"_s) || nombre == u"MarcoFoco"_s)
            continue;
        filas << nombre + u' ' + QLatin1String(o->metaObject()->className()) + u' '
                     + (o->parent() ? o->parent()->objectName() : QString());
    }
    filas.sort();
    return filas;
}

QStringList ordenTab(QWidget *ventana)
{
    QStringList orden;
    QWidget *w = ventana;
    do {
        if (!w->objectName().isEmpty() && (w->focusPolicy() & Qt::TabFocus))
            orden << w->objectName();
        w = w->nextInFocusChain();
    } while (w != ventana);
    return orden;
}

// Runs accion in the turn of the event loop right after the window's first frame, before
// anything the window itself leaves for then: what a reader's click or key already
// waiting when the frame comes out meets.
class AlPrimerCuadro : public QObject
{
public:
    AlPrimerCuadro(QWidget *ventana, std::function<void()> accion)
        : accion(std::move(accion))
    {
        ventana->installEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && accion) {
            objeto->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(accion, {}));
        }
        return false;
    }

private:
    std::function<void()> accion;
};

} // namespace

class TstArranque : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstFrame_showsOnlyWhatItPaints_restIsMadeBeforeTheLoopIdles();
    void pageChosenBeforeItIsMade_opensMadeAndLaidOut_data();
    void pageChosenBeforeItIsMade_opensMadeAndLaidOut();
    void aboutButton_asTheFirstEvent_makesAndRunsTheOneDialog();
    void windowKey_asTheFirstEvent_data() { casosTeclas(); }
    void windowKey_asTheFirstEvent();
};

void TstArranque::init()
{
    QVERIFY(!Forma_Acerca::Instancia());
}

void TstArranque::firstFrame_showsOnlyWhatItPaints_restIsMadeBeforeTheLoopIdles()
{
    Form1 ventana;
    QStringList faltanAlPintar, presentesAlPintar;
    bool pintada = false;
    QStringList arbolOcioso, tabOcioso;
    int filasOcioso = -1;
    AlPrimerCuadro alPintar(&ventana, [&] {
        pintada = true;
        for (const char *nombre : {"Edit1", "ListBox1", "ListBox2", "StaticText8", "ListView1"})
            (ventana.findChild<QObject *>(QLatin1String(nombre)) ? presentesAlPintar : faltanAlPintar)
                << QLatin1String(nombre);
        if (Forma_Acerca::Instancia())
            presentesAlPintar << u"Forma_Acerca"_s;
    });
    // The first time the loop would wait for events after the frame.
    QEventLoop bucle;
    const QMetaObject::Connection ocio =
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [&] {
            if (!pintada || !arbolOcioso.isEmpty())
                return;
            arbolOcioso = arbol(&ventana);
            if (Forma_Acerca::Instancia())
                arbolOcioso += arbol(Forma_Acerca::Instancia());
            arbolOcioso.sort();
            tabOcioso = ordenTab(&ventana);
            if (const auto *lista = ventana.findChild<QTableView *>(u"ListView1"_s))
                filasOcioso = lista->model()->rowCount();
            bucle.quit();
        });
    QTimer::singleShot(10000, &bucle, &QEventLoop::quit);
    ventana.show();
    bucle.exec(); // a loop that waits when it has nothing to do, as the program's does
    disconnect(ocio);
    QVERIFY(!arbolOcioso.isEmpty());

    // The frame: activated (preamble on screen), the other pages still bare tabs.
    QCOMPARE(presentesAlPintar, QStringList());
    QCOMPARE(faltanAlPintar.size(), 5);
    QCOMPARE(ventana.findChild<QLabel *>(u"StaticText1"_s)->text(), u"Preámbulo"_s);
    auto *const paginas = ventana.findChild<QTabWidget *>(u"PageControl1"_s);
    QCOMPARE(paginas->count(), 3);
    QCOMPARE(paginas->tabText(1), u"Referencias"_s);
    QCOMPARE(paginas->tabText(2), u"Estdísticas"_s);

    // Idle: the whole tree, the Tab order, the statistics rows.
    QStringList esperado;
    for (const Nombrado &n : ArbolCompleto)
        esperado << QLatin1String(n.nombre) + u' ' + QLatin1String(n.clase) + u' ' + QLatin1String(n.padre);
    esperado.sort();
    QCOMPARE(arbolOcioso, esperado);
    QCOMPARE(tabOcioso, OrdenTab);
    QCOMPARE(filasOcioso, 4204);
    // The made pages wait behind their tabs, as if made with the window.
    QCOMPARE(paginas->currentWidget()->objectName(), u"Pagina_Indice"_s);
    QVERIFY(!ventana.findChild<QWidget *>(u"Edit1"_s)->isVisible());
    QVERIFY(ventana.findChild<QWidget *>(u"ListBox1"_s)->isHidden());
    QVERIFY(!Forma_Acerca::Instancia()->isVisible());
}

void TstArranque::pageChosenBeforeItIsMade_opensMadeAndLaidOut_data()
{
    QTest::addColumn<int>("pagina");
    QTest::addColumn<bool>("conRaton");
    QTest::addColumn<QKeyCombination>("tecla");
    QTest::newRow("Referencias, click on its tab") << 1 << true << QKeyCombination();
    QTest::newRow("Referencias, Ctrl+Tab") << 1 << false << (Qt::CTRL | Qt::Key_Tab);
    QTest::newRow("Estdísticas, click on its tab") << 2 << true << QKeyCombination();
    QTest::newRow("Estdísticas, Ctrl+Shift+Tab") << 2 << false << (Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);
}

// The reader's click or key, already waiting when the first frame comes out, meets the page
// not yet made: it opens made, shown and laid out exactly as in a window whose start-up is
// over, before the loop paints again; "Referencias" with the keyboard in Edit1.
void TstArranque::pageChosenBeforeItIsMade_opensMadeAndLaidOut()
{
    QFETCH(int, pagina);
    QFETCH(bool, conRaton);
    QFETCH(QKeyCombination, tecla);
    const QStringList contenido = pagina == 1
        ? QStringList{u"StaticText8"_s, u"Panel7"_s, u"Edit1"_s, u"Panel12"_s, u"Panel13"_s}
        : QStringList{u"ListView1"_s};

    // Where each widget of the page sits in a window whose start-up is over.
    QHash<QString, QRect> sitios;
    {
        Form1 hecha;
        hecha.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hecha));
        QVERIFY(esperarArranque(&hecha));
        hecha.findChild<QTabWidget *>(u"PageControl1"_s)->setCurrentIndex(pagina);
        for (const QString &nombre : contenido) {
            const QWidget *w = hecha.findChild<QWidget *>(nombre);
            sitios[nombre] = QRect(w->mapTo(&hecha, QPoint()), w->size());
        }
    }

    Form1 ventana;
    bool hecho = false;
    AlPrimerCuadro accion(&ventana, [&] {
        QVERIFY(!ventana.findChild<QWidget *>(contenido.first()));
        auto *const paginas = ventana.findChild<QTabWidget *>(u"PageControl1"_s);
        if (conRaton) {
            QTest::mouseClick(paginas->tabBar(), Qt::LeftButton, {}, paginas->tabBar()->tabRect(pagina).center());
        } else {
            QWidget *const arbol = ventana.findChild<QWidget *>(u"TreeView1"_s);
            arbol->setFocus();
            QTest::keyClick(arbol, tecla.key(), tecla.keyboardModifiers());
        }
        QCOMPARE(paginas->currentIndex(), pagina);
        for (const QString &nombre : contenido) {
            const QWidget *w = ventana.findChild<QWidget *>(nombre);
            QVERIFY2(w, qPrintable(nombre));
            QVERIFY2(w->isVisible(), qPrintable(nombre));
            QCOMPARE(QRect(w->mapTo(&ventana, QPoint()), w->size()), sitios.value(nombre));
        }
        if (pagina == 1) {
            QCOMPARE(ventana.focusWidget(), ventana.findChild<QWidget *>(u"Edit1"_s));
        } else {
            const auto *const lista = ventana.findChild<QTableView *>(u"ListView1"_s);
            QCOMPARE(lista->model()->rowCount(), 4204);
            QCOMPARE(lista->model()->index(0, 0).data().toString(), u"Abandono"_s);
        }
        hecho = true;
    });
    ventana.show();
    ventana.activateWindow();
    QTRY_VERIFY(hecho);
    QVERIFY(esperarArranque(&ventana));
    QCOMPARE(ventana.findChildren<QLineEdit *>(u"Edit1"_s).size(), 1);
}

// The About button as the reader's first act, before the dialog has been made: the one
// dialog is made then and runs; the start-up finishing meanwhile makes no second one, and
// closing it brings back the main window as it was.
void TstArranque::aboutButton_asTheFirstEvent_makesAndRunsTheOneDialog()
{
    Form1 ventana;
    bool hecho = false, sinDialogoAntes = false, modal = false, cerrado = false;
    QStringList dialogos;
    AlPrimerCuadro accion(&ventana, [&] {
        sinDialogoAntes = !Forma_Acerca::Instancia();
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() == Forma_Acerca::Instancia());
            modal = !ventana.isVisible();
            QVERIFY(esperarArranque(&ventana)); // the rest of the start-up, under the dialog
            auto *const flecha = Forma_Acerca::Instancia()->findChild<QPushButton *>(u"Boton_Flecha"_s);
            QTest::mouseClick(flecha, Qt::LeftButton);
            QTest::mouseClick(flecha, Qt::LeftButton);
            cerrado = !Forma_Acerca::Instancia()->isVisible();
        });
        QTimer::singleShot(10000, this, [] {
            if (Forma_Acerca *const d = Forma_Acerca::Instancia())
                d->done(QDialog::Rejected);
        });
        QTest::mouseClick(ventana.findChild<QPushButton *>(u"Boton_Menu_Acerca_"_s), Qt::LeftButton);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<Forma_Acerca *>(w))
                dialogos << w->objectName();
        hecho = true;
    });
    ventana.show();
    QTRY_VERIFY(hecho);
    QVERIFY(sinDialogoAntes);
    QVERIFY(modal);
    QVERIFY(cerrado);
    QCOMPARE(dialogos, QStringList{u"Forma_Acerca"_s});
    QVERIFY(ventana.isVisible());
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    QCOMPARE(ventana.findChild<QLabel *>(u"StaticText1"_s)->text(), u"Preámbulo"_s);
}

// Every key of the window pressed before the rest of the window exists does what it does
// with no pages behind it (F3 with no search and no word chosen does nothing), and the
// start-up then finishes as always.
void TstArranque::windowKey_asTheFirstEvent()
{
    QFETCH(int, tecla);
    const QKeyCombination combinacion = QKeyCombination::fromCombined(tecla);
    const CierreDialogosImpresion cierre; // Ctrl+P and Ctrl+Shift+P open a dialog
    Form1 ventana;
    bool hecho = false;
    AlPrimerCuadro accion(&ventana, [&] {
        QVERIFY(!ventana.findChild<QWidget *>(u"Edit1"_s));
        QWidget *const foco = ventana.focusWidget() ? ventana.focusWidget() : &ventana;
        QTest::keyClick(foco, combinacion.key(), combinacion.keyboardModifiers());
        hecho = true;
    });
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    QTRY_VERIFY(hecho);
    QVERIFY(esperarArranque(&ventana));
    QVERIFY(UnitM01::Articulo_Actual >= 1 && UnitM01::Articulo_Actual <= 371);
    QCOMPARE(ventana.findChildren<QLineEdit *>(u"Edit1"_s).size(), 1);
}

PRUEBA_MAIN(TstArranque)
#include "tst_arranque.moc"
