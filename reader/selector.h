#pragma once

#include <cstdint>

// The article selector: three digits and the wrap limits of the tens and units.
struct Selector {
    uint8_t centenas = 0;
    uint8_t decenas = 0;
    uint8_t unidades = 0;
    uint8_t maxDecenas = 9;
    uint8_t maxUnidades = 9;

    friend bool operator==(const Selector &, const Selector &) = default;
};

// One click on a spin half. A digit wraps at its limit without carrying into the next one:
// hundreds run 0..3, tens 0..maxDecenas, units 0..maxUnidades.
enum class PasoSelector { CentenasArriba, CentenasAbajo, DecenasArriba, DecenasAbajo, UnidadesArriba, UnidadesAbajo };
Selector pasoSelector(Selector s, PasoSelector paso);

// The limits back to 9 and 9, unless the digits read above 350: then they are pinned
// at 350 with limits 5 and 0.
Selector fijarSelector(Selector s);

// The entry the go button moves to: the article the digits read plus one (000 is the preamble).
int entradaSelector(const Selector &s);
