#pragma once

// The letters the search rules name beyond A-Z: the accented vowels, ü and ñ, each written
// small in three words, one it starts, one it stands inside and one it ends (made-up words
// where Spanish has none), with the letter it is without its accent or tilde. Shared by the
// tests of the two searches' letter rules.
#include <QString>

struct LetraEsperada {
    char16_t letra;
    char16_t sinAcento;
    const char16_t *palabras[3];
};

inline constexpr LetraEsperada LetrasConAcento[] = {
    {u'á', u'a', {u"árbol", u"párrafo", u"está"}},
    {u'é', u'e', {u"época", u"régimen", u"café"}},
    {u'í', u'i', {u"índole", u"país", u"aquí"}},
    {u'ó', u'o', {u"órgano", u"nación", u"habló"}},
    {u'ú', u'u', {u"único", u"público", u"perú"}},
    {u'ü', u'u', {u"über", u"bilingüe", u"agü"}},
    {u'ñ', u'n', {u"ñame", u"año", u"piñ"}},
};

inline constexpr const char *LugaresDeLaLetra[] = {"at a word's start", "inside a word", "at a word's end"};

// The word with its letter written without the accent or tilde.
inline QString sinAcento(const LetraEsperada &l, const char16_t *palabra)
{
    return QString::fromUtf16(palabra).replace(QChar(l.letra), QChar(l.sinAcento));
}
