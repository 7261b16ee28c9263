#pragma once

#include "busqueda_texto.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Find dialog of the rich text view: the text to look for, whole word and match
// case; it always searches forward, so it offers no direction.
class DialogoBuscar : public QDialog
{
    Q_OBJECT

public:
    explicit DialogoBuscar(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(DialogoBuscar)

    QString texto() const;
    OpcionesBusqueda opciones() const;

signals:
    void buscarSiguiente();

private:
    void TextoChange();

    QLineEdit *const Texto;
    QCheckBox *const PalabraCompleta;
    QCheckBox *const Mayusculas;
    QPushButton *const Siguiente;
    QPushButton *const Cancelar;
};
