// Cross-reference page: the prefix filter over the concordance, the entries of the
// chosen word, and the chosen entry shown with the word highlighted.
#include "form1.h"

#include "estado_lector.h"
#include "listaconbusqueda.h"
#include "palabras.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

using namespace UnitM01;

namespace {

// The item the reader chose: the selected one, if any.
const QListWidgetItem *elegidoEn(const QListWidget *lista)
{
    const QList<QListWidgetItem *> seleccion = lista->selectedItems();
    return seleccion.isEmpty() ? nullptr : seleccion.first();
}

} // namespace

void Form1::Edit1Change()
{
    const QString t = Edit1->text();
    if (t.isEmpty()) {
        // The lists keep their contents while hidden.
        ListBox1->hide();
        ListBox2->hide();
        return;
    }
    ListBox1->show();
    ListBox2->show();
    ListBox1->clear();
    ListBox2->clear();
    ListBox1->addItems(Filtrar_Palabras(t));
}

void Form1::ListBox1Click()
{
    const QListWidgetItem *const item = elegidoEn(ListBox1);
    if (!item)
        return;
    Palabra_Elegida = item->text();
    Listar_Articulos(Buscar_Palabra(Palabra_Elegida));
}

void Form1::Listar_Articulos(int cabeza)
{
    ListBox2->clear();
    QStringList numeros;
    for (const int entrada : Postings(cabeza))
        numeros.append(QString::number(entrada - 1));
    ListBox2->addItems(numeros);
}

void Form1::ListBox2Click()
{
    const QListWidgetItem *const item = elegidoEn(ListBox2);
    if (!item)
        return;
    const int n = item->text().toInt();
    Resaltar_Palabra = true;
    Mover_A_Entrada(n + 1);
}

void Form1::PageControl1Change()
{
    // Browsing the tabs with the arrows leaves the keyboard on the tabs.
    if (PageControl1->currentWidget() != Pagina_Referencias || PageControl1->tabBar()->hasFocus())
        return;
    // Like a text box entered with the keyboard: the whole prefix is selected, so typing replaces it.
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
}
