#!/usr/bin/env python3
"""Draws the About dialog's 178 x 205 picture at 24 bits (resources/paisaje.png): a
table mountain with a waterfall at sunset, jungle hills, a river and flowers, rich in
gradients and small detail so that the scattered pixels and their settling show."""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from png import write_png  # noqa: E402

W, H = 178, 205


def noise(x, y, seed=0):
    """Deterministic value noise in [0, 1)."""
    n = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65536.0


def smooth(x, y, scale, seed):
    """Bilinear value noise at a given scale."""
    gx, gy = x / scale, y / scale
    x0, y0 = int(gx), int(gy)
    fx, fy = gx - x0, gy - y0
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = noise(x0, y0, seed) * (1 - fx) + noise(x0 + 1, y0, seed) * fx
    b = noise(x0, y0 + 1, seed) * (1 - fx) + noise(x0 + 1, y0 + 1, seed) * fx
    return a * (1 - fy) + b * fy


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def clamp(c):
    return tuple(max(0, min(255, int(round(v)))) for v in c)


HORIZON = 118
SUN = (120, 92, 15)


def sky(x, y):
    t = y / HORIZON
    c = mix((20, 30, 110), (150, 60, 140), t * 1.4) if t < 0.7 else mix((150, 60, 140), (255, 150, 60), (t - 0.7) / 0.3)
    # glow and disk of the sun
    d = math.hypot(x - SUN[0], y - SUN[1])
    c = mix(c, (255, 220, 120), max(0.0, 1 - d / 60) ** 2)
    if d < SUN[2]:
        c = mix((255, 250, 200), (255, 200, 80), d / SUN[2])
    # streaks of cloud lit from below
    band = math.sin(y * 0.55 + math.sin(x * 0.07) * 2.0)
    if band > 0.85 and smooth(x, y, 9, 3) > 0.5 and y < HORIZON - 10:
        c = mix(c, (255, 170, 120), 0.6)
    # a few stars high up
    if y < 40 and noise(x, y, 7) > 0.985:
        c = (255, 255, 230)
    return c


def mountain_top(x):
    """Top row of the table mountain at column x (large when there is none)."""
    if 18 <= x <= 104:
        edge = min(x - 18, 104 - x)
        return 52 + max(0, 6 - edge) * 4 + int(smooth(x, 0, 5, 11) * 4)
    return 999


def mountain(x, y):
    strata = math.sin(y * 0.9 + smooth(x, y, 6, 12) * 3)
    base = mix((90, 60, 80), (150, 80, 70), (y - 50) / 70)
    c = mix(base, (60, 40, 60), 0.25 + 0.25 * strata)
    # sunlit left faces
    if x < 30:
        c = mix(c, (230, 130, 80), 0.35)
    # the waterfall, a ribbon of spray from the top edge
    fall = 66 + int(math.sin(y * 0.2) * 1.5)
    if abs(x - fall) <= 1 + (y - 55) // 25 and y > mountain_top(x):
        c = mix((220, 235, 255), (255, 255, 255), noise(x, y, 13))
    return c


def hills_top(x):
    return 100 + int(10 * math.sin(x * 0.05 + 1) + 6 * math.sin(x * 0.13) + smooth(x, 0, 4, 21) * 5)


def jungle(x, y):
    top = hills_top(x)
    depth = (y - top) / 40
    leaf = smooth(x, y, 3, 22)
    c = mix((40, 140, 60), (10, 60, 30), depth + 0.3 * leaf)
    if leaf > 0.7:
        c = mix(c, (120, 200, 70), 0.5)
    if noise(x, y, 23) > 0.97:
        c = (230, 60, 50)  # red blossoms in the canopy
    return c


RIVER_TOP = 150


def river(x, y):
    # mirror the sky, broken into ripples
    ry = RIVER_TOP - (y - RIVER_TOP) * 2 - 30
    rx = x + int(3 * math.sin(y * 1.3 + x * 0.1))
    c = sky(max(0, min(W - 1, rx)), max(0, min(HORIZON - 1, ry)))
    c = mix(c, (30, 70, 130), 0.35 + 0.1 * math.sin(y * 2.1))
    if math.sin(y * 3.0 + x * 0.25) > 0.93:
        c = mix(c, (255, 255, 255), 0.5)
    return c


def bank(x, y):
    grass = mix((70, 150, 40), (150, 190, 60), smooth(x, y, 2, 31))
    blades = noise(x, y, 32)
    if blades > 0.8:
        grass = mix(grass, (30, 90, 20), 0.6)
    r = noise(x // 3, y // 3, 33)
    if r > 0.92:
        return (255, 220, 0)  # yellow flowers
    if r > 0.86:
        return (200, 30, 120)  # magenta flowers
    if r > 0.83:
        return (240, 240, 250)  # white flowers
    return grass


def bank_top(x):
    return 176 + int(6 * math.sin(x * 0.09) + 3 * math.sin(x * 0.31))


def pixel(x, y):
    if y >= bank_top(x):
        c = bank(x, y)
    elif y >= RIVER_TOP:
        c = river(x, y)
    elif y >= hills_top(x):
        c = jungle(x, y)
    elif y >= mountain_top(x):
        c = mountain(x, y)
    else:
        c = sky(x, y)
    # a thin dark frame
    if x in (0, W - 1) or y in (0, H - 1):
        c = (40, 20, 30)
    return clamp(c)


out = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "paisaje.png")
write_png(out, W, H, pixel, alpha=False)
