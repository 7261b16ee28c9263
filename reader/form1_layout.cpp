// Layout of the main window: the menu band, the heading band and the body.
#include "form1.h"

#include "apariencia.h"
#include "botonplano.h"
#include "cabecera_orden.h"
#include "crear.h"
#include "estado_lector.h"
#include "fila_actual.h"
#include "listaconbusqueda.h"
#include "modelo_estadisticas.h"
#include "recursos.h"
#include "resaltado_pestanas.h"
#include "richtextview.h"
#include "spin_accesible.h"
#include "spinbutton.h"
#include "vetotreewidget.h"

#include <QBoxLayout>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QWindow>

#include <utility>

namespace {

QBoxLayout *sinMargenes(QBoxLayout *layout, int espacio = 0)
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(espacio);
    return layout;
}

// A panel with a one-pixel raised bevel; its contents start inside the bevel.
QFrame *panelElevado(QWidget *padre, const char *nombre)
{
    auto *panel = crear<QFrame>(padre, nombre);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

// A coloured strip of text with a sunken edge.
QLabel *tira(QWidget *padre, const char *nombre, const QString &texto, const QColor &fondo,
             const QColor &color, qreal puntos, Qt::Alignment alineacion, bool hundida)
{
    auto *l = crear<QLabel>(padre, nombre);
    l->setText(texto);
    l->setFont(Apariencia::fuente(puntos, true));
    l->setAlignment(alineacion | Qt::AlignVCenter);
    // A long heading is cut at the strip's edge instead of widening the window.
    l->setMinimumWidth(1);
    Apariencia::colorear(l, fondo, color);
    if (hundida)
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

// A read-only report: one row per item, whole-row selection, grid lines, headings that
// are clicked to sort (the window sorts; the view does not toggle an order of its own).
void configurarInforme(QTableView *vista, std::initializer_list<int> anchos)
{
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setSelectionMode(QAbstractItemView::SingleSelection);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setTabKeyNavigation(false); // Tab leaves the list instead of walking its cells
    vista->setShowGrid(true);
    vista->setWordWrap(false);
    vista->setSortingEnabled(false);
    vista->verticalHeader()->hide();
    vista->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vista->verticalHeader()->setDefaultSectionSize(vista->fontMetrics().height() + 4);
    vista->horizontalHeader()->setSectionsClickable(true);
    // The sorted column shows the header's sort indicator; none before the first sort.
    vista->horizontalHeader()->setSortIndicatorShown(true);
    vista->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    CabeceraOrden::aplicar(vista->horizontalHeader());
    vista->horizontalHeader()->setHighlightSections(false);
    vista->horizontalHeader()->setStretchLastSection(false);
    int columna = 0;
    for (const int ancho : anchos)
        vista->setColumnWidth(columna++, ancho);
}

// An empty page of a tab control, behind its tab caption.
QWidget *nuevaPagina(QTabWidget *paginas, const char *nombre, const QString &pestana)
{
    auto *const p = crear<QWidget>(paginas, nombre);
    // The hand shows over the tabs and the page edges; each page brings back the arrow.
    p->setCursor(Qt::ArrowCursor);
    paginas->addTab(p, pestana);
    return p;
}

// The window's outer size as designed.
constexpr QSize TamanoVentana(664, 480);

} // namespace

void Form1::setupBandaMenu()
{
    Panel_Menu = panelElevado(this, "Panel_Menu");
    Panel_Menu->setFixedHeight(50);
    auto *fila = sinMargenes(new QHBoxLayout(Panel_Menu));

    // A 3-pixel border inside the bevel.
    Panel4 = panelElevado(Panel_Menu, "Panel4");
    Panel4->setFixedSize(160, 48);
    Panel4->setAccessibleName(QStringLiteral("Número del artículo: escriba sus cifras y pulse Intro"));
    auto *selector = sinMargenes(new QHBoxLayout(Panel4));
    selector->setContentsMargins(3, 3, 3, 3);
    const struct { QFrame **panel; const char *nombre; QLabel **digito; const char *nombreDigito;
                   SpinButton **giro; const char *nombreGiro; const char *cifra; } columnas[] = {
        {&Panel2, "Panel2", &StaticText12, "StaticText12", &SpinButton1, "SpinButton1", "Centenas"},
        {&Panel3, "Panel3", &StaticText13, "StaticText13", &SpinButton2, "SpinButton2", "Decenas"},
        {&Panel5, "Panel5", &StaticText14, "StaticText14", &SpinButton3, "SpinButton3", "Unidades"},
    };
    for (const auto &c : columnas) {
        *c.panel = crear<QFrame>(Panel4, c.nombre);
        (*c.panel)->setFixedSize(25, 40);
        auto *columna = sinMargenes(new QVBoxLayout(*c.panel));
        *c.digito = tira(*c.panel, c.nombreDigito, QStringLiteral("0"), Apariencia::CieloAzul, Qt::black, 8,
                         Qt::AlignHCenter, true);
        (*c.digito)->setFixedSize(21, 15);
        columna->addWidget(*c.digito, 0, Qt::AlignHCenter | Qt::AlignTop);
        *c.giro = crear<SpinButton>(*c.panel, c.nombreGiro);
        (*c.giro)->setFixedSize(21, 21);
        (*c.giro)->setFlechas(Recursos::imagen(Recursos::FlechaArriba), Recursos::imagen(Recursos::FlechaAbajo));
        // Arrows only: named for a screen reader after the digit they change.
        // The spin box's interface first: naming a widget makes the plain one, which Qt keeps.
        hacerSpinAccesible(*c.giro, *c.digito);
        (*c.giro)->setAccessibleName(QStringLiteral("%1 del artículo").arg(QLatin1String(c.cifra)));
        columna->addWidget(*c.giro, 0, Qt::AlignHCenter | Qt::AlignTop);
        columna->addStretch();
        selector->addWidget(*c.panel);
    }
    Panel11 = crear<QFrame>(Panel4, "Panel11");
    Panel11->setFixedWidth(3);
    selector->addWidget(Panel11);
    auto *const ir = crear<BotonPlano>(Panel4, "Boton_Cunsultar_Articulo");
    ir->setText(QStringLiteral("Ir directo\nal artículo\n"));
    ir->setFont(Apariencia::fuente(8, true));
    ir->setFixedSize(74, 40);
    ir->setCaptionOffset(2);
    Boton_Cunsultar_Articulo = ir;
    selector->addWidget(Boton_Cunsultar_Articulo);
    fila->addWidget(Panel4);

    Grupo_Botones_Menu = crear<QFrame>(Panel_Menu, "Grupo_Botones_Menu");
    Grupo_Botones_Menu->setFixedSize(360, 48);
    auto *botones = sinMargenes(new QHBoxLayout(Grupo_Botones_Menu), 2);
    const struct { QPushButton **boton; const char *nombre; const char *pista; const char *imagen; } menu[] = {
        {&Boton_Menu_Primero_, "Boton_Menu_Primero_", "Ir al Preámbulo", Recursos::Primero},
        {&Boton_Menu_Anterior_, "Boton_Menu_Anterior_", "Ir al artículo anterior", Recursos::Anterior},
        {&Boton_Menu_Siguiente_, "Boton_Menu_Siguiente_", "Ir al artículo siguiente", Recursos::Siguiente},
        {&Boton_Menu_Ultimo_, "Boton_Menu_Ultimo_", "Ir al artículo final", Recursos::Ultimo},
        {&Boton_Menu_Indice_, "Boton_Menu_Indice_", "Ocultar el índice izquierdo", Recursos::Indice},
        {&Boton_Menu_Acerca_, "Boton_Menu_Acerca_", "Información acerca de la fuente de esta constitución",
         Recursos::Acerca},
        {&Boton_Menu_Cerrar_, "Boton_Menu_Cerrar_", "Cerrar esta aplicación", Recursos::Cerrar},
    };
    for (const auto &m : menu) {
        *m.boton = crear<BotonPlano>(Grupo_Botones_Menu, m.nombre);
        (*m.boton)->setIcon(Recursos::imagen(m.imagen));
        (*m.boton)->setIconSize(QSize(32, 32));
        // Only a picture: the hint is also the name a screen reader says.
        (*m.boton)->setToolTip(QString::fromUtf8(m.pista));
        (*m.boton)->setAccessibleName(QString::fromUtf8(m.pista));
        (*m.boton)->setFixedSize(50, 48);
        botones->addWidget(*m.boton);
    }
    Boton_Menu_Acerca_->setFixedWidth(49);
    Boton_Menu_Cerrar_->setFixedWidth(49);
    fila->addWidget(Grupo_Botones_Menu);

    Panel6 = crear<QFrame>(Panel_Menu, "Panel6");
    Panel6->setFixedHeight(48);
    auto *franjas = sinMargenes(new QVBoxLayout(Panel6));
    const struct { QFrame **franja; const char *nombre; QColor color; } colores[] = {
        {&Panel8, "Panel8", Apariencia::Amarillo},
        {&Panel9, "Panel9", Apariencia::Azul},
        {&Panel10, "Panel10", Apariencia::Rojo},
    };
    for (const auto &c : colores) {
        *c.franja = crear<QFrame>(Panel6, c.nombre);
        (*c.franja)->setFixedHeight(16);
        Apariencia::colorear(*c.franja, c.color, Qt::black);
        franjas->addWidget(*c.franja);
    }
    fila->addWidget(Panel6, 1);
}

void Form1::setupBandaTitulos()
{
    Panel_Titulos = panelElevado(this, "Panel_Titulos");
    Panel_Titulos->setFixedHeight(64);
    auto *fila = sinMargenes(new QHBoxLayout(Panel_Titulos));
    Panel_Titulos_Left = panelElevado(Panel_Titulos, "Panel_Titulos_Left");
    Panel_Titulos_Left->setFixedWidth(97);
    Panel_Titulos_Right = panelElevado(Panel_Titulos, "Panel_Titulos_Right");
    auto *izquierda = sinMargenes(new QVBoxLayout(Panel_Titulos_Left));
    auto *derecha = sinMargenes(new QVBoxLayout(Panel_Titulos_Right));
    const struct { QLabel **rotulo; const char *nombre; const char *texto; QLabel **tira; const char *nombreTira; QColor fondo; } filas[] = {
        {&StaticText2, "StaticText2", "Título", &StaticText5, "StaticText5", Apariencia::Granate},
        {&StaticText3, "StaticText3", "Capítulo", &StaticText6, "StaticText6", Apariencia::Oliva},
        {&StaticText4, "StaticText4", "Sección", &StaticText7, "StaticText7", Apariencia::VerdeAzulado},
    };
    for (const auto &f : filas) {
        *f.rotulo = tira(Panel_Titulos_Left, f.nombre, QString::fromUtf8(f.texto), f.fondo, Apariencia::Blanco, 10,
                         Qt::AlignRight, true);
        (*f.rotulo)->setFixedSize(95, 20);
        izquierda->addWidget(*f.rotulo);
        *f.tira = tira(Panel_Titulos_Right, f.nombreTira, QString(), f.fondo, Apariencia::Blanco, 10, Qt::AlignLeft,
                       true);
        (*f.tira)->setFixedHeight(20);
        derecha->addWidget(*f.tira);
    }
    fila->addWidget(Panel_Titulos_Left);
    fila->addWidget(Panel_Titulos_Right, 1);
}

void Form1::setupCuerpo()
{
    Panel_Cuerpo = crear<QFrame>(this, "Panel_Cuerpo");
    auto *cuerpo = sinMargenes(new QHBoxLayout(Panel_Cuerpo));
    Splitter1 = crear<QSplitter>(Panel_Cuerpo, "Splitter1");
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    cuerpo->addWidget(Splitter1);

    PageControl1 = crear<QTabWidget>(Splitter1, "PageControl1");
    PageControl1->setMinimumWidth(1);
    PageControl1->setCursor(Qt::PointingHandCursor);
    new ResaltadoPestanas(PageControl1->tabBar(), Apariencia::Azul);
    Pagina_Indice = nuevaPagina(PageControl1, "Pagina_Indice", QStringLiteral("Indice"));
    setupPaginaIndice();
    // The other two pages start as bare tabs; completarArranque fills them.
    Pagina_Referencias = nuevaPagina(PageControl1, "Pagina_Referencias", QStringLiteral("Referencias"));
    Tab_Estdisticas = nuevaPagina(PageControl1, "Tab_Estdisticas", QStringLiteral("Estdísticas"));

    Panel1 = panelElevado(Splitter1, "Panel1");
    auto *texto = sinMargenes(new QVBoxLayout(Panel1));
    StaticText1 = tira(Panel1, "StaticText1", QString(), Apariencia::Azul, Apariencia::Blanco, 12, Qt::AlignHCenter,
                       false);
    StaticText1->setFixedHeight(24);
    texto->addWidget(StaticText1);
    ColorMemo1 = crear<RichTextView>(Panel1, "ColorMemo1");
    ColorMemo1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ColorMemo1->setLineWidth(2);
    ColorMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Apariencia::colorear(ColorMemo1, Apariencia::CieloAzul, Apariencia::Granate);
    ColorMemo1->setFont(Apariencia::fuente(UnitM01::Tamano_Texto));
    ColorMemo1->SetLinesText(QStringLiteral("ColorMemo1"));
    texto->addWidget(ColorMemo1, 1);

    Splitter1->addWidget(PageControl1);
    Splitter1->addWidget(Panel1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({300, 360});

    auto *ventana = sinMargenes(new QVBoxLayout(this));
    ventana->addWidget(Panel_Menu);
    ventana->addWidget(Panel_Titulos);
    ventana->addWidget(Panel_Cuerpo, 1);
    resize(TamanoVentana);
}

void Form1::colocarVentana()
{
    // The outer size is the designed one: the frame, where the platform reports one, comes out of it.
    QSize cliente = TamanoVentana;
    if (const QWindow *const w = windowHandle()) {
        const QMargins marco = w->frameMargins();
        cliente = cliente.shrunkBy(marco);
    }
    resize(cliente);
    if (const QScreen *const pantalla = screen()) {
        QRect afuera(QPoint(), TamanoVentana);
        afuera.moveCenter(pantalla->availableGeometry().center());
        move(afuera.topLeft());
    }
}

void Form1::setupPaginaIndice()
{
    auto *pagina = sinMargenes(new QVBoxLayout(Pagina_Indice));
    StaticText9 = tira(Pagina_Indice, "StaticText9", QStringLiteral("Indice"), Apariencia::Azul, Apariencia::Blanco, 12,
                       Qt::AlignHCenter, false);
    StaticText9->setFixedHeight(24);
    pagina->addWidget(StaticText9);
    TreeView1 = crear<VetoTreeWidget>(Pagina_Indice, "TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setHeaderLabel(QStringLiteral("Índice")); // hidden; named for screen readers
    TreeView1->setAccessibleName(QStringLiteral("Índice: títulos, capítulos y secciones"));
    Apariencia::colorear(TreeView1, Apariencia::VerdeDinero, Qt::black);
    pagina->addWidget(TreeView1, 1);
    auto *fila = sinMargenes(new QHBoxLayout, 1);
    const struct {
        QPushButton **boton;
        const char *nombre;
        const char *texto;
        int ancho;
        qreal puntos;
        const char *acceso; // what a screen reader says of it
    } botones[] = {
        {&Boton_0, "Boton_0", "0", 72, 8, "Índice sin límite de niveles"},
        {&Boton_1, "Boton_1", "1", 71, 10, "Índice: solo los títulos"},
        {&Boton_2, "Boton_2", "2", 71, 10, "Índice: títulos y capítulos"},
        {&Boton_3, "Boton_3", "3", 71, 10, "Índice: títulos, capítulos y secciones"},
    };
    for (const auto &b : botones) {
        *b.boton = crear<BotonPlano>(Pagina_Indice, b.nombre);
        (*b.boton)->setText(QString::fromLatin1(b.texto));
        (*b.boton)->setAccessibleName(QString::fromUtf8(b.acceso));
        (*b.boton)->setFont(Apariencia::fuente(b.puntos));
        (*b.boton)->setFixedSize(b.ancho, 20);
        fila->addWidget(*b.boton);
    }
    fila->addStretch();
    pagina->addLayout(fila);
}

void Form1::setupPaginaReferencias()
{
    auto *pagina = sinMargenes(new QVBoxLayout(Pagina_Referencias));
    StaticText8 = tira(Pagina_Referencias, "StaticText8", QStringLiteral("Referencia Cruzada"), Apariencia::Azul,
                       Apariencia::Blanco, 12, Qt::AlignHCenter, false);
    StaticText8->setFixedHeight(24);
    pagina->addWidget(StaticText8);
    auto *const bandaEdit = crear<QFrame>(Pagina_Referencias, "Panel7");
    bandaEdit->setFixedHeight(33);
    auto *const filaEdit = sinMargenes(new QHBoxLayout(bandaEdit));
    filaEdit->setContentsMargins(5, 0, 5, 0);
    Edit1 = crear<QLineEdit>(bandaEdit, "Edit1");
    Edit1->setAccessibleName(QStringLiteral("Palabra que busca en las referencias"));
    filaEdit->addWidget(Edit1);
    pagina->addWidget(bandaEdit);

    // Each list sits inside a 5-pixel border; the entry numbers take a 60-pixel column on the right.
    auto *listas = sinMargenes(new QHBoxLayout);
    auto *const bordeLista1 = crear<QFrame>(Pagina_Referencias, "Panel12");
    auto *const bordeLista2 = crear<QFrame>(Pagina_Referencias, "Panel13");
    bordeLista2->setFixedWidth(60);
    ListBox1 = crear<ListaConBusqueda>(bordeLista1, "ListBox1");
    ListBox2 = crear<ListaConBusqueda>(bordeLista2, "ListBox2");
    ListBox1->setAccessibleName(QStringLiteral("Palabras que empiezan así"));
    ListBox2->setAccessibleName(QStringLiteral("Artículos donde está la palabra"));
    for (auto [borde, lista] : {std::pair{bordeLista1, ListBox1}, std::pair{bordeLista2, ListBox2}}) {
        auto *const marco = sinMargenes(new QVBoxLayout(borde));
        marco->setContentsMargins(5, 5, 5, 5);
        marco->addWidget(lista);
        lista->setCursor(Qt::PointingHandCursor);
        lista->hide();
    }
    listas->addWidget(bordeLista1, 1);
    listas->addWidget(bordeLista2);
    pagina->addLayout(listas, 1);
}

void Form1::setupPaginaEstadisticas()
{
    auto *pagina = sinMargenes(new QVBoxLayout(Tab_Estdisticas));
    ListView1 = crear<QTableView>(Tab_Estdisticas, "ListView1");
    ListView1->setAccessibleName(QStringLiteral("Palabras: en cuántos artículos y cuántas veces"));
    Modelo_Estadisticas = new ModeloEstadisticas(ListView1);
    ListView1->setModel(Modelo_Estadisticas);
    configurarInforme(ListView1, {170, 55, 45});
    Apariencia::colorear(ListView1, Apariencia::CieloAzul, Qt::black);
    anunciarFilaAlEntrar(ListView1);
    pagina->addWidget(ListView1);
}
