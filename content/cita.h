#pragma once

#include <QString>
#include <QStringList>

// How a passage copied from an entry names its source.

// The entry as a citation names it: "Preámbulo", "Artículo 157", "Disposición Derogatoria
// Única", "Disposición Transitoria Primera" .. "Decimoctava", "Disposición Final Única";
// the empty text outside 1..371.
QString Cita_Entrada(int entrada);

// The work cited: "Constitución de la República Bolivariana de Venezuela (1999)".
QString Obra_Citada();

// The work and the entry: "Constitución de la República Bolivariana de Venezuela (1999), Artículo 157".
QString Cita_Completa(int entrada);

// The division records (1..77) of the title, chapter and section holding the entry, from the
// top; only the levels the entry has, none outside 1..371.
QList<int> Divisiones_Entrada(int entrada);

// A division's heading as the index tree shows it, level word included, trimmed; the empty
// text outside 1..77.
QString Encabezado_Division(int registro);

// The headings of the title, chapter and section holding the entry as the index tree shows
// them, level word included ("TÍTULO III ...", "Capítulo IV ...", "Sección Segunda: ..."),
// trimmed; only the levels the entry has.
QStringList Encabezados_Cita(int entrada);

// The work and a division with the divisions above it, joined by " — ": "Constitución de la
// República Bolivariana de Venezuela (1999), TÍTULO IV DEL PODER PÚBLICO — Capítulo II De la
// Competencia del Poder Público Nacional"; the empty text outside 1..77.
QString Cita_Division(int registro);

// The passage, an empty line, "Constitución de la República Bolivariana de Venezuela (1999),
// <cita>" and, on the next line, the headings trimmed and joined by " — " (empty ones left
// out; no line when none is left), then, for an article amended since, the note saying so
// on a line of its own. Paragraph breaks of the passage (U+2029) become line feeds,
// and those at its end are dropped.
QString Texto_Con_Cita(const QString &pasaje, int entrada, const QStringList &encabezados);

// The same as HTML: the passage's paragraphs, then the citation in italics, the headings and
// the amendment note.
QString Html_Con_Cita(const QString &pasaje, int entrada, const QStringList &encabezados);
