#include "aviso_lector.h"

#include "interfaz_accesible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

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
    , ocultar_(new QTimer(this))
{
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    renovarInterfazAccesible(this);
    setObjectName(QStringLiteral("AvisoLector"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    // Hidden again soon after, so that showing its window again (after the About dialog)
    // does not repeat an old message.
    ocultar_->setSingleShot(true);
    ocultar_->setInterval(1000);
    connect(ocultar_, &QTimer::timeout, this, &QWidget::hide);
}

void AvisoLector::anunciar(const QString &mensaje)
{
    hide();
    setAccessibleName(mensaje);
    show();
    ocultar_->start();
}
