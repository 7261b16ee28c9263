#pragma once

class QLabel;
class SpinButton;

// A spin button is told to screen readers as a spin box: its value is the number the label
// shows, with increase and decrease actions that do what its arrows do.
void hacerSpinAccesible(SpinButton *spin, const QLabel *etiqueta);
