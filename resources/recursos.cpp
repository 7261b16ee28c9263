#include "recursos.h"

#include "pixeles.h"

#include <QImageReader>
#include <QPixmap>

#include <cstring>

namespace {

// The pixels decoded at build time for a resource path, or null.
const Pixeles *pixelesDe(const char *ruta)
{
    for (const Pixeles &p : Todos_Los_Pixeles)
        if (std::strcmp(p.ruta, ruta) == 0)
            return &p;
    return nullptr;
}

// The picture at a path: its build-time pixels (shared, not copied) or else its PNG.
QImage cargar(const QByteArray &ruta)
{
    if (const Pixeles *const p = pixelesDe(ruta.constData()))
        return QImage(reinterpret_cast<const uchar *>(p->datos), p->ancho, p->alto, qsizetype(p->ancho) * 4,
                      QImage::Format_ARGB32_Premultiplied);
    return Recursos::leer(QString::fromLatin1(ruta));
}

} // namespace

QImage Recursos::leer(const QString &ruta)
{
    QImageReader lector(ruta, "png");
    lector.setAutoDetectImageFormat(false);
    return lector.read();
}

QImage Recursos::leer(const char *ruta)
{
    return leer(QString::fromLatin1(ruta));
}

QIcon Recursos::imagen(const char *ruta)
{
    const QByteArray sencilla(ruta);
    QByteArray doble = sencilla;
    doble.insert(doble.lastIndexOf('.'), "@2x");
    QIcon icono(QPixmap::fromImage(cargar(sencilla)));
    if (pixelesDe(doble.constData()))
        icono.addPixmap(QPixmap::fromImage(cargar(doble)));
    return icono;
}
