#pragma once

#include <cstdint>
#include <span>

// A picture as premultiplied ARGB pixels, row after row, made from its PNG at build time.
struct Pixeles {
    const char *ruta; // the resource path of the PNG it comes from
    int ancho;
    int alto;
    const std::uint32_t *datos;
};

// Every picture decoded at build time (the About picture, shown in few runs, is not).
extern const std::span<const Pixeles> Todos_Los_Pixeles;
