// Descifrar and its inverse on any bytes and key: the length is kept, each direction
// undoes the other, and the Windows-1252 conversion gives back every byte that has a
// character and reports the five that have none.
#include "datos_fuzz.h"
#include "unidad_99.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    DatosFuzz entrada(datos, tamano);
    const auto clave = entrada.Entero<quint16>();
    const QByteArray bytes = entrada.TextoLatin1(1 << 12).toLatin1();

    const QByteArray plano = Unidad_99::Descifrar(bytes, clave);
    EXIGIR(plano.size() == bytes.size());
    EXIGIR(Unidad_99::Cifrar(plano, clave) == bytes);
    const QByteArray cifrado = Unidad_99::Cifrar(bytes, clave);
    EXIGIR(cifrado.size() == bytes.size());
    EXIGIR(Unidad_99::Descifrar(cifrado, clave) == bytes);

    const QString texto = Unidad_99::Texto_1252(plano);
    EXIGIR(texto.size() == plano.size());
    bool ok = false;
    const QByteArray vuelta = Unidad_99::Bytes_1252(texto, &ok);
    bool sinCaracter = false;
    for (const char b : plano) {
        const auto u = static_cast<unsigned char>(b);
        sinCaracter |= u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
    }
    EXIGIR(ok == !sinCaracter);
    if (ok)
        EXIGIR(vuelta == plano);
    return 0;
}
