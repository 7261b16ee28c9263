#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading of the entry texts file: UTF-8, entries separated by one empty line,
// paragraphs by one line feed, one line feed after the last entry.
struct LecturaTextos {
    QStringList entradas; // the texts in order; empty when the file is not valid
    QString error;        // empty when the file is valid
};

inline constexpr int Numero_Entradas = 371;

// True for the characters an entry may hold (besides the line feed).
bool caracterPermitido(char16_t c);

// Splits and validates the file; the error names the entry and the offending
// character or line.
LecturaTextos leerTextos(const QByteArray &utf8);
