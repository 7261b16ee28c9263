#include "fila_actual.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace {

class FilaAlEntrar final : public QObject
{
public:
    explicit FilaAlEntrar(QAbstractItemView *vista)
        : QObject(vista)
    {
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::FocusIn && QAccessible::isActive()) {
            // After the view's own focus report, which Qt sends once this event is handled.
            QPointer<QAbstractItemView> vista(static_cast<QAbstractItemView *>(objeto));
            QTimer::singleShot(0, this, [vista] {
                if (vista)
                    anunciarFilaActual(vista);
            });
        }
        return false;
    }
};

} // namespace

void anunciarFilaActual(QAbstractItemView *vista)
{
    if (!QAccessible::isActive() || !vista->hasFocus())
        return;
    const QModelIndex actual = vista->currentIndex();
    if (!actual.isValid())
        return;
    QAccessibleInterface *const lista = QAccessible::queryAccessibleInterface(vista);
    QAccessibleTableInterface *const tabla = lista ? lista->tableInterface() : nullptr;
    if (!tabla)
        return;
    QAccessibleInterface *const celda = tabla->cellAt(actual.row(), actual.column());
    if (!celda)
        return;
    QAccessibleEvent foco(vista, QAccessible::Focus);
    foco.setChild(lista->indexOfChild(celda));
    QAccessible::updateAccessibility(&foco);
}

void anunciarFilaAlEntrar(QAbstractItemView *vista)
{
    vista->installEventFilter(new FilaAlEntrar(vista));
}
