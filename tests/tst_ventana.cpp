// The main window's layout and chrome, read from the real window: bands, sizes, colours,
// fonts, hints, hover colouring, hiding and showing the index pane, growing the window.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "casos_botones.h"
#include "estado_lector.h"
#include "form1.h"
#include "recursos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

Q_DECLARE_METATYPE(Qt::Alignment)

namespace {

const QString Ocultar = QStringLiteral("Ocultar el índice izquierdo");
const QString Mostrar = QStringLiteral("Mostrar el índice izquierdo");
constexpr int Libre = -1000; // a coordinate left unchecked
constexpr int Cliente = 0;   // the client area's full width or height; Cliente - n is n pixels less

// The window's colours, written out so that a wrong colour in the code fails here.
const QColor CieloAzul(166, 202, 240);
const QColor Granate(128, 0, 0);
const QColor Oliva(128, 128, 0);
const QColor VerdeAzulado(0, 128, 128);
const QColor Azul(0, 0, 255);
const QColor Blanco(255, 255, 255);
const QColor Resaltado(56, 176, 222); // a push button under the mouse

// The desktop's colour for button surfaces.
QColor caraBoton()
{
    return QApplication::palette().color(QPalette::Button);
}

// Counts the paint events a widget receives.
class ContadorPintadas : public QObject
{
public:
    int pintadas = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++pintadas;
        return false;
    }
};

} // namespace

class TstVentana : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void window_hasDesignedSizeCentredOnScreen();
    void band_hasDesignedGeometry_data();
    void band_hasDesignedGeometry();
    void strip_hasDesignedColoursAndFont_data();
    void strip_hasDesignedColoursAndFont();
    void textView_isMaroonOnSkyBlueWithScrollBar();
    void menuButtons_showPictureWithHintAndAccessibleName_data() { casosBotonesMenu(); }
    void menuButtons_showPictureWithHintAndAccessibleName();
    void pushButtons_haveHandCursorAndDesignedFont_data();
    void pushButtons_haveHandCursorAndDesignedFont();
    void cursors_handOverTabsTreeAndLists();
    void tabs_highlightUnderMouse();
    void pictures_haveDesignedSizeAtBothScales_data();
    void pictures_haveDesignedSizeAtBothScales();
    void windowIcon_is32x32In16Colours();
    void spinHalves_showArrowPictures();
    void pushButton_hoverColoursAndLeaveRestoresFace_data();
    void pushButton_hoverColoursAndLeaveRestoresFace();
    void disabledButton_doesNotLightUp();
    void buttonDisabledUnderMouse_givesBackFace();
    void indexButton_hidesAndRestores294AfterDrag_data();
    void indexButton_hidesAndRestores294AfterDrag();
    void indexButton_paintsCaptionStripAtOnce();
    void largerWindow_growsBodyAndKeepsBands();
    void longHeading_doesNotWidenNarrowWindow_data();
    void longHeading_doesNotWidenNarrowWindow();

private:
    template <typename T = QWidget>
    T *widget(const QString &nombre) const
    {
        T *const w = ventana->findChild<T *>(nombre);
        if (!w)
            qWarning("no widget %s", qPrintable(nombre));
        return w;
    }
    QRect enVentana(const QWidget *w) const { return QRect(w->mapTo(ventana.get(), QPoint()), w->size()); }
    // Puts the pointer over a widget, or over the title band when w is null.
    void ratonSobre(QWidget *w)
    {
        QWidget *const destino = w ? w : widget(QStringLiteral("Panel_Titulos"));
        QTest::mouseMove(destino, destino->rect().center());
    }

    std::unique_ptr<Form1> ventana;
};

void TstVentana::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
}

void TstVentana::cleanup()
{
    ventana.reset();
}

void TstVentana::window_hasDesignedSizeCentredOnScreen()
{
    QCOMPARE(ventana->frameGeometry().size(), QSize(664, 480));
    const QPoint centro = ventana->screen()->availableGeometry().center();
    QVERIFY2((ventana->frameGeometry().center() - centro).manhattanLength() <= 2,
             qPrintable(QStringLiteral("window centre %1,%2, screen centre %3,%4")
                            .arg(ventana->frameGeometry().center().x())
                            .arg(ventana->frameGeometry().center().y())
                            .arg(centro.x())
                            .arg(centro.y())));
    QCOMPARE(ventana->palette().color(QPalette::Window), caraBoton());
}

void TstVentana::band_hasDesignedGeometry_data()
{
    // Places in window coordinates; Libre leaves a coordinate unchecked. Full-width and body sizes
    // follow the client area, which is the designed outer size less the frame the platform reports.
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QRect>("lugar");
    const auto fila = [](const char *caso, const char *nombre, int x, int y, int w, int h) {
        QTest::newRow(caso) << QString::fromLatin1(nombre) << QRect(x, y, w, h);
    };
    fila("menu band", "Panel_Menu", 0, 0, Cliente, 50);
    fila("selector", "Panel4", 1, 1, 160, 48);
    fila("hundreds column", "Panel2", 5, 5, 25, 40);
    fila("tens column", "Panel3", 30, 5, 25, 40);
    fila("units column", "Panel5", 55, 5, 25, 40);
    fila("spacer", "Panel11", 80, 5, 3, 40);
    fila("hundreds digit", "StaticText12", 7, Libre, 21, 15);
    fila("units digit", "StaticText14", 57, Libre, 21, 15);
    fila("go button", "Boton_Cunsultar_Articulo", 83, 5, 74, 40);
    fila("menu buttons", "Grupo_Botones_Menu", 161, 1, 360, 48);
    fila("first", "Boton_Menu_Primero_", 161, 1, 50, 48);
    fila("previous", "Boton_Menu_Anterior_", 213, 1, 50, 48);
    fila("next", "Boton_Menu_Siguiente_", 265, 1, 50, 48);
    fila("last", "Boton_Menu_Ultimo_", 317, 1, 50, 48);
    fila("index", "Boton_Menu_Indice_", 369, 1, 50, 48);
    fila("about", "Boton_Menu_Acerca_", 421, 1, 49, 48);
    fila("close", "Boton_Menu_Cerrar_", 472, 1, 49, 48);
    fila("stripes", "Panel6", 521, 1, Cliente - 522, 48);
    fila("yellow stripe", "Panel8", 521, 1, Cliente - 522, 16);
    fila("blue stripe", "Panel9", 521, 17, Cliente - 522, 16);
    fila("red stripe", "Panel10", 521, 33, Cliente - 522, 16);
    fila("heading band", "Panel_Titulos", 0, 50, Cliente, 64);
    fila("heading labels", "Panel_Titulos_Left", 1, 51, 97, 62);
    fila("title label", "StaticText2", 2, 52, 95, 20);
    fila("chapter label", "StaticText3", 2, 72, 95, 20);
    fila("section label", "StaticText4", 2, 92, 95, 20);
    fila("title strip", "StaticText5", 99, 52, Cliente - 101, 20);
    fila("section strip", "StaticText7", 99, 92, Cliente - 101, 20);
    fila("body", "Panel_Cuerpo", 0, 114, Cliente, Cliente - 114);
    fila("left pane", "PageControl1", 0, 114, 300, Cliente - 114);
    fila("text pane", "Panel1", 303, 114, Cliente - 303, Cliente - 114);
    fila("caption strip", "StaticText1", 304, 115, Cliente - 305, 24);
    fila("text", "ColorMemo1", 304, 139, Cliente - 305, Cliente - 140);
    fila("index heading", "StaticText9", Libre, Libre, Libre, 24);
    fila("depth 0", "Boton_0", Libre, Libre, 72, 20);
    fila("depth 1", "Boton_1", Libre, Libre, 71, 20);
    fila("depth 3", "Boton_3", Libre, Libre, 71, 20);
}

void TstVentana::band_hasDesignedGeometry()
{
    QFETCH(QString, nombre);
    QFETCH(QRect, lugar);
    QWidget *const w = widget(nombre);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    const QRect real = enVentana(w);
    if (lugar.x() != Libre)
        QCOMPARE(real.x(), lugar.x());
    if (lugar.y() != Libre)
        QCOMPARE(real.y(), lugar.y());
    const auto medida = [](int v, int cliente) { return v > Cliente ? v : cliente + v; };
    if (lugar.width() != Libre)
        QCOMPARE(real.width(), medida(lugar.width(), ventana->width()));
    QCOMPARE(real.height(), medida(lugar.height(), ventana->height()));
    // Nothing is clipped by the window at its designed size.
    QVERIFY(ventana->rect().contains(real));
}

void TstVentana::strip_hasDesignedColoursAndFont_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QColor>("fondo");
    QTest::addColumn<QColor>("texto");
    QTest::addColumn<int>("puntos");
    QTest::addColumn<Qt::Alignment>("alineacion");
    QTest::addColumn<bool>("hundida");
    const auto centro = Qt::Alignment(Qt::AlignHCenter);
    const auto derecha = Qt::Alignment(Qt::AlignRight);
    const auto izquierda = Qt::Alignment(Qt::AlignLeft);
    const QColor blanco = Blanco;
    QTest::newRow("hundreds digit") << "StaticText12" << CieloAzul << QColor(Qt::black) << 8 << centro
                                    << true;
    QTest::newRow("tens digit") << "StaticText13" << CieloAzul << QColor(Qt::black) << 8 << centro << true;
    QTest::newRow("units digit") << "StaticText14" << CieloAzul << QColor(Qt::black) << 8 << centro
                                 << true;
    QTest::newRow("title label") << "StaticText2" << Granate << blanco << 10 << derecha << true;
    QTest::newRow("chapter label") << "StaticText3" << Oliva << blanco << 10 << derecha << true;
    QTest::newRow("section label") << "StaticText4" << VerdeAzulado << blanco << 10 << derecha << true;
    QTest::newRow("title strip") << "StaticText5" << Granate << blanco << 10 << izquierda << true;
    QTest::newRow("chapter strip") << "StaticText6" << Oliva << blanco << 10 << izquierda << true;
    QTest::newRow("section strip") << "StaticText7" << VerdeAzulado << blanco << 10 << izquierda << true;
    QTest::newRow("caption strip") << "StaticText1" << Azul << blanco << 12 << centro << false;
    QTest::newRow("index heading") << "StaticText9" << Azul << blanco << 12 << centro << false;
    QTest::newRow("cross-reference heading") << "StaticText8" << Azul << blanco << 12 << centro << false;
}

void TstVentana::strip_hasDesignedColoursAndFont()
{
    QFETCH(QString, nombre);
    QFETCH(QColor, fondo);
    QFETCH(QColor, texto);
    QFETCH(int, puntos);
    QFETCH(Qt::Alignment, alineacion);
    QFETCH(bool, hundida);
    QLabel *const l = widget<QLabel>(nombre);
    QVERIFY(l);
    QVERIFY(l->autoFillBackground());
    QCOMPARE(l->palette().color(QPalette::Window), fondo);
    QCOMPARE(l->palette().color(QPalette::WindowText), texto);
    QCOMPARE(l->font().pointSizeF(), qreal(puntos));
    QVERIFY(l->font().bold());
    QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask, alineacion);
    QCOMPARE(l->alignment() & Qt::AlignVertical_Mask, Qt::AlignVCenter);
    QCOMPARE(l->frameShadow() == QFrame::Sunken && l->frameWidth() > 0, hundida);
    // The colour reaches the screen: the strip's top left corner, inside any frame, shows the background.
    const QImage imagen = l->grab().toImage();
    QCOMPARE(QColor(imagen.pixel(l->frameWidth() + 1, l->frameWidth() + 1)), fondo);
}

void TstVentana::textView_isMaroonOnSkyBlueWithScrollBar()
{
    const auto *const memo = widget<QTextEdit>(QStringLiteral("ColorMemo1"));
    QVERIFY(memo);
    QCOMPARE(memo->frameWidth(), 2);
    QCOMPARE(memo->palette().color(QPalette::Base), CieloAzul);
    QCOMPARE(memo->palette().color(QPalette::Text), Granate);
    QCOMPARE(memo->font().pointSizeF(), 8.0);
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(widget<QFrame>(QStringLiteral("Panel1"))->frameShadow(), QFrame::Raised);
    QCOMPARE(widget<QSplitter>(QStringLiteral("Splitter1"))->handleWidth(), 3);
}

void TstVentana::menuButtons_showPictureWithHintAndAccessibleName()
{
    QFETCH(QString, nombre);
    QFETCH(QString, pista);
    auto *const b = widget<QPushButton>(nombre);
    QVERIFY(b);
    QCOMPARE(b->toolTip(), pista);
    QCOMPARE(b->accessibleName(), pista);
    QVERIFY(b->text().isEmpty());
    QCOMPARE(b->iconSize(), QSize(32, 32));
    // The picture is compiled in at 32 x 32 and at twice that for high-density screens.
    QCOMPARE(b->icon().pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    QCOMPARE(b->icon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    // It is drawn at the top of the button: the rows under it show only the button's face.
    const QImage imagen = b->grab().toImage();
    int pintados = 0;
    for (int x = 9; x < 41; ++x)
        pintados += QColor(imagen.pixel(x, 20)) != b->palette().color(QPalette::Button);
    QVERIFY2(pintados > 0, "no picture at the top");
    for (int x = 4; x < b->width() - 4; ++x)
        QCOMPARE(QColor(imagen.pixel(x, 42)), b->palette().color(QPalette::Button));
}

void TstVentana::pushButtons_haveHandCursorAndDesignedFont_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("puntos");
    QTest::addColumn<bool>("negrita");
    QTest::newRow("go") << "Boton_Cunsultar_Articulo" << 8 << true;
    QTest::newRow("first") << "Boton_Menu_Primero_" << 8 << false;
    QTest::newRow("close") << "Boton_Menu_Cerrar_" << 8 << false;
    QTest::newRow("depth 0") << "Boton_0" << 8 << false;
    QTest::newRow("depth 1") << "Boton_1" << 10 << false;
    QTest::newRow("depth 2") << "Boton_2" << 10 << false;
    QTest::newRow("depth 3") << "Boton_3" << 10 << false;
}

void TstVentana::pushButtons_haveHandCursorAndDesignedFont()
{
    QFETCH(QString, nombre);
    QFETCH(int, puntos);
    QFETCH(bool, negrita);
    const auto *const b = widget<QPushButton>(nombre);
    QVERIFY(b);
    QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(b->font().pointSizeF(), qreal(puntos));
    if (nombre != QLatin1String("Boton_0")) // the down depth button's caption is bold
        QCOMPARE(b->font().bold(), negrita);
    QCOMPARE(b->palette().color(QPalette::Button), caraBoton());
}

void TstVentana::cursors_handOverTabsTreeAndLists()
{
    const auto *const paginas = widget<QTabWidget>(QStringLiteral("PageControl1"));
    QCOMPARE(paginas->tabBar()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(paginas->count(), 3);
    QCOMPARE(paginas->tabText(0), QStringLiteral("Indice"));
    QCOMPARE(paginas->tabText(1), QStringLiteral("Referencias"));
    QCOMPARE(paginas->tabText(2), QStringLiteral("Estdísticas"));
    for (const char *nombre : {"TreeView1", "ListBox1", "ListBox2"})
        QCOMPARE(widget(QString::fromLatin1(nombre))->cursor().shape(), Qt::PointingHandCursor);
    // Elsewhere on the pages the arrow is back.
    for (const char *nombre : {"StaticText9", "StaticText8", "ListView1"})
        QCOMPARE(widget(QString::fromLatin1(nombre))->cursor().shape(), Qt::ArrowCursor);
}

void TstVentana::tabs_highlightUnderMouse()
{
    QTabBar *const pestanas = widget<QTabWidget>(QStringLiteral("PageControl1"))->tabBar();
    const QRect referencias = pestanas->tabRect(1);
    ratonSobre(nullptr);
    const QImage antes = pestanas->grab(referencias).toImage();
    const QImage estadisticasAntes = pestanas->grab(pestanas->tabRect(2)).toImage();
    QTest::mouseMove(pestanas, referencias.center());
    const QImage encima = pestanas->grab(referencias).toImage();
    QVERIFY2(encima != antes, "the tab under the mouse looks the same");
    // Moving on to the next tab takes the highlight with it; leaving the bar takes it away.
    QTest::mouseMove(pestanas, pestanas->tabRect(2).center());
    QCOMPARE(pestanas->grab(referencias).toImage(), antes);
    QVERIFY(pestanas->grab(pestanas->tabRect(2)).toImage() != estadisticasAntes);
    QTest::mouseMove(pestanas, referencias.center());
    QCOMPARE(pestanas->grab(referencias).toImage(), encima);
    ratonSobre(nullptr);
    QCOMPARE(pestanas->grab(referencias).toImage(), antes);
}

void TstVentana::pictures_haveDesignedSizeAtBothScales_data()
{
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<QSize>("lado");
    const QSize boton(32, 32);
    QTest::newRow("first") << Recursos::Primero << boton;
    QTest::newRow("previous") << Recursos::Anterior << boton;
    QTest::newRow("next") << Recursos::Siguiente << boton;
    QTest::newRow("last") << Recursos::Ultimo << boton;
    QTest::newRow("index") << Recursos::Indice << boton;
    QTest::newRow("about") << Recursos::Acerca << boton;
    QTest::newRow("close") << Recursos::Cerrar << boton;
    QTest::newRow("spin up") << Recursos::FlechaArriba << QSize(9, 6);
    QTest::newRow("spin down") << Recursos::FlechaAbajo << QSize(9, 6);
}

void TstVentana::pictures_haveDesignedSizeAtBothScales()
{
    QFETCH(QString, ruta);
    QFETCH(QSize, lado);
    const QImage sencilla(ruta);
    QCOMPARE(sencilla.size(), lado);
    const QIcon icono = Recursos::imagen(qPrintable(ruta));
    QCOMPARE(icono.pixmap(lado, 1.0).size(), lado);
    QCOMPARE(icono.pixmap(lado, 2.0).size(), lado * 2);
    // Both scales show the same picture: the double one, reduced, is close to the single one.
    const QImage reducida = icono.pixmap(lado, 2.0).toImage().scaled(lado, Qt::IgnoreAspectRatio,
                                                                      Qt::SmoothTransformation);
    const QImage original = sencilla.convertToFormat(QImage::Format_ARGB32);
    const QImage comparable = reducida.convertToFormat(QImage::Format_ARGB32);
    qint64 diferencia = 0;
    for (int y = 0; y < lado.height(); ++y)
        for (int x = 0; x < lado.width(); ++x)
            diferencia += qAbs(qAlpha(original.pixel(x, y)) - qAlpha(comparable.pixel(x, y)));
    QVERIFY2(diferencia / (lado.width() * lado.height()) < 48,
             qPrintable(QStringLiteral("mean alpha difference %1").arg(diferencia / (lado.width() * lado.height()))));
}

// Each half of a spin button shows its 9 x 6 arrow picture centred on it, one pixel lower
// and to the right while the half is held down.
void TstVentana::spinHalves_showArrowPictures()
{
    QWidget *const giro = widget<QWidget>(QStringLiteral("SpinButton1"));
    QCOMPARE(giro->size(), QSize(21, 21));
    const auto muestra = [giro](const char *ruta, QPoint origen) {
        const QImage flecha = Recursos::leer(ruta).convertToFormat(QImage::Format_ARGB32);
        const QImage vista = giro->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < flecha.height(); ++y) {
            for (int x = 0; x < flecha.width(); ++x) {
                const bool trazo = qAlpha(flecha.pixel(x, y)) > 0;
                const bool negro = vista.pixel(origen + QPoint(x, y)) == qRgb(0, 0, 0);
                if (trazo != negro)
                    return false;
            }
        }
        return true;
    };
    QVERIFY(muestra(Recursos::FlechaArriba, {6, 2}));
    QVERIFY(muestra(Recursos::FlechaAbajo, {6, 12}));
    QVERIFY(!muestra(Recursos::FlechaArriba, {7, 3}));

    QTest::mousePress(giro, Qt::LeftButton, {}, QPoint(10, 5));
    QVERIFY(muestra(Recursos::FlechaArriba, {7, 3}));
    QVERIFY(muestra(Recursos::FlechaAbajo, {6, 12}));
    QTest::mouseRelease(giro, Qt::LeftButton, {}, QPoint(10, 5));
    QVERIFY(muestra(Recursos::FlechaArriba, {6, 2}));
}

void TstVentana::windowIcon_is32x32In16Colours()
{
    QVERIFY(ventana->windowIcon().availableSizes().contains(QSize(32, 32)));
    const QImage icono(QString::fromLatin1(Recursos::Icono));
    QCOMPARE(icono.size(), QSize(32, 32));
    QSet<QRgb> colores;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            colores.insert(icono.pixel(x, y));
    QVERIFY2(colores.size() <= 16, qPrintable(QString::number(colores.size())));
}

void TstVentana::pushButton_hoverColoursAndLeaveRestoresFace_data()
{
    QTest::addColumn<QString>("nombre");
    for (const char *nombre : {"Boton_Menu_Primero_", "Boton_Menu_Anterior_", "Boton_Menu_Siguiente_",
                               "Boton_Menu_Ultimo_", "Boton_Menu_Indice_", "Boton_Menu_Acerca_", "Boton_Menu_Cerrar_",
                               "Boton_Cunsultar_Articulo", "Boton_0", "Boton_1", "Boton_2", "Boton_3"})
        QTest::newRow(nombre) << QString::fromLatin1(nombre);
}

void TstVentana::pushButton_hoverColoursAndLeaveRestoresFace()
{
    QFETCH(QString, nombre);
    ventana->Mover_A_Entrada(100); // every stepping button enabled
    auto *const b = widget<QPushButton>(nombre);
    QVERIFY(b);
    QVERIFY(b->isEnabled());
    ratonSobre(nullptr);
    QCOMPARE(b->palette().color(QPalette::Button), caraBoton());
    ratonSobre(b);
    QCOMPARE(b->palette().color(QPalette::Button), Resaltado);
    // The depth button that is down shows the hover colour lit up, as pressed buttons do.
    const QColor superficie = b->isChecked() ? Resaltado.lighter(125) : Resaltado;
    QCOMPARE(b->grab().toImage().pixel(b->width() - 5, b->height() - 5), superficie.rgb());
    ratonSobre(nullptr);
    QCOMPARE(b->palette().color(QPalette::Button), caraBoton());
}

void TstVentana::disabledButton_doesNotLightUp()
{
    auto *const primero = widget<QPushButton>(QStringLiteral("Boton_Menu_Primero_"));
    QVERIFY(!primero->isEnabled());
    ratonSobre(primero);
    QCOMPARE(primero->palette().color(QPalette::Button), caraBoton());
}

void TstVentana::buttonDisabledUnderMouse_givesBackFace()
{
    ventana->Mover_A_Entrada(370);
    auto *const siguiente = widget<QPushButton>(QStringLiteral("Boton_Menu_Siguiente_"));
    ratonSobre(siguiente);
    QCOMPARE(siguiente->palette().color(QPalette::Button), Resaltado);
    QTest::mouseClick(siguiente, Qt::LeftButton);
    QCOMPARE(UnitM01::Articulo_Actual, 371);
    QVERIFY(!siguiente->isEnabled());
    QCOMPARE(siguiente->palette().color(QPalette::Button), caraBoton());
    // Enabled again while the pointer is still on it, it lights up again.
    QTest::mouseClick(widget<QPushButton>(QStringLiteral("Boton_Menu_Anterior_")), Qt::LeftButton);
    ratonSobre(siguiente);
    QCOMPARE(siguiente->palette().color(QPalette::Button), Resaltado);
}

void TstVentana::indexButton_hidesAndRestores294AfterDrag_data()
{
    QTest::addColumn<int>("arrastre");
    QTest::newRow("not dragged") << 0;
    QTest::newRow("widened with the splitter") << 120;
    QTest::newRow("narrowed with the splitter") << -150;
}

void TstVentana::indexButton_hidesAndRestores294AfterDrag()
{
    QFETCH(int, arrastre);
    auto *const divisor = widget<QSplitter>(QStringLiteral("Splitter1"));
    auto *const panel = widget(QStringLiteral("PageControl1"));
    auto *const texto = widget(QStringLiteral("Panel1"));
    auto *const boton = widget<QPushButton>(QStringLiteral("Boton_Menu_Indice_"));
    QCOMPARE(panel->width(), 300);
    if (arrastre != 0) {
        QWidget *const asa = divisor->handle(1);
        const QPoint medio = asa->rect().center();
        QTest::mousePress(asa, Qt::LeftButton, {}, medio);
        QTest::mouseMove(asa, medio + QPoint(arrastre, 0));
        QTest::mouseRelease(asa, Qt::LeftButton, {}, medio + QPoint(arrastre, 0));
        QVERIFY2(qAbs(panel->width() - (300 + arrastre)) <= 1, qPrintable(QString::number(panel->width())));
    }
    const int cuerpo = widget(QStringLiteral("Panel_Cuerpo"))->width();

    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(!UnitM01::Indice_Visible);
    QCOMPARE(panel->width(), 1);
    QCOMPARE(texto->width(), cuerpo - 1 - 3);
    QCOMPARE(boton->toolTip(), Mostrar);
    QCOMPARE(boton->accessibleName(), Mostrar);

    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(UnitM01::Indice_Visible);
    QCOMPARE(panel->width(), 294);
    QCOMPARE(texto->width(), cuerpo - 294 - 3);
    QCOMPARE(boton->toolTip(), Ocultar);
    QCOMPARE(boton->accessibleName(), Ocultar);
}

void TstVentana::indexButton_paintsCaptionStripAtOnce()
{
    auto *const rotulo = widget(QStringLiteral("StaticText1"));
    auto *const boton = widget<QPushButton>(QStringLiteral("Boton_Menu_Indice_"));
    QCoreApplication::processEvents(); // nothing pending before the click
    ContadorPintadas contador;
    rotulo->installEventFilter(&contador);
    int pintadasAlVolver = -1;
    // Connected after the window's own handler, so it runs right after it, before any event loop.
    connect(boton, &QPushButton::clicked, &contador, [&] { pintadasAlVolver = contador.pintadas; });
    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(pintadasAlVolver > 0);
}

void TstVentana::largerWindow_growsBodyAndKeepsBands()
{
    const int anchoIndice = widget(QStringLiteral("PageControl1"))->width();
    ventana->resize(1000, 720);
    QTRY_COMPARE(ventana->size(), QSize(1000, 720));
    QCOMPARE(enVentana(widget(QStringLiteral("Panel_Menu"))), QRect(0, 0, 1000, 50));
    QCOMPARE(enVentana(widget(QStringLiteral("Panel_Titulos"))), QRect(0, 50, 1000, 64));
    QCOMPARE(enVentana(widget(QStringLiteral("Panel_Cuerpo"))), QRect(0, 114, 1000, 606));
    QCOMPARE(widget(QStringLiteral("PageControl1"))->width(), anchoIndice);
    QCOMPARE(widget(QStringLiteral("Panel1"))->width(), 1000 - anchoIndice - 3);
    QCOMPARE(widget(QStringLiteral("StaticText1"))->height(), 24);
    QCOMPARE(widget(QStringLiteral("StaticText5"))->width(), 1000 - 101);
    for (const char *franja : {"Panel8", "Panel9", "Panel10"}) {
        QCOMPARE(widget(QString::fromLatin1(franja))->height(), 16);
        QCOMPARE(widget(QString::fromLatin1(franja))->width(), 1000 - 522);
    }
    QCOMPARE(widget(QStringLiteral("Boton_0"))->size(), QSize(72, 20));
}

void TstVentana::longHeading_doesNotWidenNarrowWindow_data()
{
    QTest::addColumn<int>("entrada");
    QTest::newRow("a title longer than the strip of a narrow window") << 115;
    QTest::newRow("title III, chapter II, section II: three long strips") << 42;
}

// The window's minimum width must not follow the heading shown, or showing the window again
// after the About dialog would widen it.
void TstVentana::longHeading_doesNotWidenNarrowWindow()
{
    QFETCH(int, entrada);
    const int minimo = ventana->minimumSizeHint().width();
    ventana->Mover_A_Entrada(entrada);
    QCOMPARE(ventana->minimumSizeHint().width(), minimo);
    ventana->resize(522, 300);
    QTest::qWait(50);
    int largo = 0;
    for (const char *tira : {"StaticText5", "StaticText6", "StaticText7"})
        largo = qMax(largo, widget<QLabel>(QString::fromLatin1(tira))->sizeHint().width());
    QVERIFY2(largo > widget(QStringLiteral("StaticText5"))->width(), "no heading longer than its strip");
    const QSize estrecha = ventana->size();
    ventana->hide();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QTest::qWait(50);
    QCOMPARE(ventana->size(), estrecha);
    QCOMPARE(estrecha.width(), 522);
}

PRUEBA_MAIN(TstVentana)
#include "tst_ventana.moc"
