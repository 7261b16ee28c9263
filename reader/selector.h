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

// The number the digits read, 0..999 (0..350 once held by fijarSelector).
int numeroSelector(const Selector &s);

// Typing a number into the selector from the keyboard. A digit fills the number from the
// right, like a calculator: "1" 001, "15" 015, "157" 157, and a fourth digit starts a new
// number, as does a digit after Up or Down. Up and Down step the number by one within
// 0..350. Like a spin click, a key only sets the digits: fijarSelector then holds them
// ("999" shows 350). Digits outside 0..9 leave the selector as it is.
class TecleoSelector
{
public:
    Selector digito(const Selector &s, int digito);
    Selector paso(const Selector &s, int paso);

private:
    int tecleados_ = 0; // digits of the number being typed, 0..3
};
