#pragma once

#include <QStringView>

#include <string>

// Forms of one word: the Snowball Spanish stemmer (Debian's libstemmer) cuts a word's
// inflectional and derivational endings; two words with one stem are taken as forms of one
// word ("elecciones" and "elección", "trabajadora" and "trabajadores").
//
// The stemmer reads the word as written, in small letters with its accents: many Spanish
// endings carry one ("-ación", "-ía", "-á"), and without them it would keep "constitución"
// and "constituciones" apart. The stem is then folded (plegado.h) for comparing.

// The folded stem of a word, capitals allowed. The stemmer is made on the first call.
std::string troncoPlegado(QStringView palabra);
