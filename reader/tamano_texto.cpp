#include "tamano_texto.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr std::array<int, 14> Escala = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 32};
static_assert(Escala.front() == Tamano_Minimo && Escala.back() == Tamano_Maximo);

} // namespace

int Cambiar_Tamano(int puntos, int pasos)
{
    int i = 0;
    while (i + 1 < int(Escala.size()) && Escala[i + 1] <= puntos)
        ++i;
    const int ultimo = int(Escala.size()) - 1;
    return Escala[qBound(0, i + qBound(-ultimo, pasos, ultimo), ultimo)];
}
