#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Colours and fonts shared by the windows.
namespace Apariencia {

inline const QColor CieloAzul{166, 202, 240};
inline const QColor Granate{128, 0, 0};
inline const QColor Oliva{128, 128, 0};
inline const QColor VerdeAzulado{0, 128, 128};
inline const QColor VerdeDinero{192, 220, 192};
inline const QColor Amarillo{255, 255, 0};
inline const QColor Azul{0, 0, 255};
inline const QColor Rojo{255, 0, 0};
inline const QColor Blanco{255, 255, 255};
inline const QColor ResaltadoBoton{56, 176, 222}; // push buttons under the mouse

// The desktop's colour for button surfaces, also the windows' background.
QColor caraBoton();

// The dialog face of the windows: a sans serif metric-close to the classic one.
inline constexpr char FamiliaSansSerif[] = "Liberation Sans";
QFont fuente(qreal puntos = 8, bool negrita = false);

// Solid background and text colours for a widget that paints its own background.
void colorear(QWidget *widget, const QColor &fondo, const QColor &texto);

} // namespace Apariencia
