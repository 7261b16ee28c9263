#pragma once

#include <QColor>
#include <QList>

// The focus mark: a 2-pixel frame drawn on top of the control that has the keyboard focus,
// just inside its edges, in one of the windows' colours that stands out by 3:1 from the
// control's background, its parent's and, in a list, the selection's. It follows the focus from control to
// control in every window of the application; nothing is built until the focus first moves.
namespace MarcoFoco {

inline constexpr int Grosor = 2;

// Follow the focus from now on; calling it again does nothing.
void instalar();

// Contrast ratio of two colours as the accessibility guidelines define it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, the lighter first; from 1 to 21.
double contraste(const QColor &a, const QColor &b);

// The frame's colour for a control shown over these colours (its background, its parent's,
// the selection of a list): the first of blue, maroon, black, white and yellow with 3:1 against
// all of them, else the one whose lowest contrast is highest.
QColor colorPara(const QList<QColor> &vecinos);

} // namespace MarcoFoco
