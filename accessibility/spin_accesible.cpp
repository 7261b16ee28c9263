#include "spin_accesible.h"

#include "interfaz_accesible.h"
#include "spinbutton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

class SpinAccesible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinAccesible(SpinButton *spin)
        : QAccessibleWidget(spin, QAccessible::SpinBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType tipo) override
    {
        if (tipo == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }

    void doAction(const QString &accion) override
    {
        auto *const spin = static_cast<SpinButton *>(widget());
        if (accion == increaseAction())
            emit spin->upClick();
        else if (accion == decreaseAction())
            emit spin->downClick();
    }

    QVariant currentValue() const override
    {
        const QLabel *const etiqueta = static_cast<const SpinButton *>(widget())->etiquetaValor();
        return etiqueta ? etiqueta->text().toInt() : 0;
    }
    void setCurrentValue(const QVariant &) override {} // only its arrows change it
    QVariant maximumValue() const override { return 9; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (clase == QLatin1String("SpinButton") && objeto && objeto->isWidgetType())
        return new SpinAccesible(static_cast<SpinButton *>(objeto));
    return nullptr;
}

} // namespace

void hacerSpinAccesible(SpinButton *spin, const QLabel *etiqueta)
{
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    spin->setEtiquetaValor(etiqueta);
    renovarInterfazAccesible(spin);
}
