#include "spinbutton.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int AnchoFlecha = 9;
constexpr int AltoFlecha = 6;

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
    etiquetaValor_ = etiqueta;
}

void SpinButton::avisarValor()
{
    if (!QAccessible::isActive() || !etiquetaValor_)
        return;
    QAccessibleValueChangeEvent cambio(this, etiquetaValor_->text().toInt());
    QAccessible::updateAccessibility(&cambio);
}
