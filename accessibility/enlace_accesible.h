#pragma once

class QLabel;

// A label that acts as a link (it opens something on Enter, Space or a click) is told to
// screen readers as a link, with the press action, which does what Enter does.
void marcarComoEnlace(QLabel *etiqueta);
