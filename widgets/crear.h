#pragma once

#include <QString>

class QWidget;

// A child widget with its object name, so that tests and style find it by name.
template <typename W>
W *crear(QWidget *padre, const char *nombre)
{
    auto *const w = new W(padre);
    w->setObjectName(QString::fromLatin1(nombre));
    return w;
}
