#include "busqueda_texto.h"

QStringList dividirLineas(QStringView texto)
{
    QStringList lineas;
    qsizetype i = 0;
    const qsizetype n = texto.size();
    while (i < n) {
        qsizetype fin = i;
        while (fin < n && texto[fin] != u'\r' && texto[fin] != u'\n')
            ++fin;
        lineas.append(texto.mid(i, fin - i).toString());
        i = fin;
        if (i < n && texto[i] == u'\r')
            ++i;
        if (i < n && texto[i] == u'\n')
            ++i;
    }
    return lineas;
}

namespace {

// Case folding of the Latin-1 capitals onto their small forms (A-Z and the
// accented capitals À..Þ, except the multiplication sign).
char16_t plegar(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    return c;
}

bool coincideEn(QStringView documento, QStringView texto, qsizetype q, bool distinguir)
{
    for (qsizetype k = 0; k < texto.size(); ++k) {
        const char16_t a = documento[q + k].unicode();
        const char16_t b = texto[k].unicode();
        if (a != b && (distinguir || plegar(a) != plegar(b)))
            return false;
    }
    return true;
}

} // namespace

int buscarEnTexto(QStringView documento, QStringView texto, int inicio, int longitud,
                  OpcionesBusqueda opciones)
{
    if (texto.isEmpty() || longitud <= 0)
        return -1;
    const qsizetype desde = qMax<qsizetype>(inicio, 0);
    const qsizetype hasta = qMin<qsizetype>(qsizetype(inicio) + longitud, documento.size());
    for (qsizetype q = desde; q + texto.size() <= hasta; ++q) {
        if (!coincideEn(documento, texto, q, opciones.distinguirMayusculas))
            continue;
        if (opciones.palabraCompleta) {
            const qsizetype fin = q + texto.size();
            if (q > 0 && esCaracterPalabra(documento[q - 1]))
                continue;
            if (fin < documento.size() && esCaracterPalabra(documento[fin]))
                continue;
        }
        return int(q);
    }
    return -1;
}
