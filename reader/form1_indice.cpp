// Index tree page: the divisions as a tree, the depth buttons and the clicks that open a division.
#include "form1.h"

#include "apariencia.h"
#include "divisiones.h"
#include "estado_lector.h"
#include "vetotreewidget.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QPushButton>
#include <QSignalBlocker>

using namespace UnitM01;

void Form1::setupIndice()
{
    TreeView1->setIndentation(19);
    // Every node is one line in one face: the first row's height serves for all, instead of
    // each row laying out its heading to measure it.
    TreeView1->setUniformRowHeights(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TreeView1->setCursor(Qt::PointingHandCursor);
    TreeView1->viewport()->setCursor(Qt::PointingHandCursor);
    // The selection stays visible when the tree does not have the focus.
    QPalette paleta = TreeView1->palette();
    for (const QPalette::ColorRole papel : {QPalette::Highlight, QPalette::HighlightedText})
        paleta.setColor(QPalette::Inactive, papel, paleta.color(QPalette::Active, papel));
    TreeView1->setPalette(paleta);

    Botones_Profundidad = new QButtonGroup(this);
    Botones_Profundidad->setExclusive(true);
    for (QPushButton *boton : {Boton_0, Boton_1, Boton_2, Boton_3}) {
        boton->setCheckable(true);
        Botones_Profundidad->addButton(boton);
    }
    Boton_0->setChecked(true);
    for (QAbstractButton *boton : Botones_Profundidad->buttons())
        Boton_Profundidad_Toggled(boton);
}

// The down button's caption is bold; what the tree may open has changed with it.
void Form1::Boton_Profundidad_Toggled(QAbstractButton *boton)
{
    boton->setFont(Apariencia::fuente(boton == Boton_0 ? 8 : 10, boton->isChecked()));
    if (boton->isChecked())
        TreeView1->refreshExpansionLocks();
}

void Form1::Llenar_Indice()
{
    TreeView1->clear();
    QTreeWidgetItem *titulo = nullptr;
    QTreeWidgetItem *capitulo = nullptr;
    for (int r = 1; r <= Numero_Divisiones; ++r) {
        const Division_Reg &division = Divisiones[r];
        const QStringList texto{division.Titulo.toString()};
        // Every record makes exactly one node, so that node k stays record k + 1.
        if (division.Nivel == u'2' && titulo) {
            capitulo = new QTreeWidgetItem(titulo, texto);
        } else if (division.Nivel == u'3' && (capitulo || titulo)) {
            new QTreeWidgetItem(capitulo ? capitulo : titulo, texto);
        } else {
            Q_ASSERT(division.Nivel == u'1');
            titulo = new QTreeWidgetItem(TreeView1, texto);
            capitulo = nullptr;
        }
    }
    TreeView1->expandAll();
    TreeView1->setCurrentItem(TreeView1->itemAtDepthFirst(0));
}

void Form1::TreeView1Expanding(const QTreeWidgetItem *nodo, bool &permitir)
{
    const int limite = Boton_1->isChecked() ? 0 : Boton_2->isChecked() ? 1 : Boton_3->isChecked() ? 2 : 3;
    permitir = VetoTreeWidget::level(nodo) < limite;
}

// What a key did to a node of the index, told to a screen reader: opened (with how many
// nodes it holds), closed, or why it does not open.
void Form1::TreeView1RamaConTeclado(const QTreeWidgetItem *nodo, bool abrir)
{
    const int hijos = nodo->childCount();
    if (nodo->isExpanded())
        anunciar(QStringLiteral("Abierto, %1 %2").arg(hijos).arg(hijos == 1 ? u"elemento" : u"elementos"));
    else if (!abrir)
        anunciar(QStringLiteral("Cerrado"));
    else if (hijos == 0)
        anunciar(QStringLiteral("No tiene divisiones dentro"));
    else if (Boton_1->isChecked())
        anunciar(QStringLiteral("No se abre: el índice muestra solo los títulos"));
    else
        anunciar(QStringLiteral("No se abre: el índice muestra solo títulos y capítulos"));
}

// Each node's level and place among its siblings, for a screen reader: Qt's bridge carries
// neither, but it reads a row's accessible description.
void Form1::Describir_Nodos_Indice()
{
    if (!QAccessible::isActive() || Nodos_Descritos)
        return;
    Nodos_Descritos = true;
    // Nothing on screen changes: the view, and through it the screen reader, is not told of
    // each row (hundreds of change events that would drown what the screen reader says).
    const QSignalBlocker callado(TreeView1->model());
    const auto describir = [](QTreeWidgetItem *nodo, int nivel, int lugar, int hermanos) {
        nodo->setData(0, Qt::AccessibleDescriptionRole,
                      QStringLiteral("nivel %1, %2 de %3").arg(nivel).arg(lugar).arg(hermanos));
    };
    const int titulos = TreeView1->topLevelItemCount();
    for (int t = 0; t < titulos; ++t) {
        QTreeWidgetItem *const titulo = TreeView1->topLevelItem(t);
        describir(titulo, 1, t + 1, titulos);
        for (int c = 0; c < titulo->childCount(); ++c) {
            QTreeWidgetItem *const capitulo = titulo->child(c);
            describir(capitulo, 2, c + 1, titulo->childCount());
            for (int e = 0; e < capitulo->childCount(); ++e)
                describir(capitulo->child(e), 3, e + 1, capitulo->childCount());
        }
    }
}

void Form1::Seleccionar_Nodo()
{
    // The display moves the selection: the current node is what the tree offers from now on.
    Division_Elegida = 0;
    int registro = 0;
    if (Boton_1->isChecked())
        registro = Titulo_Actual;
    else if (Boton_2->isChecked())
        registro = Capitulo_Actual > 0 ? Capitulo_Actual : Titulo_Actual;
    else
        registro = Seccion_Actual > 0 ? Seccion_Actual : Capitulo_Actual > 0 ? Capitulo_Actual : Titulo_Actual;
    if (QTreeWidgetItem *nodo = TreeView1->itemAtDepthFirst(registro - 1))
        TreeView1->setCurrentItem(nodo);
}

void Form1::Boton_1Click()
{
    TreeView1->collapseAll();
    Seleccionar_Nodo();
}

void Form1::Boton_2Click()
{
    TreeView1->collapseAll();
    TreeView1->expandAll();
    Seleccionar_Nodo();
}

void Form1::Boton_3Click()
{
    TreeView1->expandAll();
    Seleccionar_Nodo();
}

void Form1::TreeView1Click()
{
    const QList<QTreeWidgetItem *> seleccion = TreeView1->selectedItems();
    if (seleccion.isEmpty())
        return;
    const int registro = TreeView1->depthFirstPosition(seleccion.first()) + 1;
    if (registro < 1 || registro > Numero_Divisiones)
        return;
    Mover_A_Entrada(Divisiones[registro].Desde);
    // The display has moved the selection to the deepest node of the entry shown; what the
    // reader asked for stays the node clicked, for printing.
    Division_Elegida = registro;
}

// A node reached with the keys (or selected by the display) is the reader's choice from now on.
void Form1::TreeView1CurrentChanged()
{
    Division_Elegida = 0;
}

// The node the reader last chose: the one clicked while the selection stays where the click
// moved it, else the current one (reached with the keys or moved to by the display).
QTreeWidgetItem *Form1::nodoElegido() const
{
    if (Division_Elegida > 0)
        return TreeView1->itemAtDepthFirst(Division_Elegida - 1);
    return TreeView1->currentItem();
}
