#pragma once

#include <QAccessible>
#include <QObject>

// Qt keeps the accessible interface it first made for an object (a widget announces itself
// as it is built). An object whose interface a factory of ours now provides, because the
// factory was just installed or the object just marked, drops the one made before, so that
// screen readers get the new one from the next query on. While accessibility is off no
// interface is made, and asking for one here would make it, and load Qt's accessibility
// plugins, at start-up for nothing.
inline void renovarInterfazAccesible(QObject *objeto)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface *const previa = QAccessible::queryAccessibleInterface(objeto))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(previa));
}
