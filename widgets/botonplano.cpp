#include "botonplano.h"

#include "apariencia.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {

constexpr int MargenImagen = 4; // space above the picture
constexpr int Bisel = 2;        // raised or sunken edge
constexpr int EspacioImagen = 4; // between the caption and a picture to its right

} // namespace

BotonPlano::BotonPlano(QWidget *parent)
    : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette p = palette();
    p.setColor(QPalette::Button, Apariencia::caraBoton());
    setPalette(p);
}

QColor BotonPlano::color() const
{
    return palette().color(QPalette::Button);
}

void BotonPlano::setColor(const QColor &color)
{
    if (color == this->color())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Button, color);
    setPalette(p);
    update();
}

void BotonPlano::setCaptionOffset(int pixels)
{
    if (pixels == captionOffset)
        return;
    captionOffset = pixels;
    update();
}

void BotonPlano::MouseEnter()
{
    if (isEnabled())
        setColor(Apariencia::ResaltadoBoton);
}

void BotonPlano::MouseLeave()
{
    setColor(Apariencia::caraBoton());
}

void BotonPlano::setImagenALaDerecha(bool derecha)
{
    if (derecha == imagenALaDerecha)
        return;
    imagenALaDerecha = derecha;
    updateGeometry();
    update();
}

QSize BotonPlano::sizeHint() const
{
    const QSize imagen = icon().isNull() ? QSize() : iconSize();
    const QSize texto = fontMetrics().size(0, text());
    if (imagenALaDerecha)
        return {texto.width() + EspacioImagen + imagen.width() + 4 * Bisel,
                qMax(texto.height(), imagen.height()) + 2 * Bisel};
    return {qMax(imagen.width(), texto.width()) + 4 * Bisel,
            imagen.height() + MargenImagen + texto.height() + 2 * Bisel};
}

void BotonPlano::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool hundido = isDown() || isChecked();
    const QRect marco = rect();
    // Pressed or down, the surface lights up.
    const QColor superficie = hundido ? color().lighter(125) : color();
    painter.fillRect(marco, superficie);
    qDrawShadePanel(&painter, marco, palette(), hundido, Bisel);

    // A sunken button shows its contents one pixel down and right, as if pushed in.
    const QPoint empuje = hundido ? QPoint(1, 1) : QPoint();
    QRect resto = marco.adjusted(Bisel, Bisel, -Bisel, -Bisel).translated(empuje);
    if (!icon().isNull() && imagenALaDerecha) {
        // Caption and picture side by side, the pair centred in the button.
        const QSize lado = iconSize();
        const int anchoTexto = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text());
        const int espacio = text().isEmpty() ? 0 : EspacioImagen;
        const int izquierda = resto.x() + (resto.width() - anchoTexto - espacio - lado.width()) / 2;
        const QRect lugar(QPoint(izquierda + anchoTexto + espacio, resto.y() + (resto.height() - lado.height()) / 2),
                          lado);
        icon().paint(&painter, lugar, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        resto = QRect(izquierda, resto.y(), anchoTexto, resto.height());
    } else if (!icon().isNull()) {
        const QSize lado = iconSize();
        const QRect lugar(QPoint(marco.x() + (marco.width() - lado.width()) / 2, marco.y() + MargenImagen), lado);
        icon().paint(&painter, lugar.translated(empuje), Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
        resto.setTop(lugar.bottom() + 1 + empuje.y());
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(resto.translated(0, captionOffset), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect foco;
        foco.initFrom(this);
        foco.rect = marco.adjusted(Bisel + 1, Bisel + 1, -Bisel - 1, -Bisel - 1);
        foco.backgroundColor = superficie;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &foco, &painter, this);
    }
}

void BotonPlano::enterEvent(QEnterEvent *event)
{
    QPushButton::enterEvent(event);
    MouseEnter();
}

void BotonPlano::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    MouseLeave();
}

// Hidden under the mouse (its dialog closed by a click on it), the button gets no leave event:
// it gives its hover colour back now, so that it shows again as the mouse finds it.
void BotonPlano::hideEvent(QHideEvent *event)
{
    QPushButton::hideEvent(event);
    MouseLeave();
}

void BotonPlano::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    // A button disabled under the mouse gives back its hover colour; enabled again there, takes it.
    if (event->type() == QEvent::EnabledChange) {
        if (isEnabled() && underMouse())
            MouseEnter();
        else
            MouseLeave();
    }
}
