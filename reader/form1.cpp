#include "form1.h"

#include "acceso_ventanas.h"
#include "apariencia.h"
#include "aviso_lector.h"
#include "crear.h"
#include "divisiones.h"
#include "entradas_descritas.h"
#include "enmiendas.h"
#include "entradas.h"
#include "estado_lector.h"
#include "forma_acerca.h"
#include "listaconbusqueda.h"
#include "marco_foco.h"
#include "recursos.h"
#include "richtextview.h"
#include "spinbutton.h"
#include "vetotreewidget.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QWindow>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace UnitM01;

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    Reiniciar_Estado();
    instalarAccesoVentanas(this);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("CONSTITUCION DE LA REPUBLICA BOLIVARIANA DE VENEZUELA 15 DICIEMBRE DE 1999"));
    setWindowIcon(Recursos::imagen(Recursos::Icono));
    setFont(Apariencia::fuente());
    setupBandaMenu();
    setupBandaTitulos();
    setupCuerpo();
    setupIndice();
    setupAtajos();
    setupImprimir();
    // Enter and Return press the focused button, as Space does.
    for (QPushButton *const boton : findChildren<QPushButton *>())
        boton->setAutoDefault(true);
    connectHandlers();
    MarcoFoco::instalar();
}

Form1::~Form1() = default;

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!activado && !event->spontaneous()) {
        activado = true;
        colocarVentana();
        FormActivate();
    }
}

// The first entry was announced before the window was on screen, where a screen reader hears
// nothing: it is told again once, the first time the window is active, after the screen
// reader has spoken the window and its focused control.
void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || Entrada_Anunciada_Al_Activar
        || !QAccessible::isActive())
        return;
    Entrada_Anunciada_Al_Activar = true;
    // Unless something was told meanwhile: a move has named its own entry.
    QTimer::singleShot(1500, this, [this, avisos = Avisos_Dados] {
        if (Avisos_Dados != avisos)
            return;
        Encabezados_Anunciados.clear();
        anunciarEntrada();
    });
}

void Form1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void Form1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Until the rest of the window is made, a frame being painted has it made right after.
    if (!Edit1 || !Forma_Acerca::Instancia() || estadisticasPendientes)
        QTimer::singleShot(0, this, &Form1::completarArranque);
}

void Form1::completarArranque()
{
    instalarEntradasDescritas();
    construirPaginas();
    dialogoAcerca();
    llenarEstadisticasPendientes();
}

// Ctrl+wheel over any part of the window sizes the text, as in a browser: the wheel goes to
// the text view, which does it for itself.
bool Form1::ruedaParaTexto(QObject *objeto, QWheelEvent *rueda)
{
    if (!(rueda->modifiers() & Qt::ControlModifier) || !objeto->isWidgetType())
        return false;
    const auto *const w = static_cast<QWidget *>(objeto);
    if (w->window() != this || w == ColorMemo1 || ColorMemo1->isAncestorOf(w))
        return false;
    QCoreApplication::sendEvent(ColorMemo1->viewport(), rueda);
    return true;
}

bool Form1::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::Wheel && ruedaParaTexto(objeto, static_cast<QWheelEvent *>(evento)))
        return true;
    if (evento->type() == QEvent::ContextMenu && TreeView1
        && (objeto == TreeView1 || objeto == TreeView1->viewport())) {
        TreeView1ContextMenu(static_cast<QContextMenuEvent *>(evento));
        return true;
    }
    if (objeto == TreeView1 && evento->type() == QEvent::FocusIn)
        Describir_Nodos_Indice();
    if (objeto == ListView1 && evento->type() == QEvent::Show)
        llenarEstadisticasPendientes();
    // The list's own keys come before any of the window's shortcuts.
    if (objeto == ListView1 && (evento->type() == QEvent::KeyPress || evento->type() == QEvent::ShortcutOverride)) {
        const int columna = columnaDeTecla(static_cast<QKeyEvent *>(evento));
        if (columna >= 0) {
            evento->accept();
            if (evento->type() == QEvent::KeyPress)
                ListView1ColumnClick(columna);
            return true;
        }
    }
    // Delivered first to the focused widget: a stepping key whose action is off says why.
    if (evento->type() == QEvent::KeyPress && objeto == QApplication::focusWidget()
        && static_cast<QWidget *>(objeto)->window() == this)
        avisarTeclaSinEfecto(static_cast<QKeyEvent *>(evento));
    if (objeto == Panel4) {
        switch (evento->type()) {
        case QEvent::FocusIn:
            Marcar_Selector(true);
            break;
        case QEvent::FocusOut:
            Marcar_Selector(false);
            break;
        case QEvent::KeyPress: {
            // Only its own keys: those its buttons pass up to it are not typed for it.
            const auto *const tecla = static_cast<QKeyEvent *>(evento);
            if (Panel4->hasFocus() && Panel4Tecla(tecla->key(), tecla->modifiers()))
                return true;
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void Form1::FormActivate()
{
    Indice_Visible = true;
    Unidades = 0;
    Decenas = 0;
    Centenas = 0;
    Max_Unidades = 9;
    Max_Decenas = 9;
    Resaltar_Palabra = false;
    Ancho_Indice = 294;
    {
        // Setting the page from the program is not a page change by the reader.
        const QSignalBlocker sinCambio(PageControl1);
        PageControl1->setCurrentWidget(Pagina_Indice);
    }
    Llenar_Indice();
    estadisticasPendientes = true; // Llenar_Estadisticas, without holding back the first frame
    Mover_A_Entrada(1);
}

void Form1::FormClose()
{
    QApplication::quit();
}

void Form1::Mover_A_Entrada(int entrada, Anotacion anotacion)
{
    const int dejada = Articulo_Actual;
    Articulo_Actual = entrada;
    Mostrar_Articulo();
    Actualizar_Botones();
    if (anotacion == Anotacion::Anotar)
        Historial_Entradas.visitar(dejada, Articulo_Actual);
}

void Form1::Mostrar_Articulo()
{
    if (Articulo_Actual == 0)
        return;
    ColorMemo1->ClearText();
    Resaltado_En_Pantalla.clear();
    Articulo_Actual = qBound(1, Articulo_Actual, Numero_Entradas);
    StaticText1->setText(Rotulo_Articulo(Articulo_Actual));
    const QString texto = Texto_Entrada(Articulo_Actual);
    ColorMemo1->SetLinesText(texto);

    const Division_Encontrada titulo = Buscar_Titulo(Articulo_Actual);
    const Division_Encontrada capitulo = Buscar_Capitulo(Articulo_Actual);
    const Division_Encontrada seccion = Buscar_Seccion(Articulo_Actual);
    StaticText5->setText(titulo.titulo);
    StaticText6->setText(capitulo.titulo);
    StaticText7->setText(seccion.titulo);
    Titulo_Actual = titulo.registro;
    Capitulo_Actual = capitulo.registro;
    Seccion_Actual = seccion.registro;

    Seleccionar_Nodo();
    Mostrar_Aviso_Enmienda();
    anunciarEntrada();

    QList<Tramo> marcas;
    if (Resaltar_Palabra) {
        const int largo = int(Palabra_Elegida.size());
        int inicio = 0;
        for (;;) {
            const int p = ColorMemo1->FindInRange(Palabra_Elegida, inicio, int(texto.size()) - inicio);
            if (p < 0)
                break;
            marcas.append({p, largo});
            inicio = p + largo;
        }
    }
    Resaltar_Palabra = false;

    Tramos_Mostrados.clear();
    for (const Tramo &t : std::as_const(Resaltar_Tramos)) {
        // Hits from another text than the one on screen mark nothing.
        if (t.inicio < 0 || t.largo <= 0 || t.inicio + t.largo > texto.size())
            continue;
        marcas.append(t);
        Tramos_Mostrados.append(t);
    }
    Resaltar_Tramos.clear();
    Resaltar_Tramos_En_Texto(marcas);
    // The caret: where a search hit is to be shown; at the start while the reader is in the
    // text, so that Down reads the second line; otherwise where a highlight leaves it, at the
    // last mark, in sight (and at the end of the text without one).
    if (const int caret = std::exchange(Caret_Tras_Mostrar, -1); caret >= 0)
        ColorMemo1->PonerCaret(caret);
    else if (ColorMemo1->hasFocus())
        ColorMemo1->PonerCaret(0);
    else if (!marcas.isEmpty())
        ColorMemo1->PonerCaret(marcas.last().inicio);
}

void Form1::Mostrar_Aviso_Enmienda()
{
    const QString nota = Nota_Enmienda(Articulo_Actual);
    if (nota.isEmpty()) {
        if (Aviso_Enmienda)
            Aviso_Enmienda->hide();
        return;
    }
    if (!Aviso_Enmienda) {
        Aviso_Enmienda = crear<QLabel>(Panel1, "Aviso_Enmienda");
        Aviso_Enmienda->setWordWrap(true);
        Aviso_Enmienda->setMargin(4);
        Aviso_Enmienda->setFont(Apariencia::fuente(8, true));
        Apariencia::colorear(Aviso_Enmienda, QColor(255, 255, 204), Qt::black);
        Aviso_Enmienda->setFrameStyle(QFrame::Box | QFrame::Plain);
        static_cast<QVBoxLayout *>(Panel1->layout())->insertWidget(1, Aviso_Enmienda);
    }
    Aviso_Enmienda->setText(nota);
    Aviso_Enmienda->show();
}

void Form1::Resaltar_Tramos_En_Texto(const QList<Tramo> &tramos)
{
    Resaltado_En_Pantalla = tramos;
    QList<QPair<int, int>> marcas;
    marcas.reserve(tramos.size());
    for (const Tramo &t : tramos)
        marcas.append({t.inicio, t.largo});
    ColorMemo1->MarcarTramos(marcas, Apariencia::Amarillo);
}

// A screen reader announces the new entry: the text view is named after the caption and
// the headings shown, and the name change is reported even when the name is the same.
void Form1::anunciarEntrada()
{
    QStringList encabezados;
    for (const QLabel *tira : {StaticText5, StaticText6, StaticText7})
        if (const QString cabecera = tira->text().trimmed(); !cabecera.isEmpty())
            encabezados << cabecera;
    const QString nota = Nota_Enmienda(Articulo_Actual);
    QStringList partes = QStringList{StaticText1->text().trimmed()} + encabezados;
    if (!nota.isEmpty())
        partes << nota;
    const QString nombre = partes.join(QStringLiteral(", "));
    if (ColorMemo1->accessibleName() == nombre) {
        QAccessibleEvent cambio(ColorMemo1, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&cambio);
    } else {
        ColorMemo1->setAccessibleName(nombre);
    }
    // Spoken wherever the keyboard is: the caption and the headings that changed.
    if (!QAccessible::isActive())
        return;
    QStringList anuncio{StaticText1->text().trimmed()};
    for (const QString &e : std::as_const(encabezados))
        if (!Encabezados_Anunciados.contains(e))
            anuncio << e;
    if (!nota.isEmpty())
        anuncio << nota;
    Encabezados_Anunciados = encabezados;
    const QString mensaje = anuncio.join(QStringLiteral(", "));
    if (Anuncio_Retenido)
        *Anuncio_Retenido = mensaje;
    else
        anunciar(mensaje);
}

void Form1::anunciar(const QString &mensaje)
{
    if (!QAccessible::isActive())
        return;
    if (!Aviso_Lector)
        Aviso_Lector = new AvisoLector(this);
    Aviso_Lector->anunciar(mensaje);
    ++Avisos_Dados;
}

void Form1::Actualizar_Botones()
{
    const bool alPrincipio = Articulo_Actual == 1;
    const bool alFinal = Articulo_Actual == Numero_Entradas;
    Boton_Menu_Primero_->setEnabled(!alPrincipio);
    Boton_Menu_Anterior_->setEnabled(!alPrincipio);
    Boton_Menu_Siguiente_->setEnabled(!alFinal);
    Boton_Menu_Ultimo_->setEnabled(!alFinal);
    Actualizar_Atajos();
}

void Form1::connectHandlers()
{
    connect(Boton_Menu_Primero_, &QPushButton::clicked, this, &Form1::Boton_Menu_Primero_Click);
    connect(Boton_Menu_Anterior_, &QPushButton::clicked, this, &Form1::Boton_Menu_Anterior_Click);
    connect(Boton_Menu_Siguiente_, &QPushButton::clicked, this, &Form1::Boton_Menu_Siguiente_Click);
    connect(Boton_Menu_Ultimo_, &QPushButton::clicked, this, &Form1::Boton_Menu_Ultimo_Click);
    connect(SpinButton1, &SpinButton::upClick, this, &Form1::SpinButton1UpClick);
    connect(SpinButton1, &SpinButton::downClick, this, &Form1::SpinButton1DownClick);
    connect(SpinButton2, &SpinButton::upClick, this, &Form1::SpinButton2UpClick);
    connect(SpinButton2, &SpinButton::downClick, this, &Form1::SpinButton2DownClick);
    connect(SpinButton3, &SpinButton::upClick, this, &Form1::SpinButton3UpClick);
    connect(SpinButton3, &SpinButton::downClick, this, &Form1::SpinButton3DownClick);
    connect(Boton_Cunsultar_Articulo, &QPushButton::clicked, this, &Form1::Boton_Cunsultar_ArticuloClick);
    connect(TreeView1, &VetoTreeWidget::expanding, this, &Form1::TreeView1Expanding);
    connect(TreeView1, &VetoTreeWidget::treeClicked, this, &Form1::TreeView1Click);
    connect(TreeView1, &VetoTreeWidget::ramaConTeclado, this, &Form1::TreeView1RamaConTeclado);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &Form1::TreeView1CurrentChanged);
    connect(Boton_1, &QPushButton::clicked, this, &Form1::Boton_1Click);
    connect(Boton_2, &QPushButton::clicked, this, &Form1::Boton_2Click);
    connect(Boton_3, &QPushButton::clicked, this, &Form1::Boton_3Click);
    connect(Botones_Profundidad, &QButtonGroup::buttonToggled, this, &Form1::Boton_Profundidad_Toggled);
    connect(Boton_Menu_Indice_, &QPushButton::clicked, this, &Form1::Boton_Menu_Indice_Click);
    connect(Boton_Menu_Cerrar_, &QPushButton::clicked, this, &Form1::Boton_Menu_Cerrar_Click);
    connect(Boton_Menu_Acerca_, &QPushButton::clicked, this, &Form1::Boton_Menu_Acerca_Click);
    // A page chosen before its contents exist has them made before it is served or painted.
    connect(PageControl1, &QTabWidget::currentChanged, this, &Form1::construirPaginas);
    connect(PageControl1, &QTabWidget::currentChanged, this, &Form1::PageControl1Change);
    Panel4->installEventFilter(this);
    connect(ColorMemo1, &RichTextView::ampliacionPedida, this, &Form1::Cambiar_Tamano_Texto);
    // Every wheel event passes here first, for ruedaParaTexto.
    qApp->installEventFilter(this);
}

void Form1::construirPaginas()
{
    if (Edit1)
        return;
    setupPaginaReferencias();
    setupPaginaEstadisticas();
    // Only the reader's edits: setting the text from the program is no change to serve.
    connect(Edit1, &QLineEdit::textEdited, this, &Form1::Edit1Change);
    connect(ListBox1, &ListaConBusqueda::elegido, this, &Form1::ListBox1Click);
    connect(ListBox2, &ListaConBusqueda::elegido, this, &Form1::ListBox2Click);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this, &Form1::ListView1ColumnClick);
    ListView1->installEventFilter(this);
    // Made after the text view, they take the place in the Tab order they would have had
    // if made with their pages: after the index page, before the text.
    setTabOrder(Boton_3, Edit1);
    setTabOrder(Edit1, ListBox1);
    setTabOrder(ListBox1, ListBox2);
    setTabOrder(ListBox2, ListView1);
    // Children made inside a page already on screen are shown by hand (showing them lays them out).
    for (QWidget *const pagina : {Pagina_Referencias, Tab_Estdisticas})
        if (pagina->isVisible())
            for (QWidget *const hijo : pagina->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                hijo->show();
}

Forma_Acerca *Form1::dialogoAcerca()
{
    if (Forma_Acerca *const existente = Forma_Acerca::Instancia())
        return existente;
    Forma_Acerca_Propia = std::make_unique<Forma_Acerca>();
    return Forma_Acerca_Propia.get();
}

void Form1::Boton_Menu_Indice_Click()
{
    Indice_Visible = !Indice_Visible;
    const int ancho = Indice_Visible ? Ancho_Indice : 1;
    const QString pista = Indice_Visible ? QStringLiteral("Ocultar el índice izquierdo")
                                         : QStringLiteral("Mostrar el índice izquierdo");
    const QList<int> anchos = Splitter1->sizes();
    Splitter1->setSizes({ancho, anchos.value(0) + anchos.value(1) - ancho});
    Boton_Menu_Indice_->setToolTip(pista);
    Boton_Menu_Indice_->setAccessibleName(pista);
    // A pane one pixel wide is out of the keyboard's way too.
    PageControl1->setEnabled(Indice_Visible);
    anunciar(Indice_Visible ? QStringLiteral("Índice mostrado. Ocultar el índice izquierdo")
                          : QStringLiteral("Índice oculto. Mostrar el índice izquierdo"));
    // Paint what is already pending for the caption strip now, without invalidating anything more.
    QCoreApplication::sendPostedEvents(StaticText1->window(), QEvent::UpdateRequest);
}

void Form1::Boton_Menu_Cerrar_Click()
{
    FormClose();
}

void Form1::Boton_Menu_Acerca_Click()
{
    Forma_Acerca *const acerca = dialogoAcerca();
    // A Wayland compositor places a window shown again anew, wherever it likes: there the main
    // window stays where it is, under the modal dialog, which is kept in front of it.
    const bool ocultar = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (ocultar) {
        hide();
    } else {
        acerca->winId();
        acerca->windowHandle()->setTransientParent(windowHandle());
    }
    acerca->exec();
    if (ocultar)
        show();
}
