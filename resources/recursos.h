#pragma once

// Paths of the compiled-in pictures.
namespace Recursos {
inline constexpr char Icono[] = ":/icono.png";
} // namespace Recursos
