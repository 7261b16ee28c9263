#pragma once

#include <QString>
#include <QStringView>

#include <functional>

// A one-line text cut to a width around a stretch of it: the stretch whole, and as much of
// the text on each side as the width holds, shared evenly between the sides while both have
// text left; "…" stands where the text is cut. Widths are measured by ancho (the plain face)
// and anchoTramo (the stretch's face). A stretch wider than the width is kept alone, from
// its start. A stretch outside the text is clamped to it.
struct Recorte_Tramo {
    QString texto;
    int inicio = 0;
    int largo = 0;
};
Recorte_Tramo recortarAlrededor(QStringView texto, int inicio, int largo, int anchoDisponible,
                                const std::function<int(QStringView)> &ancho,
                                const std::function<int(QStringView)> &anchoTramo);
