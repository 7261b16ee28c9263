#pragma once

#include <QRect>
#include <QSize>

// Where the search window first opens, so that it covers none of the text it shows. All
// rectangles are outer (frame) rectangles in screen coordinates:
//   libre     the screen's available area;
//   principal the main window;
//   texto     the main window's text column (the caption strip and the text view);
//   deseado   the search window's designed size; minimo the smallest that still serves.
// In order of preference:
//   1. beside the main window, right, else left, at its top, when the designed size fits there,
//      or else narrowed to the wider side's room when that holds three quarters of its width;
//   2. over the index pane, ending where the text column starts (else beside the column's
//      right side), when the designed width fits between it and the screen's edge;
//   3. in the wider of those two strips, narrowed to it, when at least the smallest width fits;
//   4. above or below the text column, wherever the smallest height fits, as wide as the screen;
//   5. otherwise at the smallest size over the screen's left edge, covering as little as it can.
// The height never exceeds the screen's; the result always lies on the screen where it can.
QRect colocarVentanaBuscar(const QRect &libre, const QRect &principal, const QRect &texto, QSize deseado,
                           QSize minimo);
