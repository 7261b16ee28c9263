#include "colocacion_buscar.h"

#include <QtGlobal>

namespace {

// A rectangle of that size at x, its top at y, moved down or up onto the screen.
QRect enPantalla(const QRect &libre, int x, int y, QSize tamano)
{
    tamano.setHeight(qMin(tamano.height(), libre.height()));
    y = qBound(libre.top(), y, libre.bottom() + 1 - tamano.height());
    return {QPoint(x, y), tamano};
}

} // namespace

QRect colocarVentanaBuscar(const QRect &libre, const QRect &principal, const QRect &texto, QSize deseado,
                           QSize minimo)
{
    minimo = minimo.boundedTo(deseado);
    // 1. Beside the main window.
    if (principal.right() + deseado.width() <= libre.right())
        return enPantalla(libre, principal.right() + 1, principal.top(), deseado);
    if (principal.left() - deseado.width() >= libre.left())
        return enPantalla(libre, principal.left() - deseado.width(), principal.top(), deseado);
    // Beside it a little narrower, down to three quarters of the designed width.
    const int alLado = qMax(libre.right() - principal.right(), principal.left() - libre.left());
    if (alLado >= deseado.width() * 3 / 4) {
        const QSize estrecha(alLado, deseado.height());
        if (libre.right() - principal.right() == alLado)
            return enPantalla(libre, principal.right() + 1, principal.top(), estrecha);
        return enPantalla(libre, libre.left(), principal.top(), estrecha);
    }

    // 2 and 3. Beside the text column, on the screen.
    const int izquierda = texto.left() - libre.left();
    const int derecha = libre.right() - texto.right();
    if (izquierda >= deseado.width())
        return enPantalla(libre, texto.left() - deseado.width(), principal.top(), deseado);
    if (derecha >= deseado.width())
        return enPantalla(libre, texto.right() + 1, principal.top(), deseado);
    const int ancho = qMax(izquierda, derecha);
    if (ancho >= minimo.width()) {
        const QSize estrecha(ancho, deseado.height());
        return izquierda >= derecha ? enPantalla(libre, libre.left(), principal.top(), estrecha)
                                    : enPantalla(libre, texto.right() + 1, principal.top(), estrecha);
    }

    // 4. Above or below the text column.
    const int arriba = texto.top() - libre.top();
    const int abajo = libre.bottom() - texto.bottom();
    const int anchoPantalla = qMin(deseado.width(), libre.width());
    if (qMax(arriba, abajo) >= minimo.height()) {
        if (abajo >= arriba)
            return {QPoint(libre.left(), texto.bottom() + 1), QSize(anchoPantalla, qMin(deseado.height(), abajo))};
        return {QPoint(libre.left(), texto.top() - qMin(deseado.height(), arriba)),
                QSize(anchoPantalla, qMin(deseado.height(), arriba))};
    }

    // 5. No room anywhere: the smallest window over the left edge.
    return enPantalla(libre, libre.left(), principal.top(), minimo);
}
