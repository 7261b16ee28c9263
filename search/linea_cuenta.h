#pragma once

#include "quiso_decir.h"

#include <QList>
#include <QString>
#include <QStringView>

// The search window's count line. Where it offers the nearest words of the text ("¿Quiso
// decir…?"), each offered word is followed by the key that takes it, Alt+1 for the first, and
// is a link a click takes.
struct Linea_Cuenta {
    QString texto;       // as it reads, and as a screen reader is told it
    QString enriquecido; // the same as rich text, each offered word a link named by its number
    QList<Sugerencia_Consulta> sugerencias;
};

Linea_Cuenta lineaCuenta(int coincidencias, int entradas, QStringView consulta);
