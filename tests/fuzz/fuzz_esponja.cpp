// The sponge effect on small pictures with any amount: every pixel ends with a colour
// the picture had, the row padding is never touched, an amount of 0 or less (or 1,
// whose offsets are all 0) leaves the picture as it was, and the shared generator
// advances by exactly three draws a pixel when the effect runs and not at all otherwise.
#include "datos_fuzz.h"
#include "esponja.h"
#include "mapa_de_bits.h"

#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    DatosFuzz entrada(datos, tamano);
    const int ancho = entrada.Entero<uint8_t>() % 48 + 1;
    const int alto = entrada.Entero<uint8_t>() % 48 + 1;
    auto cantidad = int(entrada.Entero<int16_t>());
    if (entrada.Entero<uint8_t>() % 8 == 0)
        cantidad = entrada.Entero<int32_t>();
    const auto estado = entrada.Entero<quint32>();

    MapaDeBits mapa;
    EXIGIR(mapa.Redimensionar(ancho, alto));
    // Pixels from the input (a few colours so that they repeat), padding marked.
    const int bytesFila = int(mapa.Imagen().bytesPerLine());
    std::set<quint32> colores;
    for (int y = 0; y < alto; ++y) {
        uchar *const fila = mapa.Filas()[y];
        for (int x = 0; x < ancho; ++x) {
            const auto c = entrada.Entero<uint8_t>();
            fila[3 * x] = uchar(c & 0xE0);
            fila[3 * x + 1] = uchar((c << 3) & 0xE0);
            fila[3 * x + 2] = uchar(c << 6);
            colores.insert(quint32(fila[3 * x]) | quint32(fila[3 * x + 1]) << 8 | quint32(fila[3 * x + 2]) << 16);
        }
        for (int b = 3 * ancho; b < bytesFila; ++b)
            fila[b] = 0xA5;
    }
    std::vector<uchar> antes;
    for (int y = 0; y < alto; ++y)
        antes.insert(antes.end(), mapa.Filas()[y], mapa.Filas()[y] + bytesFila);

    Esponja::Fijar_Estado_Generador(estado);
    Esponja::Aplicar_Esponja(mapa.Filas(), ancho, alto, cantidad);
    const quint32 despues = Esponja::Estado_Generador();

    std::vector<uchar> ahora;
    for (int y = 0; y < alto; ++y)
        ahora.insert(ahora.end(), mapa.Filas()[y], mapa.Filas()[y] + bytesFila);
    if (cantidad <= 1)
        EXIGIR(ahora == antes);
    for (int y = 0; y < alto; ++y) {
        const uchar *const fila = mapa.Filas()[y];
        for (int x = 0; x < ancho; ++x)
            EXIGIR(colores.count(quint32(fila[3 * x]) | quint32(fila[3 * x + 1]) << 8 | quint32(fila[3 * x + 2]) << 16));
        for (int b = 3 * ancho; b < bytesFila; ++b)
            EXIGIR(fila[b] == 0xA5);
    }

    Esponja::Fijar_Estado_Generador(estado);
    if (cantidad > 0) {
        for (int k = 0; k < 3 * ancho * alto; ++k)
            Esponja::R(1);
    }
    EXIGIR(despues == Esponja::Estado_Generador());
    return 0;
}
