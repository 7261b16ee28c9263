#include "selector.h"

namespace {

uint8_t subir(uint8_t digito, uint8_t limite)
{
    return digito >= limite ? 0 : uint8_t(digito + 1);
}

uint8_t bajar(uint8_t digito, uint8_t limite)
{
    return digito == 0 ? limite : uint8_t(digito - 1);
}

int numero(const Selector &s)
{
    return s.unidades + 10 * s.decenas + 100 * s.centenas;
}

} // namespace

Selector pasoSelector(Selector s, PasoSelector paso)
{
    switch (paso) {
    case PasoSelector::CentenasArriba:
        s.centenas = subir(s.centenas, 3);
        break;
    case PasoSelector::CentenasAbajo:
        s.centenas = bajar(s.centenas, 3);
        break;
    case PasoSelector::DecenasArriba:
        s.decenas = subir(s.decenas, s.maxDecenas);
        break;
    case PasoSelector::DecenasAbajo:
        s.decenas = bajar(s.decenas, s.maxDecenas);
        break;
    case PasoSelector::UnidadesArriba:
        s.unidades = subir(s.unidades, s.maxUnidades);
        break;
    case PasoSelector::UnidadesAbajo:
        s.unidades = bajar(s.unidades, s.maxUnidades);
        break;
    }
    return s;
}

Selector fijarSelector(Selector s)
{
    const int n = numero(s);
    s.maxDecenas = 9;
    s.maxUnidades = 9;
    if (n > 350)
        s = {3, 5, 0, 5, 0};
    return s;
}

int entradaSelector(const Selector &s)
{
    return numero(s) + 1;
}
