#!/usr/bin/env python3
"""Draws the 32 x 32 window icon: an open book over the three stripes of the flag,
in 16 colours (resources/icono.png)."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from png import write_png  # noqa: E402

YELLOW, BLUE, RED = (255, 255, 0, 255), (0, 0, 255, 255), (255, 0, 0, 255)
WHITE, BLACK, GREY = (255, 255, 255, 255), (0, 0, 0, 255), (128, 128, 128, 255)
CLEAR = (0, 0, 0, 0)


def pixel(x, y):
    if x in (0, 31) or y in (0, 31):
        return BLACK
    # the book: two pages from row 9 to row 24, a spine in the middle
    if 9 <= y <= 24 and 5 <= x <= 26:
        if x in (15, 16):
            return BLACK
        if y in (9, 24) or x in (5, 26):
            return BLACK
        if y % 3 == 0 and x not in (6, 14, 17, 25):
            return GREY
        return WHITE
    if y < 11:
        return YELLOW
    if y < 21:
        return BLUE
    return RED


out = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "icono.png")
write_png(out, 32, 32, pixel)
