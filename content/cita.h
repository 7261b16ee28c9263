#pragma once

#include <QString>
#include <QStringList>

// How a passage copied from an entry names its source.

// The entry as a citation names it: "Preámbulo", "Artículo 157", "Disposición Derogatoria
// Única", "Disposición Transitoria Primera" .. "Decimoctava", "Disposición Final Única";
// the empty text outside 1..371.
QString Cita_Entrada(int entrada);

// The headings of the title, chapter and section holding the entry as the index tree shows
// them, level word included ("TÍTULO III ...", "Capítulo IV ...", "Sección Segunda: ..."),
// trimmed; only the levels the entry has.
QStringList Encabezados_Cita(int entrada);

// The passage, an empty line, "Constitución de la República Bolivariana de Venezuela (1999),
// <cita>" and, on the next line, the headings trimmed and joined by " — " (empty ones left
// out; no line when none is left), then, for an article amended since, the note saying so
// on a line of its own. Paragraph breaks of the passage (U+2029) become line feeds,
// and those at its end are dropped.
QString Texto_Con_Cita(const QString &pasaje, int entrada, const QStringList &encabezados);

// The same as HTML: the passage's paragraphs, then the citation in italics, the headings and
// the amendment note.
QString Html_Con_Cita(const QString &pasaje, int entrada, const QStringList &encabezados);
