#include "listaconbusqueda.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

ListaConBusqueda::ListaConBusqueda(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setCursor(Qt::PointingHandCursor);
    desdeCreacion.start();
    connect(this, &QAbstractItemView::clicked, this, &ListaConBusqueda::elegido);
}

void ListaConBusqueda::keyboardSearch(const QString &)
{
}

void ListaConBusqueda::setReloj(Reloj reloj)
{
    this->reloj = std::move(reloj);
}

void ListaConBusqueda::keyPressEvent(QKeyEvent *event)
{
    const bool conModificador = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int tecla = event->key();
    const QString texto = event->text();
    // Backspace, Enter and Escape count as typed characters and still reach the list.
    const bool retroceso = tecla == Qt::Key_Backspace;
    const bool enter = tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
    const bool escape = tecla == Qt::Key_Escape;
    const bool imprimible = !texto.isEmpty() && texto.at(0).isPrint();

    if (conModificador || !(retroceso || enter || escape || imprimible)) {
        // With nothing selected the current item may already be the first one, unselected
        // (the view puts it there on focus): Down then chooses it rather than the second.
        if (tecla == Qt::Key_Down && !conModificador && count() > 0 && !selectionModel()->hasSelection()) {
            // Made current anew, so that the move is reported (and heard) like any other.
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            setCurrentRow(0);
            emit elegido();
            return;
        }
        // Arrow keys, Page Up/Down, Home, End: a new current item is the reader's choice.
        const int antes = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != antes)
            emit elegido();
        return;
    }

    if (enter)
        buscar(u"\r", false);
    else if (escape)
        buscar(u"\x1b", false);
    else
        buscar(texto, retroceso);

    if (retroceso || enter || escape)
        QListWidget::keyPressEvent(event);
    else
        event->accept();
}

void ListaConBusqueda::buscar(QStringView caracteres, bool retroceso)
{
    busqueda.pulsar(caracteres, retroceso, reloj ? reloj() : desdeCreacion.elapsed());
    if (busqueda.texto.isEmpty()) {
        if (count() > 0)
            setCurrentRow(0);
        emit elegido();
        return;
    }
    QStringList elementos;
    elementos.reserve(count());
    for (int i = 0; i < count(); ++i)
        elementos.append(item(i)->text());
    const int fila = primeraQueEmpiezaCon(elementos, busqueda.texto);
    if (fila >= 0) {
        setCurrentRow(fila);
        emit elegido();
    }
}
