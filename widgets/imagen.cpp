#include "imagen.h"

#include "esponja.h"

#include <QPaintEvent>
#include <QPainter>

Imagen::Imagen(QWidget *parent)
    : QWidget(parent)
{
}

void Imagen::setPicture(const QImage &imagen)
{
    picture = imagen;
    fuente24 = imagen.isNull() ? QImage() : imagen.convertToFormat(QImage::Format_BGR888);
    cuadroPendiente = !fuente24.isNull();
    if (!mapa.Vacio())
        construirMapa();
    else
        update();
}

void Imagen::setSponge(int cantidad)
{
    if (cantidad == sponge)
        return;
    sponge = cantidad;
    Render();
}

void Imagen::Render()
{
    if (mapa.Vacio() || fuente24.isNull())
        return;
    mapa.Copiar(fuente24);
    Esponja::Aplicar_Esponja(mapa.Filas(), mapa.Ancho(), mapa.Alto(), sponge);
    cuadroPendiente = true;
    update();
}

void Imagen::construirMapa()
{
    if (fuente24.isNull() || !mapa.Redimensionar(fuente24.width(), fuente24.height())) {
        mapa.Redimensionar(0, 0);
        return;
    }
    Render();
}

void Imagen::paintEvent(QPaintEvent *)
{
    if (mapa.Vacio()) {
        // The first paint only builds; the render's repaint request draws the frame.
        construirMapa();
        return;
    }
    QPainter pintor(this);
    pintor.drawImage(0, 0, mapa.Imagen());
    cuadroPendiente = false;
}

void Imagen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!mapa.Vacio())
        construirMapa();
}
