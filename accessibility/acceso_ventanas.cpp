#include "acceso_ventanas.h"

#include "interfaz_accesible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>

namespace {

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (!objeto || !objeto->isWidgetType())
        return nullptr;
    auto *const widget = static_cast<QWidget *>(objeto);
    if (clase == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    // Only a plain QFrame: its subclasses (labels, lists, the text view) keep their own.
    if (clase == QLatin1String("QFrame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void instalarAccesoVentanas(QWidget *principal)
{
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    renovarInterfazAccesible(principal);
}
