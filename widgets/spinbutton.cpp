#include "spinbutton.h"

#include "interfaz_accesible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int AnchoFlecha = 9;
constexpr int AltoFlecha = 6;

} // namespace

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

SpinButton::SpinButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    repeticion.setObjectName(QStringLiteral("Repeticion"));
    repeticion.setTimerType(Qt::PreciseTimer);
    connect(&repeticion, &QTimer::timeout, this, &SpinButton::repetir);
}

void SpinButton::setFlechas(const QIcon &arriba, const QIcon &abajo)
{
    flechaArriba = arriba;
    flechaAbajo = abajo;
    update();
}

QSize SpinButton::sizeHint() const
{
    return {21, 21};
}

QRect SpinButton::rectangulo(Mitad mitad) const
{
    const int medio = height() / 2;
    return mitad == Mitad::Arriba ? QRect(0, 0, width(), medio) : QRect(0, medio, width(), height() - medio);
}

SpinButton::Mitad SpinButton::mitadEn(const QPoint &pos) const
{
    if (rectangulo(Mitad::Arriba).contains(pos))
        return Mitad::Arriba;
    if (rectangulo(Mitad::Abajo).contains(pos))
        return Mitad::Abajo;
    return Mitad::Ninguna;
}

void SpinButton::emitir(Mitad mitad)
{
    if (mitad == Mitad::Arriba)
        emit upClick();
    else if (mitad == Mitad::Abajo)
        emit downClick();
}

void SpinButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || pulsada != Mitad::Ninguna) {
        event->ignore();
        return;
    }
    pulsada = mitadEn(event->position().toPoint());
    encima = pulsada != Mitad::Ninguna;
    if (encima)
        repeticion.start(PrimeraRepeticionMs);
    update();
}

void SpinButton::mouseMoveEvent(QMouseEvent *event)
{
    if (pulsada == Mitad::Ninguna)
        return;
    const bool ahora = mitadEn(event->position().toPoint()) == pulsada;
    if (ahora != encima) {
        encima = ahora;
        update();
    }
}

void SpinButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || pulsada == Mitad::Ninguna)
        return;
    const Mitad mitad = pulsada;
    const bool soltadaEncima = mitadEn(event->position().toPoint()) == mitad;
    soltar();
    if (soltadaEncima)
        emitir(mitad);
}

void SpinButton::hideEvent(QHideEvent *event)
{
    // A hidden spin gets no release: its hold ends here.
    soltar();
    QWidget::hideEvent(event);
}

void SpinButton::soltar()
{
    repeticion.stop();
    pulsada = Mitad::Ninguna;
    encima = false;
    update();
}

// The timer keeps its pace while the pointer is away; a tick only counts over the half.
void SpinButton::repetir()
{
    // The button came up where this spin could not see it (another window took the release).
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        soltar();
        return;
    }
    repeticion.setInterval(RepeticionMs);
    if (encima)
        emitir(pulsada);
}

void SpinButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    for (const Mitad mitad : {Mitad::Arriba, Mitad::Abajo}) {
        QStyleOptionButton boton;
        boton.initFrom(this);
        boton.rect = rectangulo(mitad);
        boton.state |= (pulsada == mitad && encima) ? QStyle::State_Sunken : QStyle::State_Raised;
        p.drawControl(QStyle::CE_PushButtonBevel, boton);

        // The half's 9 x 6 picture, one pixel lower and to the right while the half is held.
        const int desplazamiento = (pulsada == mitad && encima) ? 1 : 0;
        const QRect r = boton.rect;
        const QRect lugar(r.left() + (r.width() - AnchoFlecha) / 2 + desplazamiento,
                          r.top() + (r.height() - AltoFlecha) / 2 + desplazamiento, AnchoFlecha, AltoFlecha);
        (mitad == Mitad::Arriba ? flechaArriba : flechaAbajo)
            .paint(&p, lugar, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
}

void SpinButton::setEtiquetaValor(const QLabel *etiqueta)
{
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    etiquetaValor_ = etiqueta;
    renovarInterfazAccesible(this);
}

void SpinButton::avisarValor()
{
    if (!QAccessible::isActive() || !etiquetaValor_)
        return;
    QAccessibleValueChangeEvent cambio(this, etiquetaValor_->text().toInt());
    QAccessible::updateAccessibility(&cambio);
}
