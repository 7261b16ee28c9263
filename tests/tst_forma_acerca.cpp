// The About dialog through its real widgets: opening from the main window, activation,
// the animation's frames, the refused closes, widening and closing, a second showing,
// the link labels and hover colours.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "comprobar.h"
#include "enlaces_abiertos.h"
#include "esponja.h"
#include "esponja_esperada.h"
#include "estado_lector.h"
#include "form1.h"
#include "forma_acerca.h"
#include "imagen.h"
#include "richtextview.h"
#include "unidad_99.h"
#include "unidad_acerca.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <memory>

namespace {

constexpr int Pixeles = 178 * 205;

quint32 estadoTras(quint32 estado, qint64 draws)
{
    const quint32 guardado = Esponja::Estado_Generador();
    Esponja::Fijar_Estado_Generador(estado);
    for (qint64 k = 0; k < draws; ++k)
        Esponja::R(0);
    const quint32 resultado = Esponja::Estado_Generador();
    Esponja::Fijar_Estado_Generador(guardado);
    return resultado;
}

// Records every frame the picture widget draws: the amount in force and the pixels.
class Pintadas : public QObject
{
public:
    explicit Pintadas(Imagen *imagen) : imagen(imagen) { imagen->installEventFilter(this); }
    QList<int> cantidades;
    QList<QImage> cuadros;

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && !imagen->Mapa_Trabajo().Vacio()) {
            cantidades << imagen->Sponge();
            cuadros << imagen->Mapa_Trabajo().Imagen().copy();
        }
        return false;
    }

private:
    Imagen *const imagen;
};

// Notes whether a widget was ever told that it is minimised.
class Minimizada : public QObject
{
public:
    bool vista = false;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::WindowStateChange && static_cast<QWidget *>(objeto)->isMinimized())
            vista = true;
        return false;
    }
};

} // namespace

class TstFormaAcerca : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void activation_narrowsAndPlacesTheTexts();
    void animation_drawsSeventyThenEveryAmountDownToZero();
    void closeRoutes_refusedDuringAnimationAndStopTheTimer_data();
    void closeRoutes_refusedDuringAnimationAndStopTheTimer();
    void escape_refusedAndThePictureStillAssembles();
    void flecha_widensThenCloses();
    void secondShowing_opensNarrowAndFirstPressWidens();
    void linkLabels_openMailAndWeb();
    void noteLink_opensOnPressAndReleaseOnIt();
    void hover_colours_data();
    void hover_colours();
    void hover_arrowClosedUnderMouse_showsPlainAgain();
    void aboutButton_hidesMainWindowAndBringsItBackUnchanged();
    void minimised_comesBackSoAWindowIsAlwaysShown_data();
    void minimised_comesBackSoAWindowIsAlwaysShown();

private:
    template <typename T> T *hijo(const char *nombre) const
    {
        return dialogo->findChild<T *>(QString::fromLatin1(nombre));
    }
    QPushButton *flecha() const { return hijo<QPushButton>("Boton_Flecha"); }
    Imagen *imagen() const { return hijo<Imagen>("Imagen"); }
    QTimer *timer1() const { return hijo<QTimer>("Timer1"); }
    void mostrar();
    QStringList estadoPrincipal() const;

    EnlacesAbiertos enlaces;
    std::unique_ptr<Form1> ventana;
    std::unique_ptr<Forma_Acerca> dialogo;
};

void TstFormaAcerca::initTestCase()
{
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), &enlaces, "abrir");
}

void TstFormaAcerca::cleanupTestCase()
{
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
}

void TstFormaAcerca::init()
{
    enlaces.abiertos.clear();
    ventana = std::make_unique<Form1>();
    dialogo = std::make_unique<Forma_Acerca>();
    QCOMPARE(Forma_Acerca::Instancia(), dialogo.get());
    QVERIFY(!dialogo->isVisible());
    QVERIFY(!timer1()->isActive());
    QCOMPARE(timer1()->interval(), 16);
}

void TstFormaAcerca::cleanup()
{
    dialogo.reset();
    ventana.reset();
    QCOMPARE(Forma_Acerca::Instancia(), nullptr);
}

void TstFormaAcerca::mostrar()
{
    dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialogo.get()));
}

void TstFormaAcerca::activation_narrowsAndPlacesTheTexts()
{
    const QString titulo = QStringLiteral("Constitución 1999");
    QCOMPARE(dialogo->windowTitle(), QStringLiteral("Acerca de ..."));
    const QPoint antes = dialogo->pos();
    COMPROBAR(mostrar());
    QVERIFY(timer1()->isActive());
    QCOMPARE(dialogo->frameGeometry().width(), 208);
    QCOMPARE(dialogo->width() + dialogo->anchoMarco(), 208);
    QCOMPARE(dialogo->height(), 294);
    // Placed centred at full width, then narrowed where it stands.
    QCOMPARE(dialogo->pos(), antes);
    const QRect pantalla = dialogo->screen()->availableGeometry();
    QVERIFY(qAbs(antes.x() + 576 / 2 - pantalla.center().x()) <= 1);

    QCOMPARE(dialogo->windowTitle(), titulo);
    QCOMPARE(hijo<QLabel>("Muestra1")->text(), titulo);
    QCOMPARE(hijo<QLabel>("Muestra4")->text(), QStringLiteral("Sin teléfono; escriba por correo"));
    QCOMPARE(hijo<QLabel>("Muestra5")->text(), QStringLiteral("Sin dirección postal"));
    QCOMPARE(hijo<QLabel>("Muestra6")->text(), QStringLiteral("Lector de escritorio hecho con Qt 6 y C++"));
    QCOMPARE(Unidad_99::Direccion_Correo, QStringLiteral("lector@example.org"));
    QCOMPARE(Unidad_99::Direccion_Web, QStringLiteral("https://www.example.org/constitucion"));
    for (const char *nombre : {"MyMailAddress", "MyWebAddress"}) {
        const QLabel *const l = hijo<QLabel>(nombre);
        QCOMPARE(l->toolTip(), l->text());
    }
    QCOMPARE(hijo<QLabel>("MyMailAddress")->text(), Unidad_99::Direccion_Correo);
    QCOMPARE(hijo<QLabel>("MyWebAddress")->text(), Unidad_99::Direccion_Web);
    QCOMPARE(flecha()->text(), QStringLiteral("Acerca de..."));
    QVERIFY(!hijo<QWidget>("Panel_Acerca_Der")->isVisible());
    QVERIFY(!hijo<QWidget>("Bevel1")->isVisible());
    QVERIFY(!Unidad_Acerca::Ampliada);
    QVERIFY(!Unidad_Acerca::Puede_Cerrar);
    QCOMPARE(Unidad_Acerca::Paso_Esponja, -10);
    // A fixed dialog border without title-bar buttons: no button asked for, and a size that
    // neither the reader nor the window manager can change.
    const auto flags = dialogo->windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(dialogo->minimumSize(), dialogo->maximumSize());
}

// Paints come before ticks: the first frame drawn is the picture sponged with the design's
// 70; every tick then renders 290, 280, ..., 10 and 0 from the picture, each one drawn.
void TstFormaAcerca::animation_drawsSeventyThenEveryAmountDownToZero()
{
    Pintadas pintadas(imagen());
    const quint32 inicio = Esponja::Estado_Generador();
    COMPROBAR(mostrar());
    QTRY_VERIFY_WITH_TIMEOUT(!timer1()->isActive(), 10000);
    QTRY_VERIFY(!imagen()->Cuadro_Pendiente());

    QList<int> cantidades{70};
    for (int c = 290; c >= 0; c -= 10)
        cantidades << c;
    QCOMPARE(pintadas.cantidades, cantidades);
    QCOMPARE(Unidad_Acerca::Valor_Esponja, 0);
    QCOMPARE(imagen()->Sponge(), 0);

    const QImage picture = imagen()->Picture();
    for (int k = 0; k < cantidades.size(); ++k) {
        const quint32 estado = estadoTras(inicio, qint64(k) * 3 * Pixeles);
        QVERIFY2(pintadas.cuadros[k] == esponjaEsperada(picture, cantidades[k], estado),
                 qPrintable(QStringLiteral("frame %1 (amount %2)").arg(k).arg(cantidades[k])));
    }
    // 30 scattered renders; the frame for 0 draws nothing and the final 0 renders nothing.
    QCOMPARE(Esponja::Estado_Generador(), estadoTras(inicio, 30LL * 3 * Pixeles));
}

void TstFormaAcerca::closeRoutes_refusedDuringAnimationAndStopTheTimer_data()
{
    QTest::addColumn<int>("ruta");
    QTest::newRow("close()") << 0;
    QTest::newRow("window system close request") << 1;
}

void TstFormaAcerca::closeRoutes_refusedDuringAnimationAndStopTheTimer()
{
    QFETCH(int, ruta);
    // The close is asked for from inside the tick that assigned 250, so the animation is
    // surely running however slowly the machine serves the ticks.
    bool pedido = false;
    bool activoAlPedir = false;
    const auto conexion = connect(timer1(), &QTimer::timeout, this, [&] {
        if (pedido || Unidad_Acerca::Valor_Esponja > 250)
            return;
        pedido = true;
        activoAlPedir = timer1()->isActive();
        switch (ruta) {
        case 0:
            dialogo->close();
            break;
        default:
            dialogo->windowHandle()->close();
            break;
        }
    });
    COMPROBAR(mostrar());
    QTRY_VERIFY(pedido);
    disconnect(conexion);
    QVERIFY(activoAlPedir);
    QVERIFY(dialogo->isVisible());
    QVERIFY(!timer1()->isActive());
    const int alcanzado = imagen()->Sponge();
    QVERIFY(alcanzado > 0);
    QTest::qWait(3 * timer1()->interval());
    QCOMPARE(imagen()->Sponge(), alcanzado);
    QCOMPARE(Unidad_Acerca::Valor_Esponja, alcanzado);
}

// Escape is no close request: refused, it leaves the animation running to the whole picture.
void TstFormaAcerca::escape_refusedAndThePictureStillAssembles()
{
    Pintadas pintadas(imagen());
    bool pulsado = false;
    const auto conexion = connect(timer1(), &QTimer::timeout, this, [&] {
        if (pulsado || Unidad_Acerca::Valor_Esponja > 250)
            return;
        pulsado = true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    COMPROBAR(mostrar());
    QVERIFY(flecha()->hasFocus());
    QTRY_VERIFY(pulsado);
    disconnect(conexion);
    QVERIFY(dialogo->isVisible());
    QVERIFY(timer1()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!timer1()->isActive(), 10000);
    QTRY_VERIFY(!imagen()->Cuadro_Pendiente());
    QVERIFY(dialogo->isVisible());
    QCOMPARE(pintadas.cantidades.last(), 0);
    QVERIFY(pintadas.cuadros.last() == esponjaEsperada(imagen()->Picture(), 0, Esponja::Estado_Generador()));
}

void TstFormaAcerca::flecha_widensThenCloses()
{
    COMPROBAR(mostrar());
    QTest::mouseClick(flecha(), Qt::LeftButton);
    QVERIFY(dialogo->isVisible());
    QVERIFY(Unidad_Acerca::Ampliada);
    QCOMPARE(dialogo->width() + dialogo->anchoMarco(), 576);
    QCOMPARE(dialogo->frameGeometry().width(), 576);
    QVERIFY(hijo<QWidget>("Panel_Acerca_Der")->isVisible());
    QVERIFY(hijo<QWidget>("Bevel1")->isVisible());
    QVERIFY(hijo<QWidget>("wwDBRichEdit1")->isVisible());
    QCOMPARE(flecha()->text(), QStringLiteral("Cerrar"));
    // Widened, the dialog still refuses every other close.
    dialogo->close();
    QVERIFY(dialogo->isVisible());

    QTest::mouseClick(flecha(), Qt::LeftButton);
    QVERIFY(!dialogo->isVisible());
    QVERIFY(!timer1()->isActive());
    QVERIFY(Unidad_Acerca::Puede_Cerrar);
}

void TstFormaAcerca::secondShowing_opensNarrowAndFirstPressWidens()
{
    COMPROBAR(mostrar());
    QTest::mouseClick(flecha(), Qt::LeftButton);
    QTest::mouseClick(flecha(), Qt::LeftButton);
    QVERIFY(!dialogo->isVisible());
    const QPoint lugar = dialogo->pos();

    COMPROBAR(mostrar());
    QCOMPARE(dialogo->pos(), lugar);
    QCOMPARE(dialogo->width() + dialogo->anchoMarco(), 208);
    QCOMPARE(flecha()->text(), QStringLiteral("Cerrar"));
    QVERIFY(timer1()->isActive());
    QVERIFY(!Unidad_Acerca::Puede_Cerrar);
    QCOMPARE(dialogo->windowTitle(), hijo<QLabel>("Muestra1")->text());
    QTest::mouseClick(flecha(), Qt::LeftButton);
    QVERIFY(dialogo->isVisible());
    QCOMPARE(dialogo->frameGeometry().width(), 576);

    // Every later opening is as the first, narrow and widened.
    for (int vez = 3; vez <= 4; ++vez) {
        QTest::mouseClick(flecha(), Qt::LeftButton);
        QVERIFY(!dialogo->isVisible());
        COMPROBAR(mostrar());
        QCOMPARE(dialogo->frameGeometry().width(), 208);
        QCOMPARE(dialogo->size(), QSize(208 - dialogo->anchoMarco(), 294));
        QTest::mouseClick(flecha(), Qt::LeftButton);
        QCOMPARE(dialogo->frameGeometry().width(), 576);
        QCOMPARE(dialogo->size(), QSize(576 - dialogo->anchoMarco(), 294));
    }
}

void TstFormaAcerca::linkLabels_openMailAndWeb()
{
    COMPROBAR(mostrar());
    QTest::mouseClick(flecha(), Qt::LeftButton);
    QTest::mouseClick(hijo<QLabel>("MyMailAddress"), Qt::LeftButton);
    QTest::mouseClick(hijo<QLabel>("MyWebAddress"), Qt::LeftButton);
    QCOMPARE(enlaces.abiertos,
             (QList<QUrl>{QUrl(QStringLiteral("mailto:lector@example.org")),
                          QUrl(QStringLiteral("https://www.example.org/constitucion"))}));
    // A right click opens nothing.
    QTest::mouseClick(hijo<QLabel>("MyWebAddress"), Qt::RightButton);
    QCOMPARE(enlaces.abiertos.size(), 2);
}

// The note names its source and carries the program's web address as a link, opened by a
// press and a release on it.
void TstFormaAcerca::noteLink_opensOnPressAndReleaseOnIt()
{
    COMPROBAR(mostrar());
    QTest::mouseClick(flecha(), Qt::LeftButton);
    auto *const nota = hijo<RichTextView>("wwDBRichEdit1");
    QVERIFY(nota->autoURLDetect());
    QVERIFY(nota->textoDocumento().contains(QStringLiteral("Gaceta Oficial N° 5.453 Extraordinario")));
    const QString direccion = QStringLiteral("https://www.example.org/constitucion");
    const int p = int(nota->textoDocumento().indexOf(direccion));
    QVERIFY(p >= 0);
    QTextCursor cursor(nota->document());
    cursor.setPosition(p + 3);
    const QPoint enlace = nota->cursorRect(cursor).center() + QPoint(2, 0);
    cursor.setPosition(p - 8);
    const QPoint fuera = nota->cursorRect(cursor).center() + QPoint(2, 0);

    QTest::mouseClick(nota->viewport(), Qt::LeftButton, {}, fuera);
    QTest::mousePress(nota->viewport(), Qt::LeftButton, {}, enlace);
    QTest::mouseRelease(nota->viewport(), Qt::LeftButton, {}, fuera);
    QCoreApplication::processEvents();
    QVERIFY(enlaces.abiertos.isEmpty());
    QTest::mousePress(nota->viewport(), Qt::LeftButton, {}, enlace);
    QTest::mouseRelease(nota->viewport(), Qt::LeftButton, {}, enlace);
    QTRY_COMPARE(enlaces.abiertos, QList<QUrl>{QUrl(direccion)});
}

void TstFormaAcerca::hover_colours_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QPalette::ColorRole>("fondo");
    QTest::addColumn<QColor>("encima");
    QTest::addColumn<QColor>("textoEncima");
    QTest::addColumn<QColor>("fuera");
    QTest::addColumn<QColor>("textoFuera");
    const QColor granate(128, 0, 0), blanco(Qt::white), azul(0, 0, 255);
    QTest::newRow("mail label") << "MyMailAddress" << QPalette::Window << blanco << azul << granate << blanco;
    QTest::newRow("web label") << "MyWebAddress" << QPalette::Window << blanco << azul << granate << blanco;
    const QColor cara = QApplication::palette().color(QPalette::Button);
    const QColor texto = QApplication::palette().color(QPalette::ButtonText);
    QTest::newRow("arrow button") << "Boton_Flecha" << QPalette::Button << QColor(56, 176, 222) << texto << cara
                                  << texto;
}

void TstFormaAcerca::hover_colours()
{
    QFETCH(QString, nombre);
    QFETCH(QPalette::ColorRole, fondo);
    QFETCH(QColor, encima);
    QFETCH(QColor, textoEncima);
    QFETCH(QColor, fuera);
    QFETCH(QColor, textoFuera);
    COMPROBAR(mostrar());
    QTest::mouseClick(flecha(), Qt::LeftButton);
    QWidget *const w = dialogo->findChild<QWidget *>(nombre);
    const QPalette::ColorRole texto = fondo == QPalette::Button ? QPalette::ButtonText : QPalette::WindowText;
    // What is drawn, not only what the palette holds: a point of the surface clear of any
    // caption, picture or edge.
    const QPoint superficie(w->width() - 5, w->height() / 2);
    const auto pintado = [&] { return w->grab().toImage().pixelColor(superficie * w->devicePixelRatioF()); };
    QCOMPARE(w->palette().color(fondo), fuera);
    QCOMPARE(pintado(), fuera);
    QEnterEvent entrar(QPointF(3, 3), QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)));
    QApplication::sendEvent(w, &entrar);
    QCOMPARE(w->palette().color(fondo), encima);
    QCOMPARE(w->palette().color(texto), textoEncima);
    QCOMPARE(pintado(), encima);
    QEvent salir(QEvent::Leave);
    QApplication::sendEvent(w, &salir);
    QCOMPARE(w->palette().color(fondo), fuera);
    QCOMPARE(w->palette().color(texto), textoFuera);
    QCOMPARE(pintado(), fuera);
}

void TstFormaAcerca::hover_arrowClosedUnderMouse_showsPlainAgain()
{
    COMPROBAR(mostrar());
    const QColor cara = QApplication::palette().color(QPalette::Button);
    const QPoint superficie(flecha()->width() - 5, flecha()->height() / 2);
    const auto pintado = [&] {
        return flecha()->grab().toImage().pixelColor(superficie * flecha()->devicePixelRatioF());
    };
    // The mouse enters the arrow and the dialog closes under it: no leave event comes.
    QEnterEvent entrar(QPointF(3, 3), QPointF(3, 3), flecha()->mapToGlobal(QPointF(3, 3)));
    QApplication::sendEvent(flecha(), &entrar);
    QCOMPARE(pintado(), QColor(56, 176, 222));
    dialogo->hide();
    // Shown again with the mouse elsewhere: the arrow looks as on the first showing.
    COMPROBAR(mostrar());
    QCOMPARE(flecha()->palette().color(QPalette::Button), cara);
    QCOMPARE(pintado(), cara);
}

// Everything the reader can see and has set in the main window, one line each.
QStringList TstFormaAcerca::estadoPrincipal() const
{
    const auto hijoPrincipal = [this](const char *nombre) {
        return ventana->findChild<QWidget *>(QString::fromLatin1(nombre));
    };
    const auto texto = [&](const char *nombre) {
        return QString::fromLatin1(nombre) + u'=' + static_cast<QLabel *>(hijoPrincipal(nombre))->text();
    };
    QStringList estado{texto("StaticText1"), texto("StaticText5"), texto("StaticText6"), texto("StaticText7"),
                       texto("StaticText12"), texto("StaticText13"), texto("StaticText14")};
    estado << QStringLiteral("entry=%1 highlight pending=%2 word=%3 limits=%4%5")
                  .arg(UnitM01::Articulo_Actual)
                  .arg(UnitM01::Resaltar_Palabra)
                  .arg(UnitM01::Palabra_Elegida)
                  .arg(UnitM01::Max_Decenas)
                  .arg(UnitM01::Max_Unidades);
    // The highlight: every run of bold text on yellow in the view.
    auto *const memo = static_cast<RichTextView *>(hijoPrincipal("ColorMemo1"));
    QString marcas;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() == QFont::Bold
                && it.fragment().charFormat().background().color() == QColor(255, 255, 0))
                marcas += QStringLiteral(" %1+%2").arg(it.fragment().position()).arg(it.fragment().length());
    estado << QStringLiteral("highlight:") + marcas << QStringLiteral("text=") + memo->toPlainText();
    auto *const arbol = static_cast<QTreeWidget *>(hijoPrincipal("TreeView1"));
    estado << QStringLiteral("tree=") + (arbol->currentItem() ? arbol->currentItem()->text(0) : QString());
    for (const char *profundidad : {"Boton_0", "Boton_1", "Boton_2", "Boton_3"})
        estado << QString::fromLatin1(profundidad) + u'='
                      + QString::number(static_cast<QPushButton *>(hijoPrincipal(profundidad))->isChecked());
    estado << QStringLiteral("Edit1=") + static_cast<QLineEdit *>(hijoPrincipal("Edit1"))->text();
    for (const char *nombre : {"ListBox1", "ListBox2"}) {
        auto *const lista = static_cast<QListWidget *>(hijoPrincipal(nombre));
        QStringList elementos;
        for (int i = 0; i < lista->count(); ++i)
            elementos << lista->item(i)->text();
        estado << QStringLiteral("%1 shown=%2 chosen=%3: %4")
                      .arg(QString::fromLatin1(nombre))
                      .arg(lista->isVisible())
                      .arg(lista->selectedItems().value(0) ? lista->selectedItems().value(0)->text() : QString())
                      .arg(elementos.join(u' '));
    }
    auto *const paginas = static_cast<QTabWidget *>(hijoPrincipal("PageControl1"));
    estado << QStringLiteral("page=%1 pane=%2 index shown=%3 hint=%4")
                  .arg(paginas->currentIndex())
                  .arg(paginas->width())
                  .arg(UnitM01::Indice_Visible)
                  .arg(hijoPrincipal("Boton_Menu_Indice_")->toolTip());
    estado << QStringLiteral("window=%1,%2 %3x%4")
                  .arg(ventana->x())
                  .arg(ventana->y())
                  .arg(ventana->width())
                  .arg(ventana->height());
    return estado;
}

// A real click on the main window's About button runs the dialog modally with the main
// window hidden; closing it shows the main window again exactly as it was left, without
// displaying the entry or activating the window anew: the highlight, depth "3", the selector
// digits, the prefix with its chosen word and entry, and the hidden index all survive.
void TstFormaAcerca::aboutButton_hidesMainWindowAndBringsItBackUnchanged()
{
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    const auto boton = [this](const char *nombre) {
        return ventana->findChild<QPushButton *>(QString::fromLatin1(nombre));
    };
    const auto elegir = [this](const char *nombre, const QString &texto) {
        auto *const lista = ventana->findChild<QListWidget *>(QString::fromLatin1(nombre));
        QListWidgetItem *const item = lista->findItems(texto, Qt::MatchExactly).value(0);
        QVERIFY(item);
        lista->scrollToItem(item);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(item).center());
    };
    QTest::mouseClick(boton("Boton_3"), Qt::LeftButton);
    auto *const paginas = ventana->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    QTest::mouseClick(paginas->tabBar(), Qt::LeftButton, {}, paginas->tabBar()->tabRect(1).center());
    QTest::keyClicks(ventana->findChild<QLineEdit *>(QStringLiteral("Edit1")), QStringLiteral("abi"));
    COMPROBAR(elegir("ListBox1", QStringLiteral("Abierto")));
    COMPROBAR(elegir("ListBox2", QStringLiteral("272")));
    auto *const unidades = ventana->findChild<QWidget *>(QStringLiteral("SpinButton3"));
    auto *const decenas = ventana->findChild<QWidget *>(QStringLiteral("SpinButton2"));
    QTest::mouseClick(unidades, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseClick(decenas, Qt::LeftButton, {}, QPoint(10, 15));
    QTest::mouseClick(boton("Boton_Menu_Indice_"), Qt::LeftButton);
    const QStringList antes = estadoPrincipal();
    // The state is the one built above: a highlight on screen, nothing pending.
    QCOMPARE(UnitM01::Articulo_Actual, 273);
    QVERIFY(antes.contains(QStringLiteral("highlight: 587+7")));
    QVERIFY(antes.contains(QStringLiteral("StaticText13=9")));
    QVERIFY(!UnitM01::Indice_Visible);

    bool modal = false, principalOculta = false, cerrado = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget() == dialogo.get());
        modal = true;
        principalOculta = !ventana->isVisible();
        QTest::mouseClick(flecha(), Qt::LeftButton);
        QTest::mouseClick(flecha(), Qt::LeftButton);
        cerrado = !dialogo->isVisible();
    });
    // Should the dialog fail to close, end its modal loop so that the test reports instead of hanging.
    QTimer::singleShot(10000, dialogo.get(), [&] { dialogo->done(QDialog::Rejected); });
    QTest::mouseClick(boton("Boton_Menu_Acerca_"), Qt::LeftButton);
    QVERIFY(modal);
    QVERIFY(principalOculta);
    QVERIFY(cerrado);

    QVERIFY(ventana->isVisible());
    QVERIFY(!dialogo->isVisible());
    QCOMPARE(estadoPrincipal(), antes);
}

void TstFormaAcerca::minimised_comesBackSoAWindowIsAlwaysShown_data()
{
    QTest::addColumn<int>("ruta");
    QTest::newRow("showMinimized") << 0;
    QTest::newRow("window system minimises the window") << 1;
    QTest::newRow("window state set to minimised") << 2;
}

// The main window is hidden while the dialog runs; a minimised dialog would leave nothing on
// screen, so it comes back by itself, still modal, and closing it brings the main window back.
void TstFormaAcerca::minimised_comesBackSoAWindowIsAlwaysShown()
{
    QFETCH(int, ruta);
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    Minimizada minimizada;
    dialogo->installEventFilter(&minimizada);
    bool devuelta = false, cerrado = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget() == dialogo.get());
        switch (ruta) {
        case 0:
            dialogo->showMinimized();
            break;
        case 1:
            dialogo->windowHandle()->showMinimized();
            break;
        default:
            dialogo->setWindowState(dialogo->windowState() | Qt::WindowMinimized);
            break;
        }
        QTRY_VERIFY(minimizada.vista);
        QTRY_VERIFY(!dialogo->isMinimized());
        devuelta = dialogo->isVisible() && !dialogo->windowHandle()->windowStates().testFlag(Qt::WindowMinimized)
                   && QApplication::activeModalWidget() == dialogo.get();
        QTest::mouseClick(flecha(), Qt::LeftButton);
        QTest::mouseClick(flecha(), Qt::LeftButton);
        cerrado = !dialogo->isVisible();
    });
    QTimer::singleShot(10000, dialogo.get(), [&] { dialogo->done(QDialog::Rejected); });
    QTest::mouseClick(ventana->findChild<QPushButton *>(QStringLiteral("Boton_Menu_Acerca_")), Qt::LeftButton);
    QVERIFY(minimizada.vista);
    QVERIFY(devuelta);
    QVERIFY(cerrado);
    QVERIFY(ventana->isVisible());
    QVERIFY(!ventana->isMinimized());
}

PRUEBA_MAIN(TstFormaAcerca)
#include "tst_forma_acerca.moc"
