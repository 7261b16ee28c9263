#pragma once

#include <QAction>
#include <QString>

// A menu entry whose caption is fixed in English carries a Spanish description for screen
// readers in this property (Qt's own menu entries report none); accessibility/ makes it heard
// (entradas_descritas.h).
inline constexpr char Propiedad_Descripcion_Accion[] = "descripcionAccesible";

inline void describirAccion(QAction *accion, const QString &descripcion)
{
    accion->setProperty(Propiedad_Descripcion_Accion, descripcion);
}
