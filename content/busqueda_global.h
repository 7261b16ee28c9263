#pragma once

#include "consulta.h"

#include <QList>
#include <QString>
#include <QStringView>

// Whole-text search: a query (consulta.h) looked for in every entry, capitals and accents
// ignored.
//
// Letters fold onto their small form without accent ("Órgano" and "organo" are equal, "ü" is
// "u"), but "ñ" stays a letter of its own. A word is a run of letters and digits. Positions
// are those of the entry's stored text, which are the positions of the text view showing it
// (a paragraph break is one position).

// One hit: its first position in the entry's text and the number of positions it spans. A
// word's hit is the whole word; a phrase's spans its words and the separators between them;
// where hits of several words or phrases overlap they make one hit.
struct Tramo {
    int inicio = 0;
    int largo = 0;
    friend bool operator==(const Tramo &, const Tramo &) = default;
};

// One entry answering the query, with every hit in increasing order (hits never overlap).
struct Resultado_Busqueda {
    int entrada = 0;
    QList<Tramo> tramos;
    friend bool operator==(const Resultado_Busqueda &, const Resultado_Busqueda &) = default;
};

// Every entry, in entry order, answering the query: holding every word and phrase asked for
// and none left out. Empty for no query (analizarConsulta gives the reason). A word or phrase
// with a character the texts cannot hold matches nothing. The folded copy of the texts, their
// words and stems are made on the first call.
QList<Resultado_Busqueda> Buscar_En_Textos(QStringView consulta);

// The hits of the query in one text (Latin-1 or not: characters above it match nothing),
// when the text answers it; the words of that text are the only vocabulary.
QList<Tramo> buscarEn(QStringView texto, QStringView consulta);

// A one-line view of the text around a hit: about ancho characters, cut at spaces, paragraph
// breaks shown as spaces, "…" where the text goes on; inicio and largo place the hit in it.
struct Contexto_Coincidencia {
    QString texto;
    int inicio = 0;
    int largo = 0;
};
Contexto_Coincidencia contextoDe(QStringView texto, Tramo tramo, int ancho = 80);

// The paragraph (or paragraphs) of an entry's text holding one of its hits, with every hit
// that falls inside it placed in the passage; actual is the index of the chosen hit among
// them, -1 when tramo is not one of the hits. Line feeds inside stay as they are.
struct Pasaje_Coincidencia {
    QString texto;
    QList<Tramo> tramos;
    int actual = -1;
};
Pasaje_Coincidencia pasajeDe(QStringView texto, const QList<Tramo> &tramos, int tramo);

// A place among the hits of a result list: row and hit within it; -1 for none.
struct Posicion_Coincidencia {
    int fila = -1;
    int tramo = -1;
    friend bool operator==(const Posicion_Coincidencia &, const Posicion_Coincidencia &) = default;
};

// The hit after (adelante) or before the given one: within its row, then on to the first
// hit of the next row (the last of the previous one), wrapping at the ends. From no place,
// or one outside the list, the first hit (the last one). None for an empty list.
Posicion_Coincidencia pasoCoincidencia(const QList<Resultado_Busqueda> &resultados, Posicion_Coincidencia actual,
                                       bool adelante);

// F3 and Shift+F3 as a browser's find counts them, from where the reader is: from the current
// hit when it stands in the entry on screen (pasoCoincidencia); otherwise forward to the first
// hit of that entry or of the next entry holding one, backward to the last hit of that entry or
// of the previous one, wrapping at the ends. None for an empty list.
Posicion_Coincidencia pasoDesdeEntrada(const QList<Resultado_Busqueda> &resultados, Posicion_Coincidencia actual,
                                       int entradaEnPantalla, bool adelante);
