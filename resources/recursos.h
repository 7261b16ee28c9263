#pragma once

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
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

// The picture at a path above, read as PNG and nothing else: left to guess, Qt loads
// every image plugin it has to ask each one about the file.
inline QImage leer(const QString &ruta)
{
    QImageReader lector(ruta, "png");
    lector.setAutoDetectImageFormat(false);
    return lector.read();
}

inline QImage leer(const char *ruta)
{
    return leer(QString::fromLatin1(ruta));
}

// The picture at a path above as an icon, with its "@2x" twin when it has one, so it
// stays sharp at any screen density.
inline QIcon imagen(const char *ruta)
{
    const QString sencilla = QString::fromLatin1(ruta);
    QString doble = sencilla;
    doble.insert(doble.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    QIcon icono(QPixmap::fromImage(leer(sencilla)));
    if (QFile::exists(doble))
        icono.addPixmap(QPixmap::fromImage(leer(doble)));
    return icono;
}
} // namespace Recursos
