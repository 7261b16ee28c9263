#include "selector.h"

#include <QtGlobal>

namespace {

uint8_t subir(uint8_t digito, uint8_t limite)
{
    return digito >= limite ? 0 : uint8_t(digito + 1);
}

uint8_t bajar(uint8_t digito, uint8_t limite)
{
    return digito == 0 ? limite : uint8_t(digito - 1);
}

// The selector with its digits set to n (0..999), its limits as they were.
Selector conNumero(Selector s, int n)
{
    s.centenas = uint8_t(n / 100);
    s.decenas = uint8_t(n / 10 % 10);
    s.unidades = uint8_t(n % 10);
    return s;
}

} // namespace

int numeroSelector(const Selector &s)
{
    return s.unidades + 10 * s.decenas + 100 * s.centenas;
}

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
    const int n = numeroSelector(s);
    s.maxDecenas = 9;
    s.maxUnidades = 9;
    if (n > 350)
        s = {3, 5, 0, 5, 0};
    return s;
}

int entradaSelector(const Selector &s)
{
    return numeroSelector(s) + 1;
}

Selector TecleoSelector::digito(const Selector &s, int digito)
{
    if (digito < 0 || digito > 9)
        return s;
    if (tecleados_ >= 3)
        tecleados_ = 0;
    // Appending shifts the number left; what no longer fits in three digits drops off.
    const int antes = tecleados_ > 0 ? numeroSelector(s) % 100 : 0;
    ++tecleados_;
    return conNumero(s, antes * 10 + digito);
}

Selector TecleoSelector::paso(const Selector &s, int paso)
{
    tecleados_ = 0;
    return conNumero(s, qBound(0, numeroSelector(s) + qBound(-350, paso, 350), 350));
}
