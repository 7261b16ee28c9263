#include "esponja.h"

namespace Esponja {

namespace {
quint32 estado = 0;
} // namespace

quint32 R(quint32 n)
{
    estado = estado * 134775813u + 1u;
    return quint32((quint64(estado) * n) >> 32);
}

quint32 Estado_Generador()
{
    return estado;
}

void Fijar_Estado_Generador(quint32 nuevo)
{
    estado = nuevo;
}

void Aplicar_Esponja(uchar *const *filas, int ancho, int alto, int cantidad)
{
    if (ancho <= 0 || alto <= 0 || cantidad <= 0)
        return;
    const qint64 ultimaColumna = ancho - 1;
    const qint64 ultimaFila = alto - 1;
    for (int i = 0; i < alto; ++i) {
        uchar *const destino = filas[i];
        for (int j = 0; j < ancho; ++j) {
            const qint64 c = R(quint32(cantidad));
            const qint64 d = R(quint32(2 * c));
            const qint64 x = qBound<qint64>(0, j + c - d, ultimaColumna);
            const qint64 e = R(quint32(2 * c));
            const qint64 y = qBound<qint64>(0, i + c - e, ultimaFila);
            const uchar *const origen = filas[y] + 3 * x;
            uchar *const pixel = destino + 3 * j;
            pixel[0] = origen[0];
            pixel[1] = origen[1];
            pixel[2] = origen[2];
        }
    }
}

} // namespace Esponja
