#pragma once

// Paths of the compiled-in pictures.
namespace Recursos {
inline constexpr char Icono[] = ":/icono.png";
inline constexpr char Paisaje[] = ":/paisaje.png"; // the About picture, 178 x 205 at 24 bits
inline constexpr char Flecha[] = ":/flecha.png";   // the About button, 32 x 32
} // namespace Recursos
