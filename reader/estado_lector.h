#pragma once

#include "busqueda_global.h"
#include "historial.h"
#include "tamano_texto.h"

#include <QString>

#include <cstdint>

// Reader state of the main window's unit: alive for the whole run, zero, false
// or empty until the window is first activated.
namespace UnitM01 {

inline int32_t Articulo_Actual = 0;  // entry on screen, 0 before the first display
inline int32_t Titulo_Actual = 0;    // division records containing it, 0 for none
inline int32_t Capitulo_Actual = 0;
inline int32_t Seccion_Actual = 0;
inline int32_t Division_Elegida = 0; // the tree node the reader clicked, while the display keeps the selection it
                                     // moved to; 0 when the current node is the reader's own choice
inline bool Resaltar_Palabra = false; // the next display highlights Palabra_Elegida
inline QString Palabra_Elegida;
inline QList<Tramo> Resaltar_Tramos;  // the next display highlights these hits of a whole-text search
inline Posicion_Coincidencia Coincidencia_Actual; // the hit F3 stands on among the search window's results
inline uint8_t Centenas = 0;          // the article selector's digits and wrap limits
inline uint8_t Decenas = 0;
inline uint8_t Unidades = 0;
inline uint8_t Max_Decenas = 0;
inline uint8_t Max_Unidades = 0;
inline bool Indice_Visible = false;
inline int32_t Ancho_Indice = 0;
inline int32_t Columna_Orden = 0;
inline Historial Historial_Entradas;          // the entries shown in this run, for Back and Forward
inline int32_t Tamano_Texto = Tamano_Disenado; // points of ColorMemo1's text, kept from entry to entry

// Back to the state before the first activation (a new main window starts from it).
void Reiniciar_Estado();

} // namespace UnitM01
