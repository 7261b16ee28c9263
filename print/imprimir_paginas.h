#pragma once

#include "imprimir_trabajo.h"

#include <QString>

class QPagedPaintDevice;

// The foot of every printed page: "página 3 de 7".
QString Pie_Pagina(int pagina, int paginas);

// Lays the job out on the device's pages and paints them: on every page the citation as the
// running head, the text wrapped to the page and never cut inside a line, and the foot. Pages
// outside the device's page ranges (when it has any) are laid out but not painted. Returns
// the number of pages, 0 for an empty job or a device that cannot be painted, which then
// stays untouched. The document title is the caller's to set before, as the device names it.
int Imprimir_Trabajo(const Trabajo_Impresion &trabajo, QPagedPaintDevice &dispositivo);
