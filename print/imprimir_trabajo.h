#pragma once

#include "busqueda_global.h"

#include <QList>
#include <QString>
#include <QStringView>

// What a print holds: entries, or a part of one, in order, with the stretches printed bold on
// yellow, and the citation that heads every page and titles the document.

// One entry, or the part of its text from inicio over largo positions; resaltados are in
// positions of the entry's whole text.
struct Pieza_Impresion {
    int entrada = 0;
    int inicio = 0;
    int largo = 0;
    QList<Tramo> resaltados;
    friend bool operator==(const Pieza_Impresion &, const Pieza_Impresion &) = default;
};

// An empty job (no pieces, no citation) prints nothing.
struct Trabajo_Impresion {
    QString cita;
    QList<Pieza_Impresion> piezas;
    bool vacio() const { return piezas.isEmpty(); }
};

// The whole entry with the stretches highlighted on screen; empty outside 1..371.
Trabajo_Impresion Trabajo_Entrada(int entrada, const QList<Tramo> &resaltados = {});

// The part of the entry the reader selected, clamped to its text, with the stretches
// highlighted on screen; empty when nothing of the text is left or outside 1..371.
Trabajo_Impresion Trabajo_Seleccion(int entrada, int inicio, int largo, const QList<Tramo> &resaltados = {});

// Every entry of the title, chapter or section record 1..77, whole, in order; empty outside.
Trabajo_Impresion Trabajo_Division(int registro);

// Every entry of the search results, whole, with its hits: "..., N entradas con «consulta»".
// Results naming no entry are left out; empty when none is left.
Trabajo_Impresion Trabajo_Resultados(const QList<Resultado_Busqueda> &resultados, QStringView consulta);
