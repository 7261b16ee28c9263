#pragma once

#include <QString>
#include <QStringView>

#include <array>

// A title ('1'), chapter ('2') or section ('3') and the entries it covers.
struct Division_Reg {
    char16_t Nivel;
    QStringView Titulo; // stored heading, trailing space included where it has one
    int Desde;
    int Hasta;
};

inline constexpr int Numero_Divisiones = 77;

// Records 1..77 in reading order; index 0 is an empty record. Node k of the index
// tree (depth-first, from 0) is record k + 1.
extern const std::array<Division_Reg, Numero_Divisiones + 1> Divisiones;

// A lookup's answer: record 0 and the empty text when nothing contains the entry.
struct Division_Encontrada {
    int registro = 0;
    QString titulo;
};

// The division of each level containing an entry, its heading without the level word.
Division_Encontrada Buscar_Titulo(int entrada);
Division_Encontrada Buscar_Capitulo(int entrada);
Division_Encontrada Buscar_Seccion(int entrada);
