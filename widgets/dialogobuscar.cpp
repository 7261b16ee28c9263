#include "dialogobuscar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DialogoBuscar::DialogoBuscar(QWidget *parent)
    : QDialog(parent)
    , Texto(new QLineEdit(this))
    , PalabraCompleta(new QCheckBox(tr("Match &whole word only"), this))
    , Mayusculas(new QCheckBox(tr("Match &case"), this))
    , Siguiente(new QPushButton(tr("&Find Next"), this))
    , Cancelar(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("BuscarTexto"));
    setWindowTitle(tr("Find"));
    setAccessibleDescription(QStringLiteral("Buscar en el texto de la entrada, hacia adelante"));
    Texto->setObjectName(QStringLiteral("BuscarTexto_Texto"));
    PalabraCompleta->setObjectName(QStringLiteral("BuscarTexto_PalabraCompleta"));
    Mayusculas->setObjectName(QStringLiteral("BuscarTexto_Mayusculas"));
    Siguiente->setObjectName(QStringLiteral("BuscarTexto_Siguiente"));
    Cancelar->setObjectName(QStringLiteral("BuscarTexto_Cancelar"));

    auto *const rotulo = new QLabel(tr("Fi&nd what:"), this);
    rotulo->setBuddy(Texto);
    Siguiente->setDefault(true);
    Siguiente->setEnabled(false);

    auto *const campos = new QGridLayout;
    campos->addWidget(rotulo, 0, 0);
    campos->addWidget(Texto, 0, 1);
    campos->addWidget(PalabraCompleta, 1, 0, 1, 2);
    campos->addWidget(Mayusculas, 2, 0, 1, 2);
    auto *const botones = new QVBoxLayout;
    botones->addWidget(Siguiente);
    botones->addWidget(Cancelar);
    botones->addStretch();
    auto *const todo = new QHBoxLayout(this);
    todo->addLayout(campos, 1);
    todo->addLayout(botones);

    connect(Texto, &QLineEdit::textChanged, this, &DialogoBuscar::TextoChange);
    connect(Siguiente, &QPushButton::clicked, this, &DialogoBuscar::buscarSiguiente);
    connect(Cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QString DialogoBuscar::texto() const
{
    return Texto->text();
}

OpcionesBusqueda DialogoBuscar::opciones() const
{
    return {PalabraCompleta->isChecked(), Mayusculas->isChecked()};
}

void DialogoBuscar::TextoChange()
{
    Siguiente->setEnabled(!Texto->text().isEmpty());
}
