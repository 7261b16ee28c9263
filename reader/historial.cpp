#include "historial.h"

void Historial::visitar(int dejada, int nueva)
{
    if (dejada < 1 || nueva < 1 || dejada == nueva)
        return;
    guardar(atras_, dejada);
    adelante_.clear();
}

int Historial::atras(int actual)
{
    if (atras_.empty())
        return 0;
    const int entrada = atras_.back();
    atras_.pop_back();
    if (actual >= 1)
        guardar(adelante_, actual);
    return entrada;
}

int Historial::adelante(int actual)
{
    if (adelante_.empty())
        return 0;
    const int entrada = adelante_.back();
    adelante_.pop_back();
    if (actual >= 1)
        guardar(atras_, actual);
    return entrada;
}

void Historial::vaciar()
{
    atras_.clear();
    adelante_.clear();
}

void Historial::guardar(std::deque<int> &pila, int entrada)
{
    pila.push_back(entrada);
    if (pila.size() > limite_)
        pila.pop_front();
}
