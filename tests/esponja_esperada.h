#pragma once

#include "esponja.h"
#include "mapa_de_bits.h"

#include <QImage>

// The picture sponged with the amount from the given generator state, rendered on plain
// memory apart from any widget (24-bit BGR, as the picture widget keeps its frames). The
// generator is left as it was.
inline QImage esponjaEsperada(const QImage &picture, int cantidad, quint32 estado)
{
    MapaDeBits mapa;
    mapa.Redimensionar(picture.width(), picture.height());
    mapa.Copiar(picture.convertToFormat(QImage::Format_BGR888));
    const quint32 guardado = Esponja::Estado_Generador();
    Esponja::Fijar_Estado_Generador(estado);
    Esponja::Aplicar_Esponja(mapa.Filas(), mapa.Ancho(), mapa.Alto(), cantidad);
    Esponja::Fijar_Estado_Generador(guardado);
    return mapa.Imagen().copy();
}
