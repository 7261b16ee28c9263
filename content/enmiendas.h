#pragma once

#include <QString>

// The articles that Enmienda N.º 1 (15 February 2009) modified: 160, 162, 174, 192 and 230.
// The text shown stays the one of 1999; these entries carry a note saying so.

// Whether the entry is one of those articles.
bool Entrada_Enmendada(int entrada);

// The note of an amended entry, the empty text for every other one.
QString Nota_Enmienda(int entrada);
