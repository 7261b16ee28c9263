#pragma once

#include "mapa_de_bits.h"

#include <QImage>
#include <QWidget>

// A picture drawn unscaled at the top-left corner from a 24-bit working bitmap of the
// picture's size, with the sponge effect as its one option. The working bitmap is built
// by the first paint; from then on every new amount re-renders it from the picture at
// once and asks for a repaint.
class Imagen : public QWidget
{
    Q_OBJECT

public:
    explicit Imagen(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(Imagen)

    const QImage &Picture() const { return picture; }
    // A new picture; once the working bitmap is built it takes the new size and renders.
    void setPicture(const QImage &imagen);

    int Sponge() const { return sponge; }
    // Compare and store: the amount already held does nothing at all; a new one is
    // stored and, once the working bitmap is built, rendered before this returns.
    void setSponge(int cantidad);

    // Rebuilds the working bitmap from the picture and applies the sponge effect.
    void Render();

    // The last frame rendered (empty until the first paint).
    const MapaDeBits &Mapa_Trabajo() const { return mapa; }
    // A frame has been rendered, or the working bitmap is waiting for its first paint,
    // and no paint has drawn it yet.
    bool Cuadro_Pendiente() const { return cuadroPendiente; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void construirMapa();

    QImage picture;   // as given
    QImage fuente24;  // the picture in the working bitmap's format
    MapaDeBits mapa;
    int sponge = 0;
    bool cuadroPendiente = false;
};
