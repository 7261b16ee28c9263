#!/usr/bin/env python3
"""Draws the 32 x 32 picture of the About dialog's button (resources/flecha.png): a
shaded arrow pointing right, on a transparent background."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from png import write_png  # noqa: E402

CLEAR = (0, 0, 0, 0)
OUTLINE = (0, 0, 96, 255)


def inside(x, y):
    # shaft from column 4 to 17, rows 12..19; head from column 16 to 28
    if 4 <= x <= 17 and 12 <= y <= 19:
        return True
    if 16 <= x <= 28:
        return abs(y - 15.5) <= 28 - x
    return False


def pixel(x, y):
    if not inside(x, y):
        return CLEAR
    if not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
        return OUTLINE
    t = y / 31
    return (int(40 + 60 * (1 - t)), int(120 + 100 * (1 - t)), 255, 255)


out = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "flecha.png")
write_png(out, 32, 32, pixel)
