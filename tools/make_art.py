#!/usr/bin/env python3
"""Generate the artwork of Tidewell 32.

Writes four files into the output directory (default: the ``res`` folder
next to this ``tools`` folder):

  tidewell.ico  program icon, 32x32 and 16x16, 16 colours each
  start.bmp     300x100 splash picture, 8 bits per pixel
  manual.bmp    450x220 background of the manual cache directory panel
  browser.bmp   450x220 background of the browser panel

Everything is drawn here from simple shapes (circles, sine waves,
gradients, rectangles) and a tiny built-in pixel font, using only the
Python standard library.  The output is deterministic (same bytes on
every run) and the generated files are committed to the repository, so
this script only needs to be run again when the artwork changes.

Usage:  python3 tools/make_art.py [OUTPUT_DIR]
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# Palettes
# ---------------------------------------------------------------------------

# The standard Windows 16-colour (VGA) palette, in RGB order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Names for the VGA entries (also the first 16 entries of the 256 palette).
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


def lerp(a, b, t):
    return a + (b - a) * t


def clamp(v, lo, hi):
    return lo if v < lo else hi if v > hi else v


def blend_stops(stops, t):
    """Colour at position t (0..1) along evenly spaced colour stops."""
    t = clamp(t, 0.0, 1.0) * (len(stops) - 1)
    i = min(int(t), len(stops) - 2)
    f = t - i
    return tuple(int(round(lerp(a, b, f))) for a, b in zip(stops[i], stops[i + 1]))


class Palette:
    """A 256-entry palette built from the VGA colours plus named ramps."""

    def __init__(self):
        self.colours = list(VGA16)
        self.ramps = {}
        self.singles = {}

    def add_ramp(self, name, count, stops):
        base = len(self.colours)
        for i in range(count):
            self.colours.append(blend_stops(stops, i / (count - 1)))
        self.ramps[name] = (base, count)

    def add(self, name, rgb):
        self.singles[name] = len(self.colours)
        self.colours.append(rgb)

    def __getitem__(self, name):
        return self.singles[name]

    def entries(self):
        """All 256 entries; unused ones are black."""
        assert len(self.colours) <= 256
        return self.colours + [(0, 0, 0)] * (256 - len(self.colours))


def build_palette():
    pal = Palette()
    pal.add_ramp("sky", 32, [(28, 56, 128), (86, 140, 206),
                             (170, 200, 232), (250, 222, 186)])
    pal.add_ramp("sea", 32, [(6, 24, 60), (20, 70, 130),
                             (50, 130, 180), (120, 190, 215)])
    pal.add_ramp("foam", 16, [(140, 200, 225), (255, 255, 255)])
    pal.add_ramp("sand", 16, [(120, 90, 50), (200, 170, 110), (240, 224, 180)])
    pal.add_ramp("folder", 16, [(120, 70, 10), (220, 160, 50), (255, 225, 130)])
    pal.add_ramp("mist", 16, [(176, 198, 224), (244, 247, 251)])
    pal.add_ramp("green", 16, [(20, 70, 30), (90, 160, 70), (180, 220, 120)])
    pal.add_ramp("sun", 16, [(255, 150, 50), (255, 210, 110), (255, 252, 225)])
    pal.add_ramp("wood", 16, [(60, 34, 16), (150, 100, 55), (215, 175, 120)])
    pal.add_ramp("grey", 16, [(40, 40, 40), (235, 235, 235)])
    pal.add("card", CARD_RGB)
    pal.add("card_edge", (150, 162, 180))
    pal.add("shadow", (104, 104, 104))
    pal.add("ink", (40, 50, 70))
    return pal


# Flat colour of the calm area behind the panel controls (also useful for
# a matching brush in WM_CTLCOLORSTATIC).
CARD_RGB = (232, 238, 246)
PANEL_GREY = GRAY  # RGB(128,128,128), the panel's own background colour

# 4x4 ordered-dither matrix, used to make smooth gradients from ramps.
BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def shade(pal, ramp, t, x, y):
    """Palette index for position t (0..1) on a ramp, ordered-dithered."""
    base, count = pal.ramps[ramp]
    v = clamp(t, 0.0, 1.0) * (count - 1)
    v += (BAYER4[y & 3][x & 3] + 0.5) / 16.0 - 0.5
    return base + clamp(int(math.floor(v + 0.5)), 0, count - 1)


# ---------------------------------------------------------------------------
# Canvas and shape helpers
# ---------------------------------------------------------------------------

class Canvas:
    """A width x height grid of palette indices, top row first."""

    def __init__(self, width, height, fill=0):
        self.width = width
        self.height = height
        self.pixels = bytearray([fill]) * (width * height)

    def set(self, x, y, index):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = index

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def paint(self, x0, y0, x1, y1, fn):
        """Call fn(x, y) for every pixel in [x0,x1) x [y0,y1); a non-None
        result becomes the new pixel value."""
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                v = fn(x, y)
                if v is not None:
                    self.pixels[y * self.width + x] = v

    def rect(self, x0, y0, x1, y1, index):
        self.paint(x0, y0, x1, y1, lambda x, y: index)

    def round_rect(self, x0, y0, x1, y1, r, index):
        self.paint(x0, y0, x1, y1,
                   lambda x, y: index if in_round_rect(x, y, x0, y0, x1, y1, r) else None)

    def disc(self, cx, cy, r, index):
        self.paint(int(cx - r) - 1, int(cy - r) - 1, int(cx + r) + 2, int(cy + r) + 2,
                   lambda x, y: index if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r else None)

    def line(self, x0, y0, x1, y1, index):
        steps = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(steps + 1):
            t = i / steps
            self.set(int(round(lerp(x0, x1, t))), int(round(lerp(y0, y1, t))), index)


def in_round_rect(x, y, x0, y0, x1, y1, r):
    """Is the centre of pixel (x, y) inside the rounded rectangle?"""
    px, py = x + 0.5, y + 0.5
    if not (x0 <= px <= x1 and y0 <= py <= y1):
        return False
    qx = max(x0 + r - px, 0.0, px - (x1 - r))
    qy = max(y0 + r - py, 0.0, py - (y1 - r))
    return qx * qx + qy * qy <= r * r


def hash01(x, y, seed=0):
    """Deterministic pseudo-random value in [0, 1) for a pixel."""
    h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65536.0


def card(cv, pal, x0, y0, x1, y1, r=8):
    """A rounded card with a soft drop shadow and a thin border; returns
    a predicate telling whether a pixel lies inside the card's face."""
    cv.round_rect(x0 + 3, y0 + 3, x1 + 3, y1 + 3, r, pal["shadow"])
    cv.round_rect(x0, y0, x1, y1, r, pal["card_edge"])
    return lambda x, y: in_round_rect(x, y, x0 + 1, y0 + 1, x1 - 1, y1 - 1, r - 1)


# ---------------------------------------------------------------------------
# Pixel font (5x7) for the title
# ---------------------------------------------------------------------------

FONT_5X7 = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "i": ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "l": [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}


def text_mask(text, scale):
    """Set of (x, y) pixels covered by text, and its width and height."""
    mask = set()
    pen = 0
    for ch in text:
        glyph = FONT_5X7[ch]
        for gy, row in enumerate(glyph):
            for gx, cell in enumerate(row):
                if cell == "#":
                    for sy in range(scale):
                        for sx in range(scale):
                            mask.add(((pen + gx) * scale + sx, gy * scale + sy))
        pen += len(glyph[0]) + 1
    return mask, (pen - 1) * scale, 7 * scale


def draw_title(cv, pal, text, cx, top, scale):
    """Centred title: drop shadow, dark outline, light gradient fill."""
    mask, w, h = text_mask(text, scale)
    left = cx - w // 2
    shadow = {(x + 2, y + 2) for x, y in mask}
    outline = {(x + dx, y + dy) for x, y in mask
               for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
    for x, y in sorted(shadow):
        cv.set(left + x, top + y, shade(pal, "sea", 0.05, x, y))
    for x, y in sorted(outline):
        cv.set(left + x, top + y, pal["ink"])
    for x, y in sorted(mask):
        t = 1.0 - y / (h - 1)
        cv.set(left + x, top + y, shade(pal, "foam", 0.35 + 0.65 * t, x, y))


# ---------------------------------------------------------------------------
# Shared scenery
# ---------------------------------------------------------------------------

def sea_pixel(pal, x, y, top, bottom, phase=0.0):
    """Water below a horizon at `top`: darker with depth, with wave crests
    that grow and spread out towards the viewer."""
    depth = (y - top) / max(bottom - top, 1)
    t = 0.85 - 0.6 * depth
    # Towards the viewer the wave frequency falls and amplitude rises with depth.
    k = 0.16 - 0.10 * depth
    band = math.sin(x * k + phase + 1.3 * math.sin(x * 0.031 + y * 0.7))
    row = math.sin((y - top) * (0.9 - 0.45 * depth) + 0.8 * band)
    if row > 0.92:
        return shade(pal, "foam", 0.2 + 0.5 * (1 - depth), x, y)
    if row < -0.75:
        t -= 0.12
    return shade(pal, "sea", t, x, y)


def wave_y(x, base, amp, length, phase=0.0):
    """Height of a gently irregular wave line at column x."""
    return (base + amp * math.sin(2 * math.pi * x / length + phase)
            + amp * 0.35 * math.sin(2 * math.pi * x / (length * 0.37) + 2 * phase))


# ---------------------------------------------------------------------------
# start.bmp: splash picture
# ---------------------------------------------------------------------------

def make_start(pal):
    w, h = 300, 100
    cv = Canvas(w, h)
    horizon = 58
    sun_x, sun_y, sun_r = 262, 52, 13

    def sky(x, y):
        d = math.hypot(x - sun_x, (y - sun_y) * 1.4)
        if d <= sun_r:
            return shade(pal, "sun", 1.0 - 0.5 * d / sun_r, x, y)
        glow = max(0.0, 1.0 - (d - sun_r) / 40.0)
        t = y / horizon + 0.25 * glow * glow
        return shade(pal, "sky", t, x, y)

    def sea(x, y):
        v = sea_pixel(pal, x, y, horizon, h)
        # Glitter path of the sun on the water.
        spread = 5 + (y - horizon) * 0.45
        if abs(x - sun_x) < spread and math.sin(x * 0.9 + y * 2.3) > 0.55 \
                and hash01(x, y, 1) > 0.35:
            return shade(pal, "sun", 0.5 + 0.5 * hash01(x, y, 2), x, y)
        return v

    cv.paint(0, 0, w, horizon, sky)
    cv.paint(0, horizon, w, h, sea)
    # A thin bright line where the sea meets the sky.
    cv.paint(0, horizon, w, horizon + 1, lambda x, y: shade(pal, "foam", 0.55, x, y))
    draw_gulls(cv, pal, [(40, 40, 4), (58, 46, 3), (200, 42, 3)])
    draw_title(cv, pal, "Tidewell 32", w // 2 - 8, 12, 3)
    return cv


def draw_gulls(cv, pal, gulls):
    """Small 'v' shaped birds: (x, y, half-width)."""
    for gx, gy, s in gulls:
        cv.line(gx - s, gy - s // 2, gx, gy, pal["ink"])
        cv.line(gx, gy, gx + s, gy - s // 2, pal["ink"])


# ---------------------------------------------------------------------------
# Panel backgrounds
# ---------------------------------------------------------------------------

LEFT_CARD = (6, 6, 144, 151)
CALM_CARD = (152, 6, 445, 151)
BOTTOM_CARD = (6, 158, 444, 213)


def panel_base(pal):
    """450x220 panel: grey background, left art card, calm card, bottom band.
    Returns the canvas and the 'inside' predicates of the three cards."""
    cv = Canvas(450, 220, PANEL_GREY)
    inside = [card(cv, pal, *box) for box in (LEFT_CARD, CALM_CARD, BOTTOM_CARD)]
    x0, y0, x1, y1 = CALM_CARD
    cv.paint(x0, y0, x1, y1, lambda x, y: pal["card"] if inside[1](x, y) else None)
    return cv, inside[0], inside[2]


def fill_card(cv, box, inside, fn):
    x0, y0, x1, y1 = box
    cv.paint(x0, y0, x1, y1, lambda x, y: fn(x, y) if inside(x, y) else None)


def mist_sky(pal, top, bottom):
    return lambda x, y: shade(pal, "mist", (y - top) / (bottom - top), x, y)


# -- manual.bmp -------------------------------------------------------------

def draw_folder(cv, pal, x0, y0, x1, y1):
    """An open folder with a sheet of paper sticking out."""
    ink = pal["ink"]
    tab_w = (x1 - x0) * 2 // 5
    cv.round_rect(x0, y0, x0 + tab_w, y0 + 16, 4, ink)
    back = pal.ramps["folder"][0] + 4
    cv.round_rect(x0 + 1, y0 + 1, x0 + tab_w - 1, y0 + 15, 3, back)
    cv.round_rect(x0, y0 + 8, x1, y1, 4, ink)
    cv.round_rect(x0 + 1, y0 + 9, x1 - 1, y1 - 1, 3, back)
    # Paper with a few lines of "text".
    px0, py0, px1, py1 = x0 + 8, y0 + 4, x1 - 10, y1 - 12
    cv.rect(px0, py0, px1, py1, ink)
    cv.rect(px0 + 1, py0 + 1, px1 - 1, py1 - 1, WHITE)
    for i, ly in enumerate(range(py0 + 7, py0 + 26, 5)):
        cv.rect(px0 + 6, ly, px1 - 6 - (i % 2) * 14, ly + 2, pal.ramps["grey"][0] + 11)
    # Front flap, slanted, lighter towards the top.
    fy0 = y0 + 26
    slant = 10

    def front(x, y):
        left = x0 + slant * (y1 - y) / (y1 - fy0)
        right = x1 - 1
        if y < fy0 or y >= y1 or x + 0.5 < left or x + 0.5 > right:
            return None
        if y == fy0 or y == y1 - 1 or x + 0.5 - left < 1.2 or right - x - 0.5 < 1.0:
            return ink
        return shade(pal, "folder", 0.95 - 0.6 * (y - fy0) / (y1 - fy0), x, y)

    cv.paint(x0, fy0, x1, y1, front)


def make_manual(pal):
    cv, in_left, in_bottom = panel_base(pal)

    # Left card: pale sky, a folder, and the tide washing in under it.
    x0, y0, x1, y1 = LEFT_CARD
    fill_card(cv, LEFT_CARD, in_left, mist_sky(pal, y0, y1))
    draw_folder(cv, pal, x0 + 22, y0 + 24, x1 - 20, y0 + 104)

    def tide(x, y):
        top = wave_y(x, y0 + 112, 3.0, 46.0)
        if y < top:
            return None
        if y < top + 2:
            return shade(pal, "foam", 0.9, x, y)
        return shade(pal, "sea", 0.8 - 0.6 * (y - top) / (y1 - top + 1), x, y)

    fill_card(cv, LEFT_CARD, in_left, tide)

    # Bottom band: a beach with the tide line.
    _, by0, _, by1 = BOTTOM_CARD

    def beach(x, y):
        shore = wave_y(x, by0 + 24, 4.0, 90.0, 0.6)
        wet = shore + 7 + 2 * math.sin(x * 0.05)
        if y < shore:
            v = (y - by0) / max(shore - by0, 1)
            if math.sin(x * 0.11 + y * 1.7 + math.sin(x * 0.023) * 3) > 0.93:
                return shade(pal, "foam", 0.4, x, y)
            return shade(pal, "sea", 0.45 + 0.4 * v, x, y)
        if y < shore + 2.5:
            lace = hash01(x, int(y), 3) > 0.25 or y < shore + 1.5
            return shade(pal, "foam", 1.0, x, y) if lace else shade(pal, "sea", 0.9, x, y)
        if y < wet:
            return shade(pal, "sand", 0.25, x, y)
        grain = hash01(x, y, 4)
        t = 0.7 + 0.2 * (y - wet) / (by1 - wet + 1)
        if grain > 0.97:
            t -= 0.3
        return shade(pal, "sand", t, x, y)

    fill_card(cv, BOTTOM_CARD, in_bottom, beach)
    return cv


# -- browser.bmp ------------------------------------------------------------

def draw_globe(cv, pal, cx, cy, r):
    """A lit globe with continents and a grid of meridians and parallels."""
    light = (-0.45, -0.55, 0.70)
    turn = 0.6

    def globe(x, y):
        nx = (x + 0.5 - cx) / r
        ny = (y + 0.5 - cy) / r
        d2 = nx * nx + ny * ny
        if d2 > 1.0:
            return None
        if d2 > (1.0 - 1.4 / r) ** 2:
            return pal["ink"]
        nz = math.sqrt(1.0 - d2)
        lit = 0.25 + 0.75 * max(0.0, nx * light[0] + ny * light[1] + nz * light[2])
        lon = math.atan2(nx, nz) + turn
        lat = math.asin(clamp(-ny, -1.0, 1.0))
        land = (math.sin(3 * lon) * math.cos(2 * lat)
                + 0.6 * math.sin(5 * lon + 1.3) * math.sin(3 * lat + 0.5)
                + 0.4 * math.cos(7 * lon - 2 * lat))
        grid_lon = abs(((lon + math.pi / 12) % (math.pi / 6)) - math.pi / 12) * math.cos(lat)
        grid_lat = abs(((lat + math.pi / 12) % (math.pi / 6)) - math.pi / 12)
        on_grid = min(grid_lon * nz ** 0.5, grid_lat * nz ** 0.2) * r < 0.6
        if land > 0.55:
            v = shade(pal, "green", lit, x, y)
        else:
            v = shade(pal, "sea", 0.25 + 0.75 * lit, x, y)
        if on_grid:
            v = shade(pal, "foam", 0.2 + 0.6 * lit, x, y)
        return v

    cv.paint(int(cx - r) - 1, int(cy - r) - 1, int(cx + r) + 2, int(cy + r) + 2, globe)


def draw_ring(cv, pal, cx, cy, rx, ry, front):
    """Half of a tilted golden ring around the globe (front or back half)."""
    for i in range(720):
        a = i * math.pi / 360
        if (math.sin(a) > 0) != front:
            continue
        x = cx + rx * math.cos(a)
        y = cy + ry * math.sin(a) - 0.25 * rx * math.cos(a)
        for dy in (0, 1):
            cv.set(int(x), int(y) + dy, pal.ramps["sun"][0] + (4 if dy else 9))


def draw_sailboat(cv, pal, x, water):
    """A small sailboat whose hull sits on row `water` (bottom of the hull)."""
    ink = pal["ink"]
    mast = pal.ramps["wood"][0] + 3
    # Hull: a trapezoid, wider at the deck, outlined in ink.
    for row in range(6):
        py = water - 6 + row
        half = int(20 - row * 1.6)
        for px in range(x - half, x + half + 1):
            edge = row in (0, 5) or px in (x - half, x + half)
            cv.set(px, py, ink if edge else
                   shade(pal, "wood", 0.55 - 0.3 * row / 5, px, py))
    top = water - 30
    cv.rect(x - 1, top, x + 1, water - 6, mast)
    cv.rect(x - 1, top - 4, x + 6, top, RED)
    # Main sail to the right of the mast, jib to the left.
    for row in range(22):
        py = top + 1 + row
        last = row == 21
        width = int(row * 0.8)
        for px in range(x + 2, x + 3 + width):
            edge = last or px == x + 2 + width
            cv.set(px, py, ink if edge else
                   shade(pal, "foam", 0.95 - 0.3 * (px - x) / 18, px, py))
        width = int(row * 0.45)
        for px in range(x - 2 - width, x - 1):
            edge = last or px == x - 2 - width
            cv.set(px, py, ink if edge else shade(pal, "mist", 0.6, px, py))


def make_browser(pal):
    cv, in_left, in_bottom = panel_base(pal)

    # Left card: sky with a ringed globe.
    x0, y0, x1, y1 = LEFT_CARD
    fill_card(cv, LEFT_CARD, in_left,
              lambda x, y: shade(pal, "sky", 0.3 + 0.6 * (y - y0) / (y1 - y0), x, y))
    cx, cy = (x0 + x1) // 2, (y0 + y1) // 2 + 2
    draw_ring(cv, pal, cx, cy, 60, 14, front=False)
    draw_globe(cv, pal, cx, cy, 46)
    draw_ring(cv, pal, cx, cy, 60, 14, front=True)

    # Bottom band: open sea, a sailboat and a few gulls.
    _, by0, _, by1 = BOTTOM_CARD
    horizon = by0 + 22

    def scene(x, y):
        if y < horizon:
            return shade(pal, "sky", 0.35 + 0.65 * (y - by0) / (horizon - by0), x, y)
        if y == horizon:
            return shade(pal, "foam", 0.5, x, y)
        return sea_pixel(pal, x, y, horizon, by1, 0.7)

    fill_card(cv, BOTTOM_CARD, in_bottom, scene)
    draw_sailboat(cv, pal, 318, horizon + 16)
    draw_gulls(cv, pal, [(90, by0 + 9, 4), (106, by0 + 14, 3), (250, by0 + 8, 3)])
    return cv


# ---------------------------------------------------------------------------
# Icon (16 colours)
# ---------------------------------------------------------------------------

def icon_pixel(size, x, y):
    """VGA colour index of the icon at pixel (x, y), or None if transparent.

    A round stone well seen from above, filled with water and a wave."""
    c = size / 2.0
    px, py = x + 0.5 - c, y + 0.5 - c
    d = math.hypot(px, py)
    big = size >= 32
    outer = c - 0.1
    rim = 4.2 if big else 2.6
    if d > outer:
        return None
    if d > outer - 1.0:
        return BLACK
    if d > outer - rim:
        return icon_rim(px, py, d, outer - rim, big)
    # Water inside the ring: sky-lit surface, a white crest, deep water.
    s = size / 32.0
    amp = 2.2 if big else 1.6
    crest = -1.0 * s + amp * s * math.sin(px / s * 0.42 + 0.6)
    half = max(1.2 * s, 0.9)
    if py < crest - half:
        return AQUA
    if py < crest + half:
        return WHITE
    if big and abs(py - (crest + 7.0 + 1.5 * math.sin(px * 0.5 + 2.0))) < 0.8:
        return AQUA
    return BLUE if py < crest + 6 * s else NAVY


def icon_rim(px, py, d, inner, big):
    """The stone ring of the well, lit from the top left."""
    lit = px + py < 0
    if big:
        joint = math.degrees(math.atan2(py, px)) % 30.0 < 2.5
        if joint or d < inner + 0.9:
            return GRAY if lit else BLACK
    return SILVER if lit else GRAY


def icon_image(size):
    """BITMAPINFOHEADER + palette + XOR (4 bpp) + AND (1 bpp) for one size."""
    xor_row = ((size * 4 + 31) // 32) * 4
    and_row = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(xor_row)
        bits = bytearray(and_row)
        for x in range(size):
            v = icon_pixel(size, x, y)
            if v is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                v = BLACK
            row[x // 2] |= v << (4 if x % 2 == 0 else 0)
        xor += row
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA16)
    return header + palette + bytes(xor) + bytes(mask)


def make_icon(sizes=(32, 16)):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(images)


# ---------------------------------------------------------------------------
# BMP writer (8 bpp, BI_RLE8, bottom-up): the pictures are mostly flat
# colour, and run-length coding keeps the program a third smaller.
# ---------------------------------------------------------------------------

def rle8_row(row):
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 2:
            out += bytes([run, row[i]])
            i += run
            continue
        # Absolute mode for three or more pixels that do not repeat.
        end = i
        while end < n and end - i < 255 and not (end + 1 < n and row[end + 1] == row[end]):
            end += 1
        if end - i >= 3:
            out += bytes([0, end - i]) + bytes(row[i:end]) + bytes((end - i) % 2)
            i = end
        else:
            out += bytes([1, row[i]])
            i += 1
    return bytes(out) + b"\x00\x00"


def bmp8(cv, palette):
    data = b"".join(rle8_row(cv.pixels[y * cv.width:(y + 1) * cv.width])
                    for y in reversed(range(cv.height))) + b"\x00\x01"
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, cv.width, cv.height, 1, 8, 1,
                       len(data), 2835, 2835, 256, 0)
    return file_header + info + colours + data


# ---------------------------------------------------------------------------

def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (path, len(data)))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else os.path.join(here, os.pardir, "res")
    out_dir = os.path.normpath(out_dir)
    os.makedirs(out_dir, exist_ok=True)
    pal = build_palette()
    colours = pal.entries()
    write(os.path.join(out_dir, "tidewell.ico"), make_icon())
    write(os.path.join(out_dir, "start.bmp"), bmp8(make_start(pal), colours))
    write(os.path.join(out_dir, "manual.bmp"), bmp8(make_manual(pal), colours))
    write(os.path.join(out_dir, "browser.bmp"), bmp8(make_browser(pal), colours))


if __name__ == "__main__":
    main(sys.argv)
