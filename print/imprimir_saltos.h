#pragma once

#include <QtGlobal>

class QTextDocument;

// Keep-with-next, as word processors do it: a caption, its headings and its note stay on one
// page with at least the first two lines of its text (all of them when it has fewer), so no
// page ends with a caption or a heading. Where the page size set on documento would split such
// a group, its caption starts the next page; a group taller than a page is left as it falls.
// Returns the number of captions moved.
int Mantener_Con_Siguiente(QTextDocument &documento);

// The page (from 0) of a line whose top lies at y, on pages alto high: the layout's rounding
// may put a line that starts a page a hair above its top.
int Pagina_Linea(qreal y, qreal alto);
