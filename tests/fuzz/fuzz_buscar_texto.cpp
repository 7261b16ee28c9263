// buscarEnTexto with any document, word, range and options: the result is -1 or a
// position inside the range where the word stands (exactly, or equal but for letter
// case), as a whole word when asked; no earlier position in the range is skipped, and
// searching again from just after a hit never goes back.
#include "busqueda_texto.h"
#include "datos_fuzz.h"

namespace {

bool iguales(QChar a, QChar b, bool distinguir)
{
    return a == b || (!distinguir && a.toLower() == b.toLower());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    DatosFuzz entrada(datos, tamano);
    const auto opciones = entrada.Entero<uint8_t>();
    const OpcionesBusqueda modo{(opciones & 1) != 0, (opciones & 2) != 0};
    // Small ranges most of the time, any int now and then.
    int inicio = entrada.Entero<int8_t>();
    int longitud = entrada.Entero<int16_t>();
    if (opciones & 4) {
        inicio = entrada.Entero<int32_t>();
        longitud = entrada.Entero<int32_t>();
    }
    const QString palabra = entrada.Texto(entrada.Entero<uint8_t>() % 8);
    const QString documento = entrada.Texto(1 << 14);

    const int p = buscarEnTexto(documento, palabra, inicio, longitud, modo);
    const qint64 desde = qMax<qint64>(inicio, 0);
    const qint64 hasta = qMin<qint64>(qint64(inicio) + longitud, documento.size());
    EXIGIR(p >= -1);
    if (palabra.isEmpty() || longitud <= 0)
        EXIGIR(p == -1);
    if (p < 0)
        return 0;

    EXIGIR(p >= desde && p + palabra.size() <= hasta);
    for (qsizetype k = 0; k < palabra.size(); ++k)
        EXIGIR(iguales(documento[p + k], palabra[k], modo.distinguirMayusculas));
    if (modo.palabraCompleta) {
        EXIGIR(p == 0 || !esCaracterPalabra(documento[p - 1]));
        EXIGIR(p + palabra.size() == documento.size() || !esCaracterPalabra(documento[p + palabra.size()]));
    }
    // The same search over a range that ends at the hit finds nothing before it.
    const int antes = int(qMin<qint64>(p - desde + palabra.size() - 1, INT_MAX));
    EXIGIR(buscarEnTexto(documento, palabra, int(desde), antes, modo) == -1);
    // Searching on from the hit finds it again; from just after it, only later ones.
    const int resto = int(hasta - p);
    EXIGIR(buscarEnTexto(documento, palabra, p, resto, modo) == p);
    const int siguiente = buscarEnTexto(documento, palabra, p + 1, resto - 1, modo);
    EXIGIR(siguiente == -1 || siguiente > p);
    return 0;
}
