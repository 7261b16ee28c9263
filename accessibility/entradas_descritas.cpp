#include "entradas_descritas.h"

#include "descripcion_accion.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMenu>
#include <QPointer>

namespace {

class EntradaDescrita final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit EntradaDescrita(QAction *accion)
        : accion(accion)
    {
    }

    bool isValid() const override { return accion && menu(); }
    QObject *object() const override { return accion; }
    QWindow *window() const override { return menu() ? menu()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(menu()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!accion)
            return {};
        if (t == QAccessible::Name) {
            // The caption without its mnemonic mark ("&View" is "View"; "&&" is a real "&").
            QString nombre = accion->text();
            nombre.replace(QLatin1String("&&"), QChar(0x1)).remove(QLatin1Char('&')).replace(QChar(0x1), QLatin1Char('&'));
            return nombre;
        }
        if (t == QAccessible::Description)
            return accion->property(Propiedad_Descripcion_Accion).toString();
        return {};
    }

    QRect rect() const override
    {
        const QMenu *const m = menu();
        return m ? m->actionGeometry(accion).translated(m->mapToGlobal(QPoint(0, 0))) : QRect();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const QMenu *const m = menu();
        s.invisible = !m || !m->isVisible() || !accion->isVisible();
        s.focusable = true;
        s.focused = m && m->activeAction() == accion;
        s.disabled = !accion->isEnabled();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType tipo) override
    {
        return tipo == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    void doAction(const QString &nombre) override
    {
        if (nombre == pressAction() && accion && accion->isEnabled())
            accion->trigger();
    }

private:
    QMenu *menu() const
    {
        if (!accion)
            return nullptr;
        for (QObject *const o : accion->associatedObjects()) {
            if (auto *const m = qobject_cast<QMenu *>(o))
                return m;
        }
        return nullptr;
    }

    QPointer<QAction> accion;
};

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (clase == QLatin1String("QAction") && objeto && objeto->property(Propiedad_Descripcion_Accion).isValid())
        return new EntradaDescrita(static_cast<QAction *>(objeto));
    return nullptr;
}

} // namespace

void instalarEntradasDescritas()
{
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
}
