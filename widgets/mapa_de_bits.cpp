#include "mapa_de_bits.h"

#include <cstring>

bool MapaDeBits::Redimensionar(int nuevoAncho, int nuevoAlto)
{
    filas.clear();
    imagen = QImage();
    ancho = 0;
    alto = 0;
    if (nuevoAncho <= 0 || nuevoAlto <= 0)
        return false;
    QImage nueva(nuevoAncho, nuevoAlto, QImage::Format_BGR888);
    if (nueva.isNull())
        return false;
    imagen = nueva;
    ancho = nuevoAncho;
    alto = nuevoAlto;
    filas.resize(std::size_t(alto));
    for (int y = 0; y < alto; ++y)
        filas[std::size_t(y)] = imagen.scanLine(y);
    return true;
}

void MapaDeBits::Copiar(const QImage &origen)
{
    if (Vacio() || origen.size() != imagen.size() || origen.format() != QImage::Format_BGR888)
        return;
    const std::size_t largo = std::size_t(3) * std::size_t(ancho);
    for (int y = 0; y < alto; ++y)
        std::memcpy(filas[std::size_t(y)], origen.constScanLine(y), largo);
}
