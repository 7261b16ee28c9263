#include "anuncio_coincidencia.h"

#include "cita.h"
#include "entradas.h"

QString anuncioCoincidencia(int entrada, const QList<Tramo> &tramos, int tramo)
{
    if (tramo < 0 || tramo >= tramos.size())
        return {};
    const QString nombre = Cita_Entrada(entrada);
    // "el Artículo 29", "el Preámbulo", "la Disposición Final Única".
    const QString articulo = nombre.startsWith(u"Disposición") ? QStringLiteral("la") : QStringLiteral("el");
    return QStringLiteral("coincidencia %1 de %2 en %3 %4: %5")
        .arg(tramo + 1)
        .arg(tramos.size())
        .arg(articulo, nombre, contextoDe(Texto_Entrada(entrada), tramos[tramo]).texto);
}
