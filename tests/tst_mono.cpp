// A monkey soak: the real main window and the About dialog under a seeded stream of
// random user events (clicks anywhere, spin presses and holds, tree clicks and keys,
// typing and pasting into Edit1, list keys, tab switches, splitter drags, the index
// pane hidden and shown, resizes down to a few pixels, the window's own keys and the
// mouse's back and forward buttons, the About dialog opened and closed). After every
// event the reader must still be consistent: the entry on screen, its caption, its text,
// the selector and the tree selection agree with each other.
//     MONO_SEMILLA=<seed> MONO_EVENTOS=<count> tst_mono
// The seed is printed first; running again with it replays the same stream.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "dialogos_impresion.h"
#include "divisiones.h"
#include "entradas.h"
#include "estado_lector.h"
#include "form1.h"
#include "form1_atajos.h"
#include "forma_acerca.h"
#include "richtextview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace {

quint64 variableEntera(const char *nombre, quint64 porDefecto)
{
    bool ok = false;
    const quint64 v = qEnvironmentVariable(nombre).toULongLong(&ok);
    return ok ? v : porDefecto;
}

// Receives the links the About dialog asks the desktop to open, so none leaves the test.
class Enlaces : public QObject
{
    Q_OBJECT

public:
    int abiertos = 0;

public slots:
    void abrir(const QUrl &) { ++abiertos; }
};

} // namespace

class TstMono : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomEvents_keepTheReaderConsistent();

private:
    // The stream of events: each kind with its weight.
    struct Paso {
        int peso;
        const char *nombre;
        void (TstMono::*hacer)();
    };
    static std::span<const Paso> pasos();
    void unEvento();
    void clicEnCualquierParte();
    void botonDeMenu();
    void giro();
    void clicEnArbol();
    void teclaEnArbol();
    void escribirEnEdit1();
    void pegarEnEdit1();
    void teclaEnLista();
    void cambioDePagina();
    void arrastrarSeparador();
    void redimensionar();
    void tabulador();
    void rueda();
    void columnaEstadisticas();
    void atajo();
    void abrirAcerca();
    void pasoEnAcerca();

    // What the reader must show after every event; empty when it does.
    QString incoherencia() const;
    QString estadoVisible() const;
    int nodoEsperado() const;
    bool visible(QWidget *w) const { return w && w->isVisible() && w->width() > 0 && w->height() > 0; }
    QPoint puntoEn(const QWidget *w) const
    {
        return {int(azar.bounded(qMax(1, w->width()))), int(azar.bounded(qMax(1, w->height())))};
    }
    QString textoAlAzar(int largo) const;
    template <typename W>
    W *hijo(const char *nombre) const
    {
        return ventana->findChild<W *>(QString::fromLatin1(nombre));
    }
    QWidget *enfocar(QWidget *w);
    void teclear(QWidget *w, const QString &texto);
    void anotar(const QString &evento);

    mutable QRandomGenerator azar;
    quint64 semilla = 0;
    qint64 eventos = 0;
    std::unique_ptr<Form1> ventana;
    std::unique_ptr<Forma_Acerca> acerca;
    Enlaces enlaces;
    QTimer vigilante; // serves the About dialog, also from inside its modal loop
    int pasosAcerca = 0; // random steps left in the open dialog
    int cierres = 0;     // presses of its button to close it
    QString fallaAcerca;
    std::vector<qint64> cuenta = std::vector<qint64>(pasos().size()); // events of each kind
    std::vector<qint64> milisegundos = std::vector<qint64>(pasos().size()); // and the time they took
    std::deque<QString> ultimos; // the last events, printed with a failure
    qint64 numero = 0;
    bool arbolMovidoConTeclas = false; // the tree selection was moved by keys since the last display
    int mostrados = 0;                 // text changes of ColorMemo1: one per display
};

void TstMono::initTestCase()
{
    semilla = variableEntera("MONO_SEMILLA", QRandomGenerator::system()->generate());
    eventos = qint64(variableEntera("MONO_EVENTOS", 2000));
    azar.seed(quint32(semilla));
    qInfo("monkey seed %llu, %lld events (replay with MONO_SEMILLA=%llu)", semilla, eventos, semilla);

    for (const char *esquema : {"mailto", "http", "https", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), &enlaces, "abrir");

    ventana = std::make_unique<Form1>();
    acerca = std::make_unique<Forma_Acerca>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    connect(hijo<RichTextView>("ColorMemo1"), &RichTextView::textChanged, this, [this] { ++mostrados; });
    // "0" keeps the selection the previous depth made until the next display, however pressed.
    if (auto *const cero = hijo<QAbstractButton>("Boton_0"))
        connect(cero, &QAbstractButton::clicked, this, [this] { arbolMovidoConTeclas = true; });
    vigilante.setInterval(2);
    connect(&vigilante, &QTimer::timeout, this, &TstMono::pasoEnAcerca);
    vigilante.start();
}

void TstMono::cleanupTestCase()
{
    vigilante.stop();
    for (const char *esquema : {"mailto", "http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
    acerca.reset();
    ventana.reset();
}

void TstMono::randomEvents_keepTheReaderConsistent()
{
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    for (numero = 1; numero <= eventos; ++numero) {
        const int antes = mostrados;
        unEvento();
        QCoreApplication::processEvents();
        // Wait out an About dialog shown without a modal loop of its own.
        QDeadlineTimer plazo(20000);
        while (acerca->isVisible() && !plazo.hasExpired())
            QTest::qWait(2);
        QVERIFY2(!acerca->isVisible(), "the About dialog did not close");
        if (mostrados != antes)
            arbolMovidoConTeclas = false;
        const QString falla = fallaAcerca.isEmpty() ? incoherencia() : fallaAcerca;
        if (!falla.isEmpty()) {
            QString historia;
            for (const QString &e : ultimos)
                historia += QStringLiteral("\n  ") + e;
            QFAIL(qPrintable(QStringLiteral("after event %1 (seed %2): %3\nlast events:%4")
                                 .arg(numero)
                                 .arg(semilla)
                                 .arg(falla, historia)));
        }
        if (numero % 1000 == 0)
            qInfo("%lld events, entry %d", numero, UnitM01::Articulo_Actual);
    }
    qInfo("%lld events without a fault; %d links sent to the desktop", eventos, enlaces.abiertos);
    for (size_t i = 0; i < pasos().size(); ++i)
        qInfo("%-22s %7lld events %8lld ms", pasos()[i].nombre, cuenta[i], milisegundos[i]);
}

void TstMono::anotar(const QString &evento)
{
    ultimos.push_back(QStringLiteral("%1: %2").arg(numero).arg(evento));
    if (ultimos.size() > 25)
        ultimos.pop_front();
}

std::span<const TstMono::Paso> TstMono::pasos()
{
    static const Paso lista[] = {
        {16, "clicEnCualquierParte", &TstMono::clicEnCualquierParte},
        {10, "botonDeMenu", &TstMono::botonDeMenu},
        {10, "giro", &TstMono::giro},
        {9, "clicEnArbol", &TstMono::clicEnArbol},
        {7, "teclaEnArbol", &TstMono::teclaEnArbol},
        {10, "escribirEnEdit1", &TstMono::escribirEnEdit1},
        {3, "pegarEnEdit1", &TstMono::pegarEnEdit1},
        {8, "teclaEnLista", &TstMono::teclaEnLista},
        {6, "cambioDePagina", &TstMono::cambioDePagina},
        {3, "arrastrarSeparador", &TstMono::arrastrarSeparador},
        {3, "redimensionar", &TstMono::redimensionar},
        {5, "tabulador", &TstMono::tabulador},
        {2, "rueda", &TstMono::rueda},
        {2, "columnaEstadisticas", &TstMono::columnaEstadisticas},
        {6, "atajo", &TstMono::atajo},
        {1, "abrirAcerca", &TstMono::abrirAcerca},
    };
    return lista;
}

void TstMono::unEvento()
{
    int total = 0;
    for (const Paso &p : pasos())
        total += p.peso;
    size_t i = 0;
    for (int r = int(azar.bounded(total)); r >= pasos()[i].peso; ++i)
        r -= pasos()[i].peso;
    QElapsedTimer reloj;
    reloj.start();
    (this->*pasos()[i].hacer)();
    QCoreApplication::processEvents();
    ++cuenta[i];
    milisegundos[i] += reloj.elapsed();
}

QWidget *TstMono::enfocar(QWidget *w)
{
    if (w && w->isVisible()) {
        w->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
    }
    return w;
}

// Types a text one character at a time (a surrogate pair as one key), as a keyboard
// or an input method delivers it.
void TstMono::teclear(QWidget *w, const QString &texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const qsizetype n = texto[i].isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const char16_t c = texto[i].unicode();
        Qt::Key tecla = Qt::Key_unknown;
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u' ')
            tecla = Qt::Key(QChar(c).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, w, tecla, texto.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
}

QString TstMono::textoAlAzar(int largo) const
{
    static const QString muestras[] = {
        QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
        QStringLiteral("áéíóúüñÁÉÍÓÚÜÑçàè"),
        QStringLiteral("0123456789 .,;:-()\"'¿?¡!"),
        QStringLiteral("\t\r\n\x01\x07\x1b\x7f\u00a0\u200b\u202e"),
        QStringLiteral("日本語中文한국어漢字"),
        QStringLiteral("😀🇻🇪👍🏽𝔸"),
    };
    QString s;
    while (s.size() < largo) {
        const QString &m = muestras[azar.bounded(int(std::size(muestras)))];
        const int i = int(azar.bounded(int(m.size())));
        // Keep surrogate pairs whole.
        if (m[i].isHighSurrogate() && i + 1 < m.size())
            s += m.mid(i, 2);
        else if (m[i].isLowSurrogate())
            s += m.mid(i - 1, 2);
        else
            s += m[i];
    }
    return s;
}

void TstMono::clicEnCualquierParte()
{
    const QPoint p = puntoEn(ventana.get());
    QWidget *destino = ventana->childAt(p);
    if (!destino)
        destino = ventana.get();
    const Qt::MouseButton boton = azar.bounded(10) < 8 ? Qt::LeftButton : azar.bounded(2) ? Qt::RightButton
                                                                                            : Qt::MiddleButton;
    anotar(QStringLiteral("click %1 at %2,%3 (button %4)")
               .arg(destino->objectName().isEmpty() ? QString::fromLatin1(destino->metaObject()->className())
                                                     : destino->objectName())
               .arg(p.x())
               .arg(p.y())
               .arg(int(boton)));
    const QPoint local = destino->mapFrom(ventana.get(), p);
    if (azar.bounded(8) == 0)
        QTest::mouseDClick(destino, boton, {}, local);
    else
        QTest::mouseClick(destino, boton, {}, local);
}

void TstMono::botonDeMenu()
{
    static const char *const nombres[] = {"Boton_Menu_Primero_", "Boton_Menu_Anterior_", "Boton_Menu_Siguiente_",
                                          "Boton_Menu_Ultimo_",  "Boton_Menu_Indice_",   "Boton_Cunsultar_Articulo",
                                          "Boton_0",             "Boton_1",              "Boton_2",
                                          "Boton_3"};
    auto *const boton = hijo<QAbstractButton>(nombres[azar.bounded(int(std::size(nombres)))]);
    if (!boton)
        return;
    const bool teclado = azar.bounded(4) == 0;
    anotar(QStringLiteral("%1 %2").arg(teclado ? QStringLiteral("key on") : QStringLiteral("click"), boton->objectName()));
    if (teclado && boton->isVisible() && boton->isEnabled() && boton->focusPolicy() != Qt::NoFocus) {
        enfocar(boton);
        QTest::keyClick(boton, azar.bounded(2) ? Qt::Key_Space : Qt::Key_Return);
    } else {
        QTest::mouseClick(boton, Qt::LeftButton, {}, puntoEn(boton));
    }
}

void TstMono::giro()
{
    static const char *const nombres[] = {"SpinButton1", "SpinButton2", "SpinButton3"};
    QWidget *const giro = hijo<QWidget>(nombres[azar.bounded(3)]);
    if (!giro)
        return;
    const bool arriba = azar.bounded(2) == 0;
    const QPoint p(giro->width() / 2, arriba ? giro->height() / 4 : giro->height() * 3 / 4);
    if (azar.bounded(60) == 0) {
        // Held: the half repeats after 400 ms and then every 100 ms.
        const int ms = 380 + int(azar.bounded(350));
        const bool salir = azar.bounded(3) == 0;
        anotar(QStringLiteral("hold %1 %2 for %3 ms%4")
                   .arg(giro->objectName(), arriba ? QStringLiteral("up") : QStringLiteral("down"))
                   .arg(ms)
                   .arg(salir ? QStringLiteral(", leaving it") : QString()));
        QTest::mousePress(giro, Qt::LeftButton, {}, p);
        QTest::qWait(ms / 2);
        if (salir)
            QTest::mouseMove(giro, QPoint(giro->width() / 2, arriba ? giro->height() - 1 : 0));
        QTest::qWait(ms - ms / 2);
        QTest::mouseRelease(giro, Qt::LeftButton, {}, salir ? QPoint(giro->width() / 2, arriba ? giro->height() - 1 : 0) : p);
    } else {
        anotar(QStringLiteral("click %1 %2").arg(giro->objectName(), arriba ? QStringLiteral("up") : QStringLiteral("down")));
        QTest::mouseClick(giro, Qt::LeftButton, {}, p);
    }
}

void TstMono::clicEnArbol()
{
    auto *const arbol = hijo<QTreeWidget>("TreeView1");
    if (!visible(arbol))
        return;
    QList<QTreeWidgetItem *> vistos;
    for (QTreeWidgetItemIterator it(arbol); *it; ++it) {
        if (!arbol->visualItemRect(*it).isEmpty())
            vistos.append(*it);
    }
    QPoint p = puntoEn(arbol->viewport());
    QString que = QStringLiteral("empty space");
    if (!vistos.isEmpty() && azar.bounded(5) != 0) {
        QTreeWidgetItem *const item = vistos[azar.bounded(int(vistos.size()))];
        const QRect r = arbol->visualItemRect(item);
        // Anywhere on the row, the expand mark at its left included.
        p = QPoint(int(azar.bounded(qMax(1, arbol->viewport()->width()))), r.center().y());
        que = item->text(0);
    }
    anotar(QStringLiteral("tree click on %1 at %2,%3").arg(que).arg(p.x()).arg(p.y()));
    if (azar.bounded(6) == 0)
        QTest::mouseDClick(arbol->viewport(), Qt::LeftButton, {}, p);
    else
        QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, p);
}

void TstMono::teclaEnArbol()
{
    auto *const arbol = hijo<QTreeWidget>("TreeView1");
    if (!visible(arbol))
        return;
    static const Qt::Key teclas[] = {Qt::Key_Up,       Qt::Key_Down,     Qt::Key_Left, Qt::Key_Right,
                                     Qt::Key_Home,     Qt::Key_End,      Qt::Key_PageUp, Qt::Key_PageDown,
                                     Qt::Key_Space,    Qt::Key_Return,   Qt::Key_Asterisk, Qt::Key_Plus,
                                     Qt::Key_Minus,    Qt::Key_C,        Qt::Key_T,    Qt::Key_S};
    const Qt::Key tecla = teclas[azar.bounded(int(std::size(teclas)))];
    anotar(QStringLiteral("tree key %1").arg(QKeySequence(tecla).toString()));
    enfocar(arbol);
    QTreeWidgetItem *const antes = arbol->currentItem();
    QTest::keyClick(arbol, tecla);
    if (arbol->currentItem() != antes || !arbol->selectedItems().contains(arbol->currentItem()))
        arbolMovidoConTeclas = true;
}

void TstMono::escribirEnEdit1()
{
    auto *const edit = hijo<QLineEdit>("Edit1");
    auto *const paginas = hijo<QTabWidget>("PageControl1");
    if (!edit || !paginas)
        return;
    if (!visible(edit)) {
        // A reader reaches the text box through its page's tab.
        const int i = paginas->indexOf(hijo<QWidget>("Pagina_Referencias"));
        if (i < 0 || !visible(paginas->tabBar()))
            return;
        anotar(QStringLiteral("click tab Referencias"));
        QTest::mouseClick(paginas->tabBar(), Qt::LeftButton, {}, paginas->tabBar()->tabRect(i).center());
        if (!visible(edit))
            return;
    }
    enfocar(edit);
    if (edit->text().size() > 1000 && azar.bounded(3) == 0) {
        // A reader who pasted a long text replaces it before long.
        anotar(QStringLiteral("Edit1 select all"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    }
    switch (azar.bounded(4)) {
    case 0: {
        static const QKeyCombination teclas[] = {
            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right,
            Qt::ControlModifier | Qt::Key_A, Qt::ControlModifier | Qt::Key_Z,
            Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z, Qt::ControlModifier | Qt::Key_X,
            Qt::ControlModifier | Qt::Key_C, Qt::ControlModifier | Qt::Key_V, Qt::Key_Escape, Qt::Key_Return};
        const QKeyCombination t = teclas[azar.bounded(int(std::size(teclas)))];
        anotar(QStringLiteral("Edit1 key %1").arg(QKeySequence(t).toString()));
        QTest::keyClick(edit, t.key(), t.keyboardModifiers());
        break;
    }
    case 1: {
        // Whole characters outside Latin-1, as an input method delivers them.
        const QString texto = textoAlAzar(1 + int(azar.bounded(3)));
        anotar(QStringLiteral("Edit1 input %1").arg(texto.toUtf8().toHex()));
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, texto, Qt::NoModifier);
        break;
    }
    default: {
        static const char *const prefijos[] = {"ab", "a", "Ab", "ABI", "c", "con", "est", "d", "z", "xyz",
                                               "e", "de", "pr", "re", "s", "p", "Ó", "ó", "á", "ñ"};
        QString texto = azar.bounded(3) ? QString::fromUtf8(prefijos[azar.bounded(int(std::size(prefijos)))])
                                        : textoAlAzar(1 + int(azar.bounded(4)));
        anotar(QStringLiteral("Edit1 type %1").arg(texto.toUtf8().toHex()));
        teclear(edit, texto);
        break;
    }
    }
}

void TstMono::pegarEnEdit1()
{
    auto *const edit = hijo<QLineEdit>("Edit1");
    if (!visible(edit))
        return escribirEnEdit1();
    QString texto;
    if (azar.bounded(60) == 0) {
        // A megabyte, mostly letters with breaks, controls and characters from far planes.
        texto = textoAlAzar(64);
        texto = texto.repeated(1 << 14);
    } else {
        texto = textoAlAzar(1 + int(azar.bounded(40)));
    }
    anotar(QStringLiteral("paste %1 characters into Edit1").arg(texto.size()));
    QGuiApplication::clipboard()->setText(texto);
    enfocar(edit);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void TstMono::teclaEnLista()
{
    static const char *const nombres[] = {"ListBox1", "ListBox2"};
    auto *const lista = hijo<QListWidget>(nombres[azar.bounded(2)]);
    if (!visible(lista))
        return;
    if (lista->count() > 0 && azar.bounded(3) == 0) {
        const int i = int(azar.bounded(lista->count()));
        lista->scrollToItem(lista->item(i));
        const QRect r = lista->visualItemRect(lista->item(i));
        anotar(QStringLiteral("click %1 item %2").arg(lista->objectName()).arg(i));
        if (!r.isEmpty())
            QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
        return;
    }
    static const Qt::Key teclas[] = {Qt::Key_Up,   Qt::Key_Down,      Qt::Key_Home,   Qt::Key_End,
                                     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Return,
                                     Qt::Key_Escape, Qt::Key_A,        Qt::Key_B,      Qt::Key_E,
                                     Qt::Key_1,    Qt::Key_2,         Qt::Key_7,      Qt::Key_0};
    const Qt::Key tecla = teclas[azar.bounded(int(std::size(teclas)))];
    anotar(QStringLiteral("%1 key %2").arg(lista->objectName(), QKeySequence(tecla).toString()));
    enfocar(lista);
    QTest::keyClick(lista, tecla);
    if (azar.bounded(25) == 0)
        QTest::qWait(int(azar.bounded(600))); // the list's type-to-search forgets after 500 ms
}

void TstMono::cambioDePagina()
{
    auto *const paginas = hijo<QTabWidget>("PageControl1");
    if (!visible(paginas))
        return;
    QTabBar *const barra = paginas->tabBar();
    switch (azar.bounded(3)) {
    case 0: {
        const int i = int(azar.bounded(paginas->count()));
        anotar(QStringLiteral("click tab %1").arg(i));
        if (visible(barra))
            QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(i).center());
        break;
    }
    case 1: {
        const bool atras = azar.bounded(2) == 0;
        anotar(QStringLiteral("Ctrl+%1Tab in the pages").arg(atras ? QStringLiteral("Shift+") : QString()));
        QWidget *const dentro = paginas->currentWidget();
        QWidget *const foco = dentro->focusWidget() ? dentro->focusWidget() : dentro;
        enfocar(foco);
        QTest::keyClick(foco, atras ? Qt::Key_Backtab : Qt::Key_Tab,
                        atras ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        break;
    }
    default: {
        const Qt::Key tecla = azar.bounded(2) ? Qt::Key_Left : Qt::Key_Right;
        anotar(QStringLiteral("tab bar key %1").arg(QKeySequence(tecla).toString()));
        if (visible(barra) && barra->focusPolicy() != Qt::NoFocus) {
            enfocar(barra);
            QTest::keyClick(barra, tecla);
        }
        break;
    }
    }
}

void TstMono::arrastrarSeparador()
{
    auto *const separador = hijo<QSplitter>("Splitter1");
    if (!separador || separador->count() < 2)
        return;
    QSplitterHandle *const asa = separador->handle(1);
    if (!visible(asa))
        return;
    const int hasta = int(azar.bounded(separador->width() + 200)) - 100;
    anotar(QStringLiteral("drag the splitter to %1").arg(hasta));
    const QPoint inicio(asa->width() / 2, asa->height() / 2);
    QTest::mousePress(asa, Qt::LeftButton, {}, inicio);
    const QPoint fin = asa->mapFrom(separador, QPoint(hasta, inicio.y()));
    QTest::mouseMove(asa, (inicio + fin) / 2);
    QTest::mouseMove(asa, fin);
    QTest::mouseRelease(asa, Qt::LeftButton, {}, fin);
}

void TstMono::redimensionar()
{
    const bool diminuta = azar.bounded(3) == 0;
    const int w = diminuta ? 1 + int(azar.bounded(60)) : 100 + int(azar.bounded(1100));
    const int h = diminuta ? 1 + int(azar.bounded(60)) : 80 + int(azar.bounded(800));
    anotar(QStringLiteral("resize to %1x%2").arg(w).arg(h));
    ventana->resize(w, h);
    QCoreApplication::processEvents();
    if (azar.bounded(4) == 0) {
        anotar(QStringLiteral("back to 664x480"));
        ventana->resize(664, 480);
    }
}

void TstMono::tabulador()
{
    QWidget *foco = QApplication::focusWidget();
    if (!foco || !foco->isVisible() || foco->window() != ventana.get())
        foco = ventana.get();
    switch (azar.bounded(4)) {
    case 0:
        anotar(QStringLiteral("Shift+Tab from %1").arg(foco->objectName()));
        QTest::keyClick(foco, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case 1:
        anotar(QStringLiteral("Space on %1").arg(foco->objectName()));
        QTest::keyClick(foco, Qt::Key_Space);
        break;
    default:
        anotar(QStringLiteral("Tab from %1").arg(foco->objectName()));
        QTest::keyClick(foco, Qt::Key_Tab);
        break;
    }
}

void TstMono::rueda()
{
    static const char *const nombres[] = {"ColorMemo1", "TreeView1", "ListBox1", "ListBox2", "ListView1"};
    auto *const vista = hijo<QAbstractScrollArea>(nombres[azar.bounded(int(std::size(nombres)))]);
    if (!visible(vista))
        return;
    const QPoint p = puntoEn(vista->viewport());
    const int paso = (int(azar.bounded(7)) - 3) * 120;
    anotar(QStringLiteral("wheel %1 on %2").arg(paso).arg(vista->objectName()));
    QWheelEvent rueda(p, vista->viewport()->mapToGlobal(p), {}, {0, paso}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(vista->viewport(), &rueda);
}

void TstMono::columnaEstadisticas()
{
    auto *const lista = hijo<QAbstractItemView>("ListView1");
    if (!visible(lista))
        return cambioDePagina();
    auto *const arbol = qobject_cast<QTreeView *>(lista);
    QHeaderView *const cabecera = arbol ? arbol->header() : nullptr;
    if (cabecera && visible(cabecera) && azar.bounded(2)) {
        const int columna = int(azar.bounded(qMax(1, cabecera->count())));
        anotar(QStringLiteral("sort statistics by column %1").arg(columna));
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {},
                          QPoint(cabecera->sectionViewportPosition(columna) + 2, cabecera->height() / 2));
        return;
    }
    static const Qt::Key teclas[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_E};
    const Qt::Key tecla = teclas[azar.bounded(int(std::size(teclas)))];
    anotar(QStringLiteral("statistics key %1").arg(QKeySequence(tecla).toString()));
    enfocar(lista);
    QTest::keyClick(lista, tecla);
}

// A key of the window's table wherever the focus is, the mouse's back or forward button
// anywhere, or, while the selector takes typing, a key for it.
void TstMono::atajo()
{
    QWidget *foco = QApplication::focusWidget();
    if (!foco || !foco->isVisible() || foco->window() != ventana.get())
        foco = ventana.get();
    if (foco->objectName() == QStringLiteral("Panel4") && azar.bounded(4) != 0) {
        static const Qt::Key teclas[] = {Qt::Key_0, Qt::Key_1, Qt::Key_3, Qt::Key_5, Qt::Key_7, Qt::Key_9,
                                         Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A};
        const Qt::Key tecla = teclas[azar.bounded(int(std::size(teclas)))];
        anotar(QStringLiteral("selector key %1").arg(QKeySequence(tecla).toString()));
        QTest::keyClick(foco, tecla);
        return;
    }
    if (azar.bounded(5) == 0) {
        const QPoint p = puntoEn(ventana.get());
        QWidget *destino = ventana->childAt(p);
        if (!destino)
            destino = ventana.get();
        const Qt::MouseButton boton = azar.bounded(2) ? Qt::BackButton : Qt::ForwardButton;
        const QString cual = boton == Qt::BackButton ? QStringLiteral("back") : QStringLiteral("forward");
        anotar(QStringLiteral("mouse %1 on %2").arg(cual, destino->objectName()));
        QTest::mouseClick(destino, boton, {}, destino->mapFrom(ventana.get(), p));
        return;
    }
    const std::span<const Atajo> tabla = Form1::Tabla_Atajos();
    const Atajo &a = tabla[azar.bounded(int(tabla.size()))];
    const QKeyCombination tecla = a.otraTecla.key() != Qt::Key_unknown && azar.bounded(2) ? a.otraTecla : a.tecla;
    anotar(QStringLiteral("%1 (%2) on %3").arg(QString::fromLatin1(a.nombre), QKeySequence(tecla).toString(),
                                              foco->objectName()));
    QTest::keyClick(foco, tecla.key(), tecla.keyboardModifiers());
}

void TstMono::abrirAcerca()
{
    auto *const boton = hijo<QAbstractButton>("Boton_Menu_Acerca_");
    if (!visible(boton))
        return;
    pasosAcerca = 1 + int(azar.bounded(25));
    anotar(QStringLiteral("open the About dialog for %1 steps").arg(pasosAcerca));
    // The window as the reader sees it: layout changes still queued take effect first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QString antes = estadoVisible();
    // The dialog may run its own modal loop inside this click: the watchdog timer serves it.
    QTest::mouseClick(boton, Qt::LeftButton, {}, puntoEn(boton));
    QDeadlineTimer plazo(20000);
    while (acerca->isVisible() && !plazo.hasExpired())
        QTest::qWait(2);
    // Back from the dialog, the main window is shown again exactly as it was left.
    if (!ventana->isVisible() && fallaAcerca.isEmpty())
        fallaAcerca = QStringLiteral("the main window did not come back after the About dialog");
    const QString despues = estadoVisible();
    if (despues != antes && fallaAcerca.isEmpty())
        fallaAcerca = QStringLiteral("the About dialog changed the main window:\n  before %1\n  after  %2").arg(antes, despues);
}

// What the reader sees of the main window's state, in one line.
QString TstMono::estadoVisible() const
{
    QStringList partes{QString::number(UnitM01::Articulo_Actual), hijo<QLabel>("StaticText1")->text()};
    for (const char *nombre : {"StaticText12", "StaticText13", "StaticText14", "StaticText5", "StaticText6"})
        partes << (hijo<QLabel>(nombre) ? hijo<QLabel>(nombre)->text() : QString());
    if (auto *const edit = hijo<QLineEdit>("Edit1"))
        partes << edit->text().left(40);
    for (const char *nombre : {"ListBox1", "ListBox2"}) {
        if (auto *const lista = hijo<QListWidget>(nombre))
            partes << QStringLiteral("%1:%2:%3").arg(lista->isVisible()).arg(lista->count()).arg(lista->currentRow());
    }
    if (auto *const arbol = hijo<QTreeWidget>("TreeView1"))
        partes << (arbol->currentItem() ? arbol->currentItem()->text(0) : QString());
    if (auto *const paginas = hijo<QTabWidget>("PageControl1"))
        partes << QString::number(paginas->currentIndex()) << QString::number(paginas->width());
    partes << QString::number(UnitM01::Indice_Visible) << QStringLiteral("%1,%2 %3x%4")
                                                              .arg(ventana->x())
                                                              .arg(ventana->y())
                                                              .arg(ventana->width())
                                                              .arg(ventana->height());
    return partes.join(QStringLiteral(" | "));
}

// One step inside the About dialog while it is open: clicks anywhere in it, its button,
// Escape, an attempt to close it; after the planned number of steps, its button until it
// has closed.
void TstMono::pasoEnAcerca()
{
    // A right click may open the text view's menu, whose "&View" window and find
    // messages are modal, and Ctrl+P or Ctrl+Shift+P, or that menu, the print dialog or its
    // preview: close them here, since the stream does not drive them.
    if (QWidget *const modal = QApplication::activeModalWidget();
        modal && modal->isVisible()
        && (modal->objectName() == QStringLiteral("VerTexto")
            || modal->objectName() == QStringLiteral("BuscarTexto_SinCoincidencias")
            || CierreDialogosImpresion::esDeImpresion(modal))) {
        anotar(QStringLiteral("close %1").arg(modal->objectName()));
        modal->close();
    }
    if (!acerca || !acerca->isVisible()) {
        cierres = 0;
        return;
    }
    if (ventana->isVisible() && fallaAcerca.isEmpty())
        fallaAcerca = QStringLiteral("the main window stays visible while the About dialog is open");
    auto *const flecha = acerca->findChild<QAbstractButton *>(QStringLiteral("Boton_Flecha"));
    if (pasosAcerca > 0) {
        --pasosAcerca;
        switch (azar.bounded(5)) {
        case 0: {
            const QPoint p = puntoEn(acerca.get());
            QWidget *destino = acerca->childAt(p);
            if (!destino)
                destino = acerca.get();
            anotar(QStringLiteral("About: click %1").arg(destino->objectName()));
            QTest::mouseClick(destino, Qt::LeftButton, {}, destino->mapFrom(acerca.get(), p));
            break;
        }
        case 1:
            anotar(QStringLiteral("About: Escape"));
            QTest::keyClick(acerca.get(), Qt::Key_Escape);
            break;
        case 2:
            anotar(QStringLiteral("About: close"));
            acerca->close();
            break;
        case 3:
            if (flecha && flecha->isVisible()) {
                anotar(QStringLiteral("About: Boton_Flecha"));
                QTest::mouseClick(flecha, Qt::LeftButton, {}, puntoEn(flecha));
            }
            break;
        default:
            anotar(QStringLiteral("About: wait"));
            QTest::qWait(int(azar.bounded(30)));
            break;
        }
        return;
    }
    if (++cierres > 4) {
        fallaAcerca = QStringLiteral("Boton_Flecha does not close the About dialog");
        acerca->hide();
        return;
    }
    anotar(QStringLiteral("About: Boton_Flecha to close"));
    if (flecha)
        QTest::mouseClick(flecha, Qt::LeftButton, {}, puntoEn(flecha));
    else
        acerca->close();
}

// The record number the tree must select for the entry on screen, as the down depth
// button allows: the title with "1", the chapter (or title) with "2", the deepest
// division otherwise.
int TstMono::nodoEsperado() const
{
    const int e = UnitM01::Articulo_Actual;
    const int titulo = Buscar_Titulo(e).registro;
    const int capitulo = Buscar_Capitulo(e).registro;
    const int seccion = Buscar_Seccion(e).registro;
    auto abajo = [this](const char *nombre) {
        auto *const b = hijo<QAbstractButton>(nombre);
        return b && (b->isCheckable() ? b->isChecked() : b->isDown());
    };
    if (abajo("Boton_1"))
        return titulo;
    if (abajo("Boton_2"))
        return capitulo > 0 ? capitulo : titulo;
    return seccion > 0 ? seccion : capitulo > 0 ? capitulo : titulo;
}

QString TstMono::incoherencia() const
{
    const int e = UnitM01::Articulo_Actual;
    if (e < 1 || e > Numero_Entradas)
        return QStringLiteral("Articulo_Actual is %1").arg(e);
    const int selector = UnitM01::Centenas * 100 + UnitM01::Decenas * 10 + UnitM01::Unidades;
    if (selector > 350 || UnitM01::Centenas > 3 || UnitM01::Decenas > 9 || UnitM01::Unidades > 9)
        return QStringLiteral("the selector reads %1%2%3")
            .arg(UnitM01::Centenas)
            .arg(UnitM01::Decenas)
            .arg(UnitM01::Unidades);
    const QString rotulo = hijo<QLabel>("StaticText1")->text();
    if (rotulo != Rotulo_Articulo(e))
        return QStringLiteral("the caption reads \"%1\" on entry %2").arg(rotulo).arg(e);
    const QString texto = hijo<RichTextView>("ColorMemo1")->toPlainText();
    if (texto != Texto_Entrada(e) + QLatin1Char('\n'))
        return QStringLiteral("the text view does not hold the text of entry %1").arg(e);
    auto *const arbol = hijo<QTreeWidget>("TreeView1");
    if (arbol && arbol->topLevelItemCount() > 0 && !arbolMovidoConTeclas) {
        const int registro = nodoEsperado();
        int k = 0;
        QTreeWidgetItem *esperado = nullptr;
        for (QTreeWidgetItemIterator it(arbol); *it; ++it, ++k) {
            if (k == registro - 1)
                esperado = *it;
        }
        const QList<QTreeWidgetItem *> elegidos = arbol->selectedItems();
        if (!esperado || elegidos.size() != 1 || elegidos.first() != esperado)
            return QStringLiteral("on entry %1 the tree selects %2 instead of record %3 (%4)")
                .arg(e)
                .arg(elegidos.isEmpty() ? QStringLiteral("nothing") : elegidos.first()->text(0))
                .arg(registro)
                .arg(esperado ? esperado->text(0) : QStringLiteral("missing"));
    }
    return {};
}

PRUEBA_MAIN(TstMono)
#include "tst_mono.moc"
