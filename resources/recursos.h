#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// Paths of the compiled-in pictures. The menu buttons and spin arrows have "@2x" twins of twice the size.
namespace Recursos {
inline constexpr char Icono[] = ":/icono.png"; // 32 x 32, 16 colours
inline constexpr char Paisaje[] = ":/paisaje.png"; // the About picture, 178 x 205 at 24 bits
inline constexpr char Flecha[] = ":/flecha.png";   // the About button, 32 x 32

// Menu buttons, 32 x 32
inline constexpr char Primero[] = ":/boton_primero.png";
inline constexpr char Anterior[] = ":/boton_anterior.png";
inline constexpr char Siguiente[] = ":/boton_siguiente.png";
inline constexpr char Ultimo[] = ":/boton_ultimo.png";
inline constexpr char Indice[] = ":/boton_indice.png";
inline constexpr char Acerca[] = ":/boton_acerca.png";
inline constexpr char Cerrar[] = ":/boton_cerrar.png";

// Halves of the spin buttons, 9 x 6
inline constexpr char FlechaArriba[] = ":/flecha_arriba.png";
inline constexpr char FlechaAbajo[] = ":/flecha_abajo.png";

// The picture at a path above, decoded from its PNG now: read as PNG and nothing else, since
// left to guess, Qt loads every image plugin it has to ask each one about the file.
QImage leer(const QString &ruta);
QImage leer(const char *ruta);

// The picture at a path above as an icon, with its "@2x" twin when it has one, so it stays
// sharp at any screen density. The button pictures come from pixel tables made at build
// time: a window shows them without decoding anything.
QIcon imagen(const char *ruta);
} // namespace Recursos
