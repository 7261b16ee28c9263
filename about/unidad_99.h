#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

// The About dialog's contact texts are stored enciphered with a running key and
// deciphered each time the dialog is activated. The deciphered link addresses stay
// here until the program ends.
namespace Unidad_99 {

// The one key every stored text is enciphered with, and the two constants that
// advance the running key: K <- ((K + stored byte) * C1 + C2) mod 65536.
inline constexpr quint16 Clave = 0x5E31;
inline constexpr quint16 C1 = 40503;
inline constexpr quint16 C2 = 13849;

// Deciphers a stored text: byte i is the stored byte xor the running key's high byte,
// and the key then advances with the stored byte. The result has the stored length.
QByteArray Descifrar(QByteArrayView cifrado, quint16 clave);

// The opposite direction, used by the build step that prepares the stored texts:
// Descifrar(Cifrar(t, k), k) == t.
QByteArray Cifrar(QByteArrayView plano, quint16 clave);

// Windows-1252 bytes to text and back. Bytes with no character (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become U+FFFD; a character with no byte makes *ok false.
QString Texto_1252(QByteArrayView bytes);
QByteArray Bytes_1252(QStringView texto, bool *ok);

// The six stored texts, in the order the dialog places them: author, telephones,
// address, a further line, mail address, web address. Generated at build time by
// tools/cifrar_textos.cpp from the plain texts in tools/textos_acerca.h.
extern const std::array<QByteArrayView, 6> Textos_Cifrados;

// The deciphered mail and web addresses; empty until the dialog is first activated.
extern QString Direccion_Correo;
extern QString Direccion_Web;

} // namespace Unidad_99
