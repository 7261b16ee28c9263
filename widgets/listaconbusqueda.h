#pragma once

#include "busqueda_lista.h"

#include <QElapsedTimer>
#include <QListWidget>

#include <functional>

// A list whose items the reader chooses with the mouse, the arrow keys or by typing the
// beginning of an item (BusquedaLista). Every choice by the reader emits elegido();
// changes made by the program emit nothing.
class ListaConBusqueda : public QListWidget
{
    Q_OBJECT

public:
    explicit ListaConBusqueda(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ListaConBusqueda)

    // The built-in search is replaced by the one in keyPressEvent.
    void keyboardSearch(const QString &search) override;

    // The clock that times the pause between typed keys, in milliseconds; without one (or
    // given an empty one) a steady clock started with the list.
    using Reloj = std::function<qint64()>;
    void setReloj(Reloj reloj);

signals:
    void elegido();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buscar(QStringView caracteres, bool retroceso);

    BusquedaLista busqueda;
    QElapsedTimer desdeCreacion;
    Reloj reloj;
};
