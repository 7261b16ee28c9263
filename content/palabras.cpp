#include "palabras.h"

#include <algorithm>

namespace {

constexpr QLatin1String Marca_Cabeza("<Palabra>");

char16_t mayusculaAZ(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c;
}

// The walk of the lookups: the first 9 characters alone.
bool empiezaComoCabeza(QLatin1String cadena)
{
    return cadena.startsWith(Marca_Cabeza);
}

int numeroEntre(QLatin1String cadena, char abre, char cierra)
{
    const qsizetype desde = cadena.indexOf(QLatin1Char(abre));
    const qsizetype hasta = cadena.indexOf(QLatin1Char(cierra));
    if (desde < 0 || hasta <= desde)
        return 0;
    return cadena.sliced(desde + 1, hasta - desde - 1).toInt();
}

} // namespace

bool esCabeza(QLatin1String cadena)
{
    return cadena.size() > Marca_Cabeza.size() && empiezaComoCabeza(cadena);
}

QLatin1String palabraDeCabeza(QLatin1String cabeza)
{
    const qsizetype cierre = cabeza.indexOf(QLatin1Char(')'));
    if (cierre < 0)
        return {};
    return cabeza.sliced(std::min(cierre + 2, cabeza.size()));
}

Cabeza_Palabra Analizar_Cabeza(QLatin1String cabeza)
{
    return {palabraDeCabeza(cabeza), numeroEntre(cabeza, '[', ']'), numeroEntre(cabeza, '(', ')')};
}

QStringList Filtrar_Palabras(QStringView prefijo, TablaPalabras tabla)
{
    QString buscado(prefijo.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < prefijo.size(); ++k)
        buscado[k] = QChar(mayusculaAZ(prefijo[k].unicode()));

    QStringList palabras;
    for (std::size_t i = 1; i < tabla.size(); ++i) {
        if (!esCabeza(tabla[i]))
            continue;
        const QLatin1String palabra = palabraDeCabeza(tabla[i]);
        if (palabra.size() < buscado.size())
            continue;
        qsizetype k = 0;
        while (k < buscado.size() && mayusculaAZ(uchar(palabra[k].toLatin1())) == buscado[k].unicode())
            ++k;
        if (k == buscado.size())
            palabras.append(palabra);
    }
    return palabras;
}

int Buscar_Palabra(QStringView palabra, TablaPalabras tabla)
{
    int encontrada = 0;
    for (std::size_t i = 1; i < tabla.size(); ++i) {
        if (empiezaComoCabeza(tabla[i]) && palabraDeCabeza(tabla[i]) == palabra)
            encontrada = int(i);
    }
    return encontrada;
}

QList<int> Postings(int cabeza, TablaPalabras tabla)
{
    QList<int> entradas;
    const qsizetype ultima = qsizetype(tabla.size()) - 1;
    if (cabeza < 0 || cabeza >= ultima)
        return entradas;
    qsizetype i = cabeza + 1;
    // The end of the table is tested first: the last string is never taken for a head.
    while (i != ultima && !empiezaComoCabeza(tabla[i]))
        ++i;
    const qsizetype hasta = i == ultima ? ultima : i - 1;
    for (qsizetype k = cabeza + 1; k <= hasta; ++k)
        entradas.append(tabla[k].toInt());
    return entradas;
}

QList<Cabeza_Palabra> recorrerCabezas(TablaPalabras tabla)
{
    QList<Cabeza_Palabra> cabezas;
    for (std::size_t i = 1; i < tabla.size(); ++i) {
        if (esCabeza(tabla[i]))
            cabezas.append(Analizar_Cabeza(tabla[i]));
    }
    return cabezas;
}

int compararPlegandoAZ(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype k = 0; k < n; ++k) {
        const char16_t ca = mayusculaAZ(a[k].unicode());
        const char16_t cb = mayusculaAZ(b[k].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
