#include "enlace_accesible.h"

#include "interfaz_accesible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

const char *const PropiedadEnlace = "enlaceAccesible";

class EnlaceAccesible final : public QAccessibleWidget
{
public:
    explicit EnlaceAccesible(QWidget *w)
        : QAccessibleWidget(w, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &accion) override
    {
        if (accion != pressAction())
            return;
        // The label's own key handling opens the link.
        QKeyEvent intro(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(widget(), &intro);
    }
};

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (clase == QLatin1String("QLabel") && objeto && objeto->property(PropiedadEnlace).toBool())
        return new EnlaceAccesible(static_cast<QWidget *>(objeto));
    return nullptr;
}

} // namespace

void marcarComoEnlace(QLabel *etiqueta)
{
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    etiqueta->setProperty(PropiedadEnlace, true);
    renovarInterfazAccesible(etiqueta);
}
