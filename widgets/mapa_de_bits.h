#pragma once

#include <QImage>

#include <vector>

// A 24-bit working bitmap: 3 bytes a pixel in the order blue, green, red, rows top
// first, each row padded to a multiple of 4 bytes, reached through a row-start table.
class MapaDeBits
{
public:
    // Gives the bitmap this size, its content undefined. A zero or negative size, or
    // storage the system refuses, leaves it empty; the result says whether it holds pixels.
    bool Redimensionar(int ancho, int alto);
    // Replaces every pixel by the picture's, which must have this bitmap's size and be
    // in the 24-bit blue-green-red format; the row padding is not touched.
    void Copiar(const QImage &imagen);

    bool Vacio() const { return filas.empty(); }
    int Ancho() const { return ancho; }
    int Alto() const { return alto; }
    uchar *const *Filas() const { return filas.data(); }
    // The pixels as an image sharing this bitmap's storage (a null image when empty).
    const QImage &Imagen() const { return imagen; }

private:
    QImage imagen;
    std::vector<uchar *> filas;
    int ancho = 0;
    int alto = 0;
};
