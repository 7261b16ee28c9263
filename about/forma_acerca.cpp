#include "forma_acerca.h"

Forma_Acerca::Forma_Acerca(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Forma_Acerca"));
    setWindowTitle(QStringLiteral("Acerca de ..."));
}
