#pragma once

#include "busqueda_global.h"
#include "selector.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <span>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QFrame;
class QContextMenuEvent;
class QKeyEvent;
class QWheelEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class QTreeWidget;
class AvisoLector;
class Forma_Acerca;
class ListaConBusqueda;
class ModeloEstadisticas;
class QTreeWidgetItem;
class RichTextView;
class SpinButton;
class VentanaBuscar;
class VetoTreeWidget;
struct Atajo;
struct Trabajo_Impresion;
struct FilaEstadistica;

// The main window: the reader. Its state lives in UnitM01; the window owns the widgets
// and serves their events with handlers named after component and event.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;
    Q_DISABLE_COPY_MOVE(Form1)

    // Start-up and entry display
    void FormActivate();
    // The rest of the window, which the first frame does not show: the contents of the
    // "Referencias" and "Estdísticas" pages, the About dialog (unless one exists already)
    // and the statistics rows. Runs by itself once the first frame is on screen; a page
    // shown before then, or the About button, makes what it needs at once. The handlers
    // of those two pages are for the widgets this makes.
    void completarArranque();
    void FormClose();
    void Mostrar_Articulo();
    void Actualizar_Botones();
    // Articulo_Actual <- entrada, show it, update the buttons; the move is recorded in the
    // history unless it is a step through the history itself.
    enum class Anotacion { Anotar, SinAnotar };
    void Mover_A_Entrada(int entrada, Anotacion anotacion = Anotacion::Anotar);

    // Navigation bar and article selector
    void Boton_Menu_Primero_Click();
    void Boton_Menu_Anterior_Click();
    void Boton_Menu_Siguiente_Click();
    void Boton_Menu_Ultimo_Click();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void SpinButton2UpClick();
    void SpinButton2DownClick();
    void SpinButton3UpClick();
    void SpinButton3DownClick();
    void Mostrar_Digitos();
    void Avisar_Numero_Selector();
    void Boton_Cunsultar_ArticuloClick();
    // Puts article n (0 the preamble .. 350) on the selector and presses go; out of range does nothing.
    void elegirArticulo(int n);

    // Index tree
    void Llenar_Indice();
    void Seleccionar_Nodo();
    void TreeView1Expanding(const QTreeWidgetItem *nodo, bool &permitir);
    void TreeView1Click();
    void TreeView1CurrentChanged();
    void Boton_1Click();
    void Boton_2Click();
    void Boton_3Click();

    // Cross-reference page (its widgets are made by completarArranque)
    void Edit1Change();
    void ListBox1Click();
    void ListBox2Click();
    void Listar_Articulos(int cabeza);
    void PageControl1Change();

    // Statistics
    void Llenar_Estadisticas();
    void Agregar_Estadistica(const QString &palabra, int articulos, int veces);
    void ListView1ColumnClick(int columna);
    int ListView1Compare(const FilaEstadistica &a, const FilaEstadistica &b) const;
    static int columnaDeTecla(const QKeyEvent *tecla);

    // Chrome
    void Boton_Menu_Indice_Click();
    void Boton_Menu_Cerrar_Click();

    // Whole-text search: Ctrl+F opens the search window; F3 and Shift+F3 step through its
    // hits, or through the concordance word's entries while it has none.
    void Atajo_Buscar_Triggered();
    void Atajo_Buscar_Siguiente_Triggered();
    void Atajo_Buscar_Anterior_Triggered();
    void Ventana_BuscarResultadoElegido(int fila);
    void Ventana_BuscarResultadosCambiados();
    // Keyboard actions of the whole window (form1_atajos.cpp) and what they run
    static std::span<const Atajo> Tabla_Atajos();
    void Historial_Atras();    // the entry shown before, without highlight
    void Historial_Adelante(); // the entry Back left, without highlight
    void Teclear_Selector();   // the keyboard to the selector's digits
    void Ampliar_Texto();
    void Reducir_Texto();
    void Restaurar_Texto();                // the designed 8 points
    void Avisar_Tamano_Texto();
    void Cambiar_Tamano_Texto(int pasos);  // steps up or down the scale of sizes
    void Copiar_Con_Cita();    // the selection or the whole entry, and where it comes from

    // Printing (form1_imprimir.cpp): Ctrl+P prints through the print dialog, Ctrl+Shift+P shows
    // the print preview, of what the keyboard is on: in the search window its results; in the
    // index tree the division of the node the reader last chose (nodoElegido); elsewhere the selection the reader sees, or
    // else the entry on screen. The tree's context menu prints the division of the node under
    // the mouse (of the node chosen, from the keyboard); the search window's button its results.
    void Atajo_Imprimir_Triggered();
    void Atajo_Vista_Previa_Triggered();
    void TreeView1ContextMenu(QContextMenuEvent *evento);
    QTreeWidgetItem *nodoElegido() const;
    void Ventana_BuscarImprimirPedido();

    // About: hides this window while the About dialog runs modally, then shows it again as it was.
    void Boton_Menu_Acerca_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    bool ruedaParaTexto(QObject *objeto, QWheelEvent *rueda);
    void setupBandaMenu();
    void setupBandaTitulos();
    void setupCuerpo();
    void setupPaginaIndice();
    void setupPaginaReferencias();  // the page's contents, into its tab
    void setupPaginaEstadisticas(); // the page's contents, into its tab
    void construirPaginas();        // both, once, wired and in their place in the Tab order
    Forma_Acerca *dialogoAcerca();  // the About dialog of this run, made here if there is none
    std::unique_ptr<Forma_Acerca> Forma_Acerca_Propia;
    void setupIndice();
    void Boton_Profundidad_Toggled(QAbstractButton *boton);
    void colocarVentana(); // designed outer size, centred on the screen
    void anunciarEntrada(); // ColorMemo1's accessible name after a move, and the announcement
    void avisarTeclaSinEfecto(const QKeyEvent *tecla); // a stepping key whose move cannot be made
    void TreeView1RamaConTeclado(const QTreeWidgetItem *nodo, bool abrir);
    void Describir_Nodos_Indice(); // each node's level and place, the first time the tree has the keyboard
    bool Nodos_Descritos = false;
    bool Entrada_Anunciada_Al_Activar = false; // the first entry, told once the window is active
    int Avisos_Dados = 0;
    AvisoLector *Aviso_Lector = nullptr; // made on the first move a screen reader is there to hear
    QStringList Encabezados_Anunciados;  // the headings the last announcement named
    // While set, a move's announcement is left here to be said with what follows it.
    QString *Anuncio_Retenido = nullptr;
    void anunciar(const QString &mensaje); // told to a screen reader, if one is there
    void connectHandlers();
    // Bold on yellow over these stretches of the text, as the concordance highlight marks a
    // word; the caret and the selection stay as they are.
    void Resaltar_Tramos_En_Texto(const QList<Tramo> &tramos);
    int Caret_Tras_Mostrar = -1; // where the next display leaves the caret, -1 for its usual place
    // Shows a hit of the search window's results: its entry with every hit highlighted
    // (unless already on screen), the hit marked, the caret at its start and in sight; a
    // screen reader hears the entry if it changed, then the hit's place and its line.
    void Mostrar_Coincidencia(Posicion_Coincidencia posicion);
    void pasoConcordancia(bool adelante);
    void pasoBusqueda(bool adelante);

    // What Ctrl+P and Ctrl+Shift+P print, from where the keyboard is.
    Trabajo_Impresion trabajoSegunFoco() const;
    Trabajo_Impresion trabajoResultados() const;
    // The dialog (or the preview) for the job; nothing happens for an empty job.
    void imprimir(const Trabajo_Impresion &trabajo, bool vistaPrevia);
    QList<Tramo> Resaltado_En_Pantalla; // every stretch bold on yellow in ColorMemo1

    QPointer<VentanaBuscar> Ventana_Buscar; // made on the first Ctrl+F
    QList<Tramo> Tramos_Mostrados;          // the hits the display on screen highlights
    void setupAtajos();
    void setupImprimir(); // the print keys' captions, offered in the text view's menu too
    void Actualizar_Atajos(); // the stepping keys enabled as their buttons

    // Typing into the selector: while Panel4 holds the keyboard its digits are marked and
    // take digits, Up, Down, Enter and Escape; the keyboard then goes back where it was.
    bool Panel4Tecla(int tecla, Qt::KeyboardModifiers modificadores);
    void Marcar_Selector(bool tecleando);
    void Devolver_Teclado();
    TecleoSelector Tecleo_Selector;
    QPointer<QWidget> Foco_Antes_Del_Selector;
    QList<QAction *> Acciones_Atajos; // one per row of the table, in its order

    bool activado = false; // FormActivate runs once, on the first showing

    // The activation leaves the statistics list to be filled once the first frame is on
    // screen (completarArranque), or at once if the list is shown before that.
    void llenarEstadisticasPendientes();
    bool estadisticasPendientes = false;

    // Top band
    QFrame *Panel_Menu = nullptr;
    QFrame *Panel4 = nullptr;
    QFrame *Panel2 = nullptr;
    QFrame *Panel3 = nullptr;
    QFrame *Panel5 = nullptr;
    QFrame *Panel11 = nullptr;
    QLabel *StaticText12 = nullptr;
    QLabel *StaticText13 = nullptr;
    QLabel *StaticText14 = nullptr;
    SpinButton *SpinButton1 = nullptr;
    SpinButton *SpinButton2 = nullptr;
    SpinButton *SpinButton3 = nullptr;
    QPushButton *Boton_Cunsultar_Articulo = nullptr;
    QFrame *Grupo_Botones_Menu = nullptr;
    QPushButton *Boton_Menu_Primero_ = nullptr;
    QPushButton *Boton_Menu_Anterior_ = nullptr;
    QPushButton *Boton_Menu_Siguiente_ = nullptr;
    QPushButton *Boton_Menu_Ultimo_ = nullptr;
    QPushButton *Boton_Menu_Indice_ = nullptr;
    QPushButton *Boton_Menu_Acerca_ = nullptr;
    QPushButton *Boton_Menu_Cerrar_ = nullptr;
    QFrame *Panel6 = nullptr;
    QFrame *Panel8 = nullptr;
    QFrame *Panel9 = nullptr;
    QFrame *Panel10 = nullptr;

    // Heading band
    QFrame *Panel_Titulos = nullptr;
    QFrame *Panel_Titulos_Left = nullptr;
    QFrame *Panel_Titulos_Right = nullptr;
    QLabel *StaticText2 = nullptr;
    QLabel *StaticText3 = nullptr;
    QLabel *StaticText4 = nullptr;
    QLabel *StaticText5 = nullptr;
    QLabel *StaticText6 = nullptr;
    QLabel *StaticText7 = nullptr;

    // Body
    QFrame *Panel_Cuerpo = nullptr;
    QSplitter *Splitter1 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *Pagina_Indice = nullptr;
    QWidget *Pagina_Referencias = nullptr;
    QWidget *Tab_Estdisticas = nullptr;
    QLabel *StaticText9 = nullptr;
    VetoTreeWidget *TreeView1 = nullptr;
    QPushButton *Boton_0 = nullptr;
    QPushButton *Boton_1 = nullptr;
    QPushButton *Boton_2 = nullptr;
    QPushButton *Boton_3 = nullptr;
    QButtonGroup *Botones_Profundidad = nullptr; // Boton_0..Boton_3, one down at a time
    QLabel *StaticText8 = nullptr;
    QLineEdit *Edit1 = nullptr;
    ListaConBusqueda *ListBox1 = nullptr;
    ListaConBusqueda *ListBox2 = nullptr;
    QTableView *ListView1 = nullptr;
    ModeloEstadisticas *Modelo_Estadisticas = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *StaticText1 = nullptr;
    RichTextView *ColorMemo1 = nullptr;
    // The note on an article amended since 1999, between the caption strip and the text;
    // made when first needed and hidden on every other entry.
    QLabel *Aviso_Enmienda = nullptr;
    void Mostrar_Aviso_Enmienda();
};
