#pragma once

// Menu entries described to screen readers: an entry marked with describirAccion
// (descripcion_accion.h) is told as a menu item with its caption as name and its Spanish
// description, pressed as a click would. Installed once, on first call.
void instalarEntradasDescritas();
