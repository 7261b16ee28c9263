#include "unidad_99.h"

#include <algorithm>
#include <array>

namespace Unidad_99 {

QString Direccion_Correo;
QString Direccion_Web;

namespace {

quint16 siguienteClave(quint16 clave, quint8 cifrado)
{
    return quint16((quint32(clave) + cifrado) * C1 + C2);
}

// Characters of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> Tabla80 = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

} // namespace

QByteArray Descifrar(QByteArrayView cifrado, quint16 clave)
{
    QByteArray plano(cifrado.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < cifrado.size(); ++i) {
        const auto byte = quint8(cifrado[i]);
        plano[i] = char(byte ^ (clave >> 8));
        clave = siguienteClave(clave, byte);
    }
    return plano;
}

QByteArray Cifrar(QByteArrayView plano, quint16 clave)
{
    QByteArray cifrado(plano.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < plano.size(); ++i) {
        const auto byte = quint8(quint8(plano[i]) ^ (clave >> 8));
        cifrado[i] = char(byte);
        clave = siguienteClave(clave, byte);
    }
    return cifrado;
}

QString Texto_1252(QByteArrayView bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = quint8(bytes[i]);
        texto[i] = (b >= 0x80 && b < 0xA0) ? QChar(Tabla80[b - 0x80]) : QChar(b);
    }
    return texto;
}

QByteArray Bytes_1252(QStringView texto, bool *ok)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    *ok = true;
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        const auto *const it = std::find(Tabla80.begin(), Tabla80.end(), u);
        if (u == 0xFFFD || it == Tabla80.end()) {
            *ok = false;
            bytes += '?';
        } else {
            bytes += char(0x80 + (it - Tabla80.begin()));
        }
    }
    return bytes;
}

} // namespace Unidad_99
