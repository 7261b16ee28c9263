#!/usr/bin/env python3
"""Draws the desktop icon: an open book over the yellow, blue and red stripes of the
flag. One drawing, written as an SVG and rasterised (4 x 4 samples per pixel) into the
PNG sizes of the hicolor theme, all under packaging/iconos/."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from png import write_png  # noqa: E402

NOMBRE = "ve.constitucion1999.Lector"
TAMANOS = (16, 22, 24, 32, 48, 64, 128, 256)
LADO = 32.0  # the drawing's own units

YELLOW, BLUE, RED = (255, 204, 0), (0, 56, 168), (206, 17, 38)
WHITE, INK, GREY = (255, 255, 255), (40, 24, 16), (150, 150, 150)

# Rectangles (x0, y0, x1, y1, colour), painted in order; later ones cover earlier ones.
FIGURAS = [
    (1, 1, 31, 11.5, YELLOW),
    (1, 11.5, 31, 21, BLUE),
    (1, 21, 31, 31, RED),
    # the book: covers, pages and spine
    (4, 7, 28, 26, INK),
    (5, 8, 15.25, 25, WHITE),
    (16.75, 8, 27, 25, WHITE),
]
# text lines on both pages
for y in (11, 13.5, 16, 18.5, 21):
    FIGURAS.append((6.5, y, 14, y + 0.9, GREY))
    FIGURAS.append((18, y, 25.5, y + 0.9, GREY))
RADIO = 3.0  # rounded corners of the background


def dentro_del_fondo(x, y):
    """The background is a square from 1 to 31 with rounded corners."""
    if not (1 <= x <= 31 and 1 <= y <= 31):
        return False
    cx = min(max(x, 1 + RADIO), 31 - RADIO)
    cy = min(max(y, 1 + RADIO), 31 - RADIO)
    return (x - cx) ** 2 + (y - cy) ** 2 <= RADIO ** 2


def color_en(x, y):
    if not dentro_del_fondo(x, y):
        return None
    color = None
    for x0, y0, x1, y1, c in FIGURAS:
        if x0 <= x < x1 and y0 <= y < y1:
            color = c
    return color


def pintor(tamano):
    escala = LADO / tamano
    muestras = [(i + 0.5) / 4 for i in range(4)]

    def pixel(px, py):
        r = g = b = cubiertas = 0
        for sy in muestras:
            for sx in muestras:
                c = color_en((px + sx) * escala, (py + sy) * escala)
                if c is not None:
                    r, g, b, cubiertas = r + c[0], g + c[1], b + c[2], cubiertas + 1
        if cubiertas == 0:
            return (0, 0, 0, 0)
        return (r // cubiertas, g // cubiertas, b // cubiertas, cubiertas * 255 // 16)

    return pixel


def svg():
    def hexa(c):
        return "#%02x%02x%02x" % c

    partes = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">',
        "<defs><clipPath id=\"fondo\"><rect x=\"1\" y=\"1\" width=\"30\" height=\"30\" rx=\"%g\"/></clipPath></defs>"
        % RADIO,
        '<g clip-path="url(#fondo)">',
    ]
    for x0, y0, x1, y1, c in FIGURAS:
        partes.append('<rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>' % (x0, y0, x1 - x0, y1 - y0, hexa(c)))
    partes += ["</g>", "</svg>", ""]
    return "\n".join(partes)


def main():
    destino = os.path.join(os.path.dirname(__file__), "..", "..", "packaging", "iconos")
    os.makedirs(destino, exist_ok=True)
    with open(os.path.join(destino, NOMBRE + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg())
    for tamano in TAMANOS:
        write_png(os.path.join(destino, "%s-%d.png" % (NOMBRE, tamano)), tamano, tamano, pintor(tamano))


main()
