#!/usr/bin/env python3
"""Draws the pictures of the main window's buttons into resources/:

- the seven menu buttons, 32 x 32: first, previous, next, last, hide/show index, about, close;
- the spin button arrows, 9 x 6: up and down.

Each picture is also written at twice the size (name@2x.png) for high-density screens.
Shapes are described on the 1x pixel grid: straight edges on whole pixels stay sharp at
both scales, slanted edges are smoothed by sampling each pixel 4 x 4 times."""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from png import write_png  # noqa: E402

OUT = os.path.join(os.path.dirname(__file__), "..", "..", "resources")
SUB = 4  # samples per pixel along each axis

NAVY = (16, 48, 112)
BLUE_TOP, BLUE_BOTTOM = (96, 160, 240), (24, 88, 200)
RED_TOP, RED_BOTTOM = (240, 96, 80), (176, 24, 24)
DARK_RED = (112, 0, 0)
WHITE = (255, 255, 255)
PAPER = (250, 250, 244)
GREY = (128, 128, 128)
LINE = (150, 150, 150)
MONEY_GREEN = (192, 220, 192)
DARK_GREEN = (40, 96, 40)
TITLE_BLUE = (0, 0, 255)
BLACK = (0, 0, 0)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def vertical(top, bottom, y0, y1):
    """A fill that runs from top colour at y0 to bottom colour at y1."""
    return lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / (y1 - y0))))


def solid(colour):
    return lambda x, y: colour


# Shapes answer two questions for a point: is it inside, and how far is it from the edge.

class Polygon:
    def __init__(self, points):
        self.points = points

    def inside(self, x, y):
        n, hit = len(self.points), False
        for i in range(n):
            (x1, y1), (x2, y2) = self.points[i], self.points[(i + 1) % n]
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit

    def edge(self, x, y):
        n, best = len(self.points), float("inf")
        for i in range(n):
            (x1, y1), (x2, y2) = self.points[i], self.points[(i + 1) % n]
            dx, dy = x2 - x1, y2 - y1
            t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
            best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
        return best


class Circle:
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def inside(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) < self.r

    def edge(self, x, y):
        return abs(self.r - math.hypot(x - self.cx, y - self.cy))


def rect(x0, y0, x1, y1):
    return Polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def bar(x0, y0, x1, y1, width):
    """A straight stroke of the given width from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    k = width / 2 / math.hypot(dx, dy)
    nx, ny = -dy * k, dx * k
    return Polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def mirror(shape, size=32):
    return Polygon([(size - x, y) for x, y in shape.points])


class Layer:
    """A shape filled by fill(x, y), with an outline of the given width inside its edge."""

    def __init__(self, shape, fill, outline=None, width=1.0):
        self.shape, self.fill, self.outline, self.width = shape, fill, outline, width

    def colour(self, x, y):
        if not self.shape.inside(x, y):
            return None
        if self.outline is not None and self.shape.edge(x, y) < self.width:
            return self.outline
        return self.fill(x, y)


def render(name, width, height, layers, scale):
    """Writes the picture at the given scale, layers painted in order."""
    def pixel(px, py):
        r = g = b = a = 0
        for sy in range(SUB):
            for sx in range(SUB):
                x = (px + (sx + 0.5) / SUB) / scale
                y = (py + (sy + 0.5) / SUB) / scale
                colour = None
                for layer in layers:
                    colour = layer.colour(x, y) or colour
                if colour is not None:
                    r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
        if a == 0:
            return (0, 0, 0, 0)
        return (round(r / a), round(g / a), round(b / a), round(255 * a / (SUB * SUB)))

    suffix = "" if scale == 1 else "@%dx" % scale
    write_png(os.path.join(OUT, name + suffix + ".png"), width * scale, height * scale, pixel)


def arrow_layers(triangles, bars):
    blue = vertical(BLUE_TOP, BLUE_BOTTOM, 6, 26)
    return [Layer(shape, blue, NAVY, 1.0) for shape in bars + triangles]


# Arrows pointing right; the left-pointing ones are their mirror images.
NEXT = Polygon([(10, 6), (25, 16), (10, 26)])
LAST = Polygon([(6, 6), (20, 16), (6, 26)])
LAST_BAR = rect(21, 6, 26, 26)


def index_layers():
    """A window with its left pane (a small tree) and its text on the right."""
    layers = [
        Layer(rect(3, 4, 29, 28), solid(PAPER), BLACK),
        Layer(rect(3, 4, 29, 9), solid(TITLE_BLUE), BLACK),
        Layer(rect(3, 8, 13, 28), solid(MONEY_GREEN), BLACK),
    ]
    for y in (11, 16, 21):  # tree nodes with their branches
        layers.append(Layer(rect(5, y, 8, y + 3), solid(DARK_GREEN)))
        layers.append(Layer(rect(8, y + 1, 11, y + 2), solid(DARK_GREEN)))
    layers.append(Layer(rect(6, 14, 7, 16), solid(DARK_GREEN)))
    layers.append(Layer(rect(6, 19, 7, 21), solid(DARK_GREEN)))
    for y in (11, 14, 17, 20, 23):  # lines of text
        layers.append(Layer(rect(15, y, 27 if y != 23 else 22, y + 1), solid(LINE)))
    return layers


def about_layers():
    """An "i" on a blue disc."""
    return [
        Layer(Circle(16, 16, 13), vertical(BLUE_TOP, BLUE_BOTTOM, 4, 28), NAVY, 1.0),
        Layer(Circle(16, 9.5, 2.5), solid(WHITE)),
        Layer(rect(14, 14, 18, 25), solid(WHITE)),
        Layer(rect(12, 14, 14, 16), solid(WHITE)),
        Layer(rect(12, 23, 20, 25), solid(WHITE)),
    ]


def close_layers():
    """A white cross on a red disc."""
    return [
        Layer(Circle(16, 16, 13), vertical(RED_TOP, RED_BOTTOM, 4, 28), DARK_RED, 1.0),
        Layer(bar(10.5, 10.5, 21.5, 21.5, 4), solid(WHITE)),
        Layer(bar(21.5, 10.5, 10.5, 21.5, 4), solid(WHITE)),
    ]


PICTURES = {
    "boton_primero": arrow_layers([mirror(LAST)], [mirror(LAST_BAR)]),
    "boton_anterior": arrow_layers([mirror(NEXT)], []),
    "boton_siguiente": arrow_layers([NEXT], []),
    "boton_ultimo": arrow_layers([LAST], [LAST_BAR]),
    "boton_indice": index_layers(),
    "boton_acerca": about_layers(),
    "boton_cerrar": close_layers(),
}

# The spin arrows are small enough to be drawn pixel by pixel at 1x.
ARROW_UP_1X = [
    ".........",
    "....#....",
    "...###...",
    "..#####..",
    ".#######.",
    ".........",
]
ARROW_UP = Polygon([(1, 5), (8, 5), (4.5, 1)])


def arrow_1x(name, rows):
    write_png(os.path.join(OUT, name + ".png"), 9, 6,
              lambda x, y: (0, 0, 0, 255) if rows[y][x] == "#" else (0, 0, 0, 0))


def main():
    for name, layers in PICTURES.items():
        for scale in (1, 2):
            render(name, 32, 32, layers, scale)
    arrow_1x("flecha_arriba", ARROW_UP_1X)
    arrow_1x("flecha_abajo", ARROW_UP_1X[::-1])
    render("flecha_arriba", 9, 6, [Layer(ARROW_UP, solid(BLACK))], 2)
    down = Polygon([(x, 6 - y) for x, y in ARROW_UP.points])
    render("flecha_abajo", 9, 6, [Layer(down, solid(BLACK))], 2)


if __name__ == "__main__":
    main()
