#include "forma_acerca.h"

#include "apariencia.h"
#include "aviso_lector.h"
#include "botonplano.h"
#include "enlace_accesible.h"
#include "imagen.h"
#include "marco_foco.h"
#include "recursos.h"
#include "richtextview.h"
#include "unidad_99.h"
#include "unidad_acerca.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QWindow>

using namespace Unidad_Acerca;

namespace {

constexpr int AnchoCliente = 568;
constexpr int AltoCliente = 294;
constexpr int AnchoEstrecho = 208; // outer width showing the left panel only
constexpr int AnchoAmplio = 576;   // outer width showing everything
constexpr int MarcoDiseno = AnchoAmplio - AnchoCliente;

Forma_Acerca *instancia = nullptr;

// The note on the source of the text, carried as rich text: two faces (%1 is the program's
// sans serif), black and blue, 8 points, 5 points (7 pixels) before and after each paragraph.
const char NotaFuente[] =
    "<p style=\"margin-top:7px; margin-bottom:7px\"><span style=\"font-family:'Arial'; font-size:8pt; "
    "font-weight:bold; color:#0000ff;\">Fuente del texto</span></p>"
    "<p style=\"margin-top:7px; margin-bottom:7px\"><span style=\"font-family:'%1'; font-size:8pt; "
    "color:#000000;\">Este programa muestra la <i>Constituci\u00f3n de la Rep\u00fablica Bolivariana de "
    "Venezuela</i> de 1999 en la redacci\u00f3n de su reimpresi\u00f3n en la <b>Gaceta Oficial N\u00b0 5.453 "
    "Extraordinario</b> del 24 de marzo de 2000, anterior a la Enmienda N\u00b0 1 de 2009.<br/>"
    "El texto se tom\u00f3 de una copia p\u00fablica en PDF de esa edici\u00f3n; nueve lecturas se tomaron "
    "de una segunda copia del texto.</span></p>"
    "<p style=\"margin-top:7px; margin-bottom:7px\"><span style=\"font-family:'%1'; font-size:8pt; "
    "color:#000000;\">Esta no es una publicaci\u00f3n oficial: para fines legales valga solo el texto de la "
    "<u>Gaceta Oficial</u>.</span></p>"
    "<p style=\"margin-top:7px; margin-bottom:7px\"><span style=\"font-family:'Arial'; font-size:8pt; "
    "color:#0000ff;\"><b>P\u00e1gina del programa:</b><br/>https://www.example.org/constitucion</span></p>";

QLabel *crearEtiqueta(QWidget *padre, const char *nombre, const QRect &lugar)
{
    auto *const etiqueta = new QLabel(padre);
    etiqueta->setObjectName(QString::fromLatin1(nombre));
    etiqueta->setGeometry(lugar);
    return etiqueta;
}

// Enter or Space without modifiers: a press of a link label from the keyboard.
bool esPulsacion(const QKeyEvent *tecla)
{
    const int k = tecla->key();
    return (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)
           && (tecla->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

Forma_Acerca::Forma_Acerca(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    instancia = this;
    setObjectName(QStringLiteral("Forma_Acerca"));
    setWindowTitle(QStringLiteral("Acerca de ..."));
    setFont(Apariencia::fuente());
    // Hiding the main window for the dialog must not make closing the dialog end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(AnchoCliente, AltoCliente);
    setupPanelIzquierdo();
    setupPanelDerecho();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // 16 ms rather than 1: the 31 ticks then take about half a second, so the picture is
    // seen assembling instead of flickering into place in a few tens of milliseconds.
    Timer1->setInterval(16);
    Timer1->setTimerType(Qt::PreciseTimer);

    // Centred at full width; activation then narrows it, leaving it left of the centre.
    if (const QScreen *const pantalla = QGuiApplication::primaryScreen()) {
        const QRect area = pantalla->availableGeometry();
        move(area.x() + (area.width() - AnchoAmplio) / 2, area.y() + (area.height() - AltoCliente) / 2);
    }
    connectHandlers();
    MarcoFoco::instalar();
}

Forma_Acerca::~Forma_Acerca()
{
    if (instancia == this)
        instancia = nullptr;
}

Forma_Acerca *Forma_Acerca::Instancia()
{
    return instancia;
}

void Forma_Acerca::setupPanelIzquierdo()
{
    Panel_Acerca_Izq = new QFrame(this);
    Panel_Acerca_Izq->setObjectName(QStringLiteral("Panel_Acerca_Izq"));
    Panel_Acerca_Izq->setGeometry(0, 0, 201, AltoCliente);

    Imagen = new ::Imagen(Panel_Acerca_Izq);
    Imagen->setObjectName(QStringLiteral("Imagen"));
    Imagen->setGeometry(10, 10, 179, 206);
    Imagen->setSponge(70);
    Imagen->setAccessibleName(QStringLiteral("Imagen de un paisaje"));

    Bevel2 = new QFrame(Panel_Acerca_Izq);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(10, 216, 179, 9);

    // The main window's flat button, so that both windows share one hover look.
    Boton_Flecha = new BotonPlano(Panel_Acerca_Izq);
    Boton_Flecha->setObjectName(QStringLiteral("Boton_Flecha"));
    Boton_Flecha->setGeometry(10, 225, 179, 57);
    Boton_Flecha->setText(QStringLiteral("Acerca de..."));
    Boton_Flecha->setIcon(Recursos::imagen(Recursos::Flecha));
    Boton_Flecha->setIconSize(QSize(32, 32));
    Boton_Flecha->setImagenALaDerecha(true);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(201, 0, 2, AltoCliente);
    Bevel1->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    Bevel1->hide();
}

void Forma_Acerca::setupPanelDerecho()
{
    Panel_Acerca_Der = new QFrame(this);
    Panel_Acerca_Der->setObjectName(QStringLiteral("Panel_Acerca_Der"));
    Panel_Acerca_Der->setGeometry(203, 0, 365, AltoCliente);
    Panel_Acerca_Der->hide();

    // The contact rows start 40 pixels down their panel, which sits at the bottom; the
    // note above covers the panel's empty top.
    Panel_Datos_Mios = new QFrame(Panel_Acerca_Der);
    Panel_Datos_Mios->setObjectName(QStringLiteral("Panel_Datos_Mios"));
    Panel_Datos_Mios->setGeometry(5, AltoCliente - 5 - 153, 355, 153);

    wwDBRichEdit1 = new RichTextView(Panel_Acerca_Der);
    wwDBRichEdit1->setObjectName(QStringLiteral("wwDBRichEdit1"));
    wwDBRichEdit1->setAccessibleName(QStringLiteral("Nota sobre el texto y el autor"));
    wwDBRichEdit1->setGeometry(5, 5, 353, 166);
    wwDBRichEdit1->setFrameShape(QFrame::NoFrame);
    wwDBRichEdit1->document()->setDocumentMargin(2);
    Apariencia::colorear(wwDBRichEdit1, Apariencia::CieloAzul, Qt::black);

    const struct { const char *nombre; const char *rotulo; int arriba; } filas[] = {
        {"Label_Autor", "Autor:", 40},         {"Label_EMail", "E-Mail:", 59},
        {"Label_Web", "Web:", 78},             {"Label_Telefonos", "Teléfonos:", 97},
        {"Label_Direccion", "Dirección:", 116},
    };
    for (const auto &f : filas) {
        QLabel *const rotulo = crearEtiqueta(Panel_Datos_Mios, f.nombre, QRect(2, f.arriba, 60, 17));
        rotulo->setText(QString::fromUtf8(f.rotulo));
        rotulo->setFont(Apariencia::fuente(8, true));
        rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    constexpr int campoX = 66;
    const auto campo = [this](const char *nombre, int arriba) {
        QLabel *const c = crearEtiqueta(Panel_Datos_Mios, nombre, QRect(campoX, arriba, 280, 17));
        c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        c->setFont(Apariencia::fuente(8, true));
        Apariencia::colorear(c, palette().color(QPalette::Window), Qt::black);
        return c;
    };
    Muestra1 = campo("Muestra1", 40);
    Muestra4 = campo("Muestra4", 97);
    Muestra5 = campo("Muestra5", 116);
    Muestra6 = campo("Muestra6", 136);

    const auto enlace = [this](const char *panel, const char *nombre, int arriba) {
        auto *const marco = new QFrame(Panel_Datos_Mios);
        marco->setObjectName(QString::fromLatin1(panel));
        marco->setGeometry(campoX, arriba, 280, 17);
        marco->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        marco->setLineWidth(1);
        QLabel *const l = crearEtiqueta(marco, nombre, QRect(1, 1, 278, 15));
        l->setFont(Apariencia::fuente(8, true));
        l->setCursor(Qt::PointingHandCursor);
        // Reached with Tab once the dialog is widened; Enter or Space then opens the link.
        l->setFocusPolicy(Qt::TabFocus);
        marcarComoEnlace(l);
        Apariencia::colorear(l, Apariencia::Granate, Apariencia::Blanco);
        l->installEventFilter(this);
        return l;
    };
    MyMailAddress = enlace("Panel_Correo", "MyMailAddress", 59);
    MyWebAddress = enlace("Panel_Web", "MyWebAddress", 78);
}

void Forma_Acerca::connectHandlers()
{
    connect(Boton_Flecha, &QPushButton::clicked, this, &Forma_Acerca::Boton_FlechaClick);
    connect(Timer1, &QTimer::timeout, this, &Forma_Acerca::servirTick);
}

int Forma_Acerca::anchoMarco() const
{
    // Known once the window manager has framed the dialog (asked of the window itself: the
    // widget's copy is renewed only when the dialog moves); the design's border before.
    const QWindow *const ventana = windowHandle();
    const int marco = ventana ? ventana->frameMargins().left() + ventana->frameMargins().right() : 0;
    return marco > 0 ? marco : MarcoDiseno;
}

void Forma_Acerca::fijarAnchoExterior(int ancho)
{
    setFixedSize(ancho - anchoMarco(), AltoCliente);
}

void Forma_Acerca::cargarContenido()
{
    if (contenidoCargado)
        return;
    contenidoCargado = true;
    Imagen->setPicture(Recursos::leer(Recursos::Paisaje));
    wwDBRichEdit1->setAutoURLDetect(true);
    wwDBRichEdit1->setHtml(QString::fromUtf8(NotaFuente).arg(QString::fromLatin1(Apariencia::FamiliaSansSerif)));
}

void Forma_Acerca::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        cargarContenido();
        FormActivate();
    }
}

void Forma_Acerca::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // The first opening is framed only after activation sized it by the design's border: sized
    // again by the real frame, so that it is as wide as every later opening.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fijarAnchoExterior(Ampliada ? AnchoAmplio : AnchoEstrecho);
    // The window manager may minimise the dialog although it offers no button for it.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, &Forma_Acerca::restaurarSiMinimizada);
}

void Forma_Acerca::restaurarSiMinimizada()
{
    if (!isVisible() || !isMinimized())
        return;
    showNormal();
    raise();
    activateWindow();
}

bool Forma_Acerca::eventFilter(QObject *objeto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    const bool entra = tipo == QEvent::Enter;
    const bool sale = tipo == QEvent::Leave;
    if (objeto == MyMailAddress || objeto == MyWebAddress) {
        const bool correo = objeto == MyMailAddress;
        const auto *const etiqueta = static_cast<QWidget *>(objeto);
        // With the keyboard's focus a link shows the colours it has under the mouse, and keeps
        // them while either is on it.
        if (entra || tipo == QEvent::FocusIn)
            correo ? MyMailAddressMouseEnter() : MyWebAddressMouseEnter();
        else if ((sale && !etiqueta->hasFocus()) || (tipo == QEvent::FocusOut && !etiqueta->underMouse()))
            correo ? MyMailAddressMouseLeave() : MyWebAddressMouseLeave();
        else if (tipo == QEvent::KeyPress && esPulsacion(static_cast<QKeyEvent *>(evento))) {
            correo ? MyMailAddressClick() : MyWebAddressClick();
            return true;
        } else if (tipo == QEvent::MouseButtonRelease) {
            const auto *const raton = static_cast<QMouseEvent *>(evento);
            if (raton->button() == Qt::LeftButton && etiqueta->rect().contains(raton->position().toPoint()))
                correo ? MyMailAddressClick() : MyWebAddressClick();
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Forma_Acerca::FormActivate()
{
    Ampliada = false;
    Puede_Cerrar = false;
    fijarAnchoExterior(AnchoEstrecho);

    using namespace Unidad_99;
    const auto texto = [](int n) { return Texto_1252(Descifrar(Textos_Cifrados[std::size_t(n - 1)], Clave)); };
    Muestra1->setText(texto(1));
    setWindowTitle(texto(1));
    Muestra4->setText(texto(2));
    Muestra5->setText(texto(3));
    Muestra6->setText(texto(4));
    Direccion_Correo = texto(5);
    Direccion_Web = texto(6);

    MyMailAddress->setText(Direccion_Correo);
    MyMailAddress->setToolTip(Direccion_Correo);
    MyWebAddress->setText(Direccion_Web);
    MyWebAddress->setToolTip(Direccion_Web);
    // The visible captions "E-Mail:" and "Web:" are separate labels: each link says what it is.
    MyMailAddress->setAccessibleName(QStringLiteral("Correo: ") + Direccion_Correo);
    MyWebAddress->setAccessibleName(QStringLiteral("Web: ") + Direccion_Web);

    Iniciar_Fundido();
}

void Forma_Acerca::Iniciar_Fundido()
{
    Paso_Esponja = -10;
    Valor_Esponja = 300;
    Timer1->start();
}

void Forma_Acerca::servirTick()
{
    if (!Imagen->Cuadro_Pendiente())
        Timer1Timer();
}

void Forma_Acerca::Timer1Timer()
{
    if (Valor_Esponja < 10) {
        Timer1->stop();
        Valor_Esponja = 0;
    } else {
        Valor_Esponja += Paso_Esponja;
    }
    Imagen->setSponge(Valor_Esponja);
}

void Forma_Acerca::Boton_FlechaClick()
{
    if (Ampliada) {
        Timer1->stop();
        Puede_Cerrar = true;
        close();
        return;
    }
    Ampliada = true;
    fijarAnchoExterior(AnchoAmplio);
    Bevel1->show();
    Panel_Acerca_Der->show();
    Boton_Flecha->setText(QStringLiteral("Cerrar"));
    avisar(QStringLiteral("Ampliado: la nota sobre el texto y los datos del autor. El botón ahora es Cerrar"));
}

bool Forma_Acerca::FormCloseQuery()
{
    Timer1->stop();
    return Puede_Cerrar;
}

void Forma_Acerca::reject()
{
    if (FormCloseQuery())
        QDialog::reject();
}

void Forma_Acerca::avisar(const QString &mensaje)
{
    if (!QAccessible::isActive())
        return;
    if (!Aviso_Lector)
        Aviso_Lector = new AvisoLector(this);
    Aviso_Lector->anunciar(mensaje);
}

// Escape is not a close request: the dialog closes only from its button, so the key does
// nothing, and the picture goes on assembling. The window system's close request still asks
// FormCloseQuery, which stops the animation.
void Forma_Acerca::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        // Nothing shows it: a screen reader is told how the dialog closes.
        avisar(Ampliada ? QStringLiteral("Este diálogo se cierra con su botón Cerrar")
                        : QStringLiteral("Este diálogo se cierra con su botón: Acerca de..., luego Cerrar"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void Forma_Acerca::MyMailAddressClick()
{
    if (!QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + Unidad_99::Direccion_Correo)))
        avisar(QStringLiteral("No hay programa de correo para abrir el enlace"));
}

void Forma_Acerca::MyWebAddressClick()
{
    if (!QDesktopServices::openUrl(QUrl(Unidad_99::Direccion_Web)))
        avisar(QStringLiteral("No hay navegador para abrir el enlace"));
}

void Forma_Acerca::MyMailAddressMouseEnter()
{
    Apariencia::colorear(MyMailAddress, Apariencia::Blanco, Apariencia::Azul);
}

void Forma_Acerca::MyMailAddressMouseLeave()
{
    Apariencia::colorear(MyMailAddress, Apariencia::Granate, Apariencia::Blanco);
}

void Forma_Acerca::MyWebAddressMouseEnter()
{
    Apariencia::colorear(MyWebAddress, Apariencia::Blanco, Apariencia::Azul);
}

void Forma_Acerca::MyWebAddressMouseLeave()
{
    Apariencia::colorear(MyWebAddress, Apariencia::Granate, Apariencia::Blanco);
}
