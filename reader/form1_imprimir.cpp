// Printing: what Ctrl+P and Ctrl+Shift+P print from where the keyboard is, the index tree's
// menu, and the print and preview dialogs, made only when asked for.
#include "form1.h"

#include "dialogo_imprimir.h"
#include "estado_lector.h"
#include "imprimir_paginas.h"
#include "imprimir_trabajo.h"
#include "richtextview.h"
#include "ventana_buscar.h"
#include "vetotreewidget.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>

using namespace UnitM01;

void Form1::setupImprimir()
{
    auto *const imprimir = findChild<QAction *>(QStringLiteral("Atajo_Imprimir"), Qt::FindDirectChildrenOnly);
    auto *const vista = findChild<QAction *>(QStringLiteral("Atajo_Vista_Previa"), Qt::FindDirectChildrenOnly);
    imprimir->setText(QStringLiteral("Imprimir…"));
    vista->setText(QStringLiteral("Vista previa de impresión…"));
    ColorMemo1->agregarAlMenu({imprimir, vista});
}

void Form1::Atajo_Imprimir_Triggered()
{
    imprimir(trabajoSegunFoco(), false);
}

void Form1::Atajo_Vista_Previa_Triggered()
{
    imprimir(trabajoSegunFoco(), true);
}

void Form1::Ventana_BuscarImprimirPedido()
{
    imprimir(trabajoResultados(), false);
}

Trabajo_Impresion Form1::trabajoResultados() const
{
    if (!Ventana_Buscar)
        return {};
    return Trabajo_Resultados(Ventana_Buscar->resultados(), Ventana_Buscar->consulta());
}

Trabajo_Impresion Form1::trabajoSegunFoco() const
{
    const QWidget *const foco = QApplication::focusWidget();
    if (Ventana_Buscar && foco && foco->window() == Ventana_Buscar)
        return trabajoResultados();
    if (foco == TreeView1) {
        const QTreeWidgetItem *const nodo = nodoElegido();
        return nodo ? Trabajo_Division(TreeView1->depthFirstPosition(nodo) + 1) : Trabajo_Impresion{};
    }
    if (ColorMemo1->seleccionVisible()) {
        const QTextCursor seleccion = ColorMemo1->textCursor();
        return Trabajo_Seleccion(Articulo_Actual, seleccion.selectionStart(),
                                 seleccion.selectionEnd() - seleccion.selectionStart(), Resaltado_En_Pantalla);
    }
    return Trabajo_Entrada(Articulo_Actual, Resaltado_En_Pantalla);
}

void Form1::TreeView1ContextMenu(QContextMenuEvent *evento)
{
    // The node under the mouse; from the keyboard, the one the reader last chose.
    const bool raton = evento->reason() == QContextMenuEvent::Mouse;
    QTreeWidgetItem *const nodo =
        raton ? TreeView1->itemAt(TreeView1->viewport()->mapFromGlobal(evento->globalPos())) : nodoElegido();
    if (!nodo)
        return;
    const int registro = TreeView1->depthFirstPosition(nodo) + 1;
    auto *const menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("Menu_Indice"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *const imprimirDivision = menu->addAction(QStringLiteral("Imprimir la división…"));
    imprimirDivision->setObjectName(QStringLiteral("Menu_Indice_Imprimir"));
    QAction *const vistaDivision = menu->addAction(QStringLiteral("Vista previa de la división…"));
    vistaDivision->setObjectName(QStringLiteral("Menu_Indice_Vista_Previa"));
    connect(imprimirDivision, &QAction::triggered, this, [this, registro] { imprimir(Trabajo_Division(registro), false); });
    connect(vistaDivision, &QAction::triggered, this, [this, registro] { imprimir(Trabajo_Division(registro), true); });
    const QPoint donde = raton ? evento->globalPos()
                               : TreeView1->viewport()->mapToGlobal(TreeView1->visualItemRect(nodo).bottomLeft());
    menu->popup(donde);
}

void Form1::imprimir(const Trabajo_Impresion &trabajo, bool vistaPrevia)
{
    if (trabajo.vacio())
        return;
    // Over the window the request came from.
    QWidget *const padre = Ventana_Buscar && Ventana_Buscar->isActiveWindow() ? static_cast<QWidget *>(Ventana_Buscar)
                                                                               : this;
    // The keyboard goes back where it was, whatever the window system activates after the dialog.
    const QPointer<QWidget> foco = QApplication::focusWidget();
    const auto devolverFoco = qScopeGuard([&foco] {
        if (!foco)
            return;
        foco->window()->activateWindow();
        foco->setFocus(Qt::OtherFocusReason);
    });
    QString error;
    const Dialogo_Imprimir dialogo = Cargar_Dialogo_Imprimir(&error);
    if (!dialogo) {
        QMessageBox::warning(padre, QStringLiteral("Imprimir"),
                             QStringLiteral("No se puede imprimir: falta el módulo de impresión (%1).").arg(error));
        return;
    }
    dialogo(padre, trabajo.cita, vistaPrevia, [&trabajo](QPagedPaintDevice &destino) { Imprimir_Trabajo(trabajo, destino); });
}
