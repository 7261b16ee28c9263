#pragma once

#include "caracter_palabra.h"

#include <QChar>
#include <QStringList>
#include <QStringView>

// Plain-text rules of the rich text view, usable without a widget.

// Lines of a text as the view takes them: CR LF, a lone LF and a lone CR each end
// one line; a break at the very end adds no empty line; an empty text has no line.
QStringList dividirLineas(QStringView texto);

struct OpcionesBusqueda {
    bool palabraCompleta = true;
    bool distinguirMayusculas = false;
};

// First position q with inicio <= q and q + texto.size() <= inicio + longitud where
// texto occurs in documento, or -1. Without case matching A-Z equal a-z and each
// accented capital its small form; an accent is never ignored. Paragraph breaks of
// the document are ordinary non-word characters.
int buscarEnTexto(QStringView documento, QStringView texto, int inicio, int longitud,
                  OpcionesBusqueda opciones = {});
