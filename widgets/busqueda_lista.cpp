#include "busqueda_lista.h"

void BusquedaLista::pulsar(QStringView caracteres, bool retroceso, qint64 ahora)
{
    if (!hayTecla || ahora - ultimaTecla >= Pausa)
        texto.clear();
    ultimaTecla = ahora;
    hayTecla = true;
    if (retroceso)
        texto.chop(1);
    else
        texto += caracteres;
}

int primeraQueEmpiezaCon(const QStringList &elementos, QStringView texto)
{
    if (texto.isEmpty())
        return -1;
    for (int i = 0; i < elementos.size(); ++i) {
        if (elementos[i].startsWith(texto, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}
