#pragma once

#include "imprimir_trabajo.h"

#include <QTextDocument>
#include <QTextFormat>

#include <memory>

// The points of the printed entry text, in the reader's face.
inline constexpr int Puntos_Impresion = 11;

// What a paragraph of the printed document is, kept in its block format under Propiedad_Parrafo,
// for the page breaks (imprimir_saltos.h).
enum class Clase_Parrafo { Ninguna, Rotulo, Encabezado, Nota, Texto };
inline constexpr int Propiedad_Parrafo = QTextFormat::UserProperty + 1;

// The printed text of a job, to be laid out on pages: for each piece its caption (the full name
// of the entry: "Artículo 157", "Disposición Transitoria Séptima"), the headings that change at
// it (all of them at the first piece), the note of an amended article, then its text, one
// paragraph per line, with its highlighted stretches bold on yellow. Stretches reaching past
// the piece are cut to it; pieces naming no entry are left out.
std::unique_ptr<QTextDocument> Documento_Impresion(const Trabajo_Impresion &trabajo);
