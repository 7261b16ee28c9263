#pragma once

#include <QString>
#include <QStringView>

// What --buscar and --texto print: plain text for a terminal or a pipe, made from the same
// tables and search as the windows, with no display and no GUI platform.

// The results of a whole-text search: one block per entry (its name as a result row names
// it, its number of hits, the line of context with every hit in it between [ and ]), a blank
// line between blocks, and the count line last. encontrado tells whether anything was found.
struct Salida_Busqueda {
    QString texto;
    bool encontrado = false;
};
Salida_Busqueda Buscar_Para_Terminal(QStringView consulta);

// Entry N as the citation names it (0 is the Preámbulo, 1..350 the articles): the citation,
// the headings of its title, chapter and section, the amendment note on the five amended
// articles, a blank line and the text. With ancho > 0 each paragraph is wrapped at spaces to
// that many characters; with 0 it is left as one line.
QString Entrada_Para_Terminal(int articulo, int ancho);

// The text's paragraphs wrapped at spaces to ancho characters (a word longer than that stands
// alone on its line); ancho <= 0 leaves it as it is.
QString Ajustar_Lineas(QStringView texto, int ancho);
