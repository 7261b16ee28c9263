#include "aviso_lector.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (clase == QLatin1String("AvisoLector") && objeto && objeto->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(objeto), QAccessible::Notification);
    return nullptr;
}

} // namespace

AvisoLector::AvisoLector(QWidget *parent)
    : QWidget(parent)
{
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    setObjectName(QStringLiteral("AvisoLector"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void AvisoLector::anunciar(const QString &mensaje)
{
    hide();
    setAccessibleName(mensaje);
    show();
}
