#!/usr/bin/env python3
"""Draw the installer's artwork as 16-colour (4 bits per pixel) BMP files.

Rerun from the repository root with

    python3 tools/make_artwork.py

It writes resources/MainPicture.bmp (512 x 463), resources/PanelPicture.bmp
(327 x 107), resources/PlatePicture.bmp (69 x 22), resources/Icon.bmp and
resources/Icon.ico (32 x 32).  Only the Python standard library is used and
the output is the same on every run: there is no randomness beyond a fixed-seed
generator, and no timestamps are written.
"""

import math
import os
import struct
import sys

# --------------------------------------------------------------------------
# Canvas and file writers
# --------------------------------------------------------------------------


class Canvas:
    """A width x height grid of palette indices (0..15), row 0 at the top."""

    def __init__(self, width, height, fill=0):
        self.w = width
        self.h = height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        """Fill the inclusive rectangle x0..x1, y0..y1."""
        for y in range(max(0, y0), min(self.h - 1, y1) + 1):
            row = self.px[y]
            for x in range(max(0, x0), min(self.w - 1, x1) + 1):
                row[x] = c

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x, y1, c)

    def frame(self, x0, y0, x1, y1, c):
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)


def bmp_bytes(canvas, palette):
    """Encode a canvas as an uncompressed 4-bpp BMP with a 16-entry palette.

    BITMAPFILEHEADER + BITMAPINFOHEADER, rows stored bottom-up, two pixels
    per byte (high nibble first), each row padded to a multiple of 4 bytes.
    """
    assert len(palette) == 16
    w, h = canvas.w, canvas.h
    pixels = pixel_rows_4bpp(canvas)
    header_size = 14 + 40 + 16 * 4
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(pixels),
                       3780, 3780, 16, 16)  # 3780 px/m = 96 dpi
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    head = struct.pack('<2sIHHI', b'BM', header_size + len(pixels), 0, 0,
                       header_size)
    return head + info + pal + pixels


def pixel_rows_4bpp(canvas):
    stride = ((canvas.w * 4 + 31) // 32) * 4
    out = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        row = canvas.px[y]
        line = bytearray(stride)
        for x in range(0, canvas.w, 2):
            hi = row[x] & 15
            lo = row[x + 1] & 15 if x + 1 < canvas.w else 0
            line[x // 2] = (hi << 4) | lo
        out += line
    return bytes(out)


def ico_bytes(canvas, palette, transparent):
    """Encode a canvas as a one-image .ico (4 bpp colour plus AND mask).

    Pixels for which transparent(x, y) is true are masked out.
    """
    w, h = canvas.w, canvas.h
    xor = pixel_rows_4bpp(canvas)
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray(mask_stride)
        for x in range(w):
            if transparent(x, y):
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    info = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 4, 0,
                       len(xor) + len(mask), 0, 0, 16, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    image = info + pal + xor + bytes(mask)
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', w % 256, h % 256, 16, 0, 1, 4,
                        len(image), 6 + 16)
    return icondir + entry + image


# --------------------------------------------------------------------------
# Dithering and shapes
# --------------------------------------------------------------------------

BAYER4 = [[0, 8, 2, 10],
          [12, 4, 14, 6],
          [3, 11, 1, 9],
          [15, 7, 13, 5]]


def dither(ramp, v, x, y):
    """Pick an entry of ramp for the continuous position v (0..len-1).

    Ordered 4x4 Bayer dithering between the two neighbouring entries, so
    smooth gradients come out as regular, calm patterns.
    """
    v = max(0.0, min(len(ramp) - 1.0, v))
    lo = int(math.floor(v))
    if lo >= len(ramp) - 1:
        return ramp[-1]
    frac = v - lo
    threshold = (BAYER4[y & 3][x & 3] + 0.5) / 16.0
    return ramp[lo + 1] if frac > threshold else ramp[lo]


def in_round_rect(px, py, x0, y0, x1, y1, r):
    """True if point (px, py) lies inside the rounded rectangle x0..x1, y0..y1
    (continuous coordinates) with corner radius r."""
    if px < x0 or px > x1 or py < y0 or py > y1:
        return False
    cx = min(max(px, x0 + r), x1 - r)
    cy = min(max(py, y0 + r), y1 - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def in_polygon(px, py, pts):
    """Even-odd point-in-polygon test."""
    inside = False
    n = len(pts)
    j = n - 1
    for i in range(n):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > py) != (yj > py):
            xc = xi + (py - yi) * (xj - xi) / (yj - yi)
            if px < xc:
                inside = not inside
        j = i
    return inside


def pill_mask(width, height):
    """Inside test of a pill (radius = half the height) covering a
    width x height block of pixels, sampled at pixel centres."""
    r = height / 2.0

    def inside(x, y):
        return in_round_rect(x + 0.5, y + 0.5, 0, 0, width, height, r)
    return inside


def draw_pill(canvas, x0, y0, width, height, outline, fill):
    """A pill-shaped plate: 1-px outline on the pill's edge, solid interior.

    The outline is every inside pixel with a 4-neighbour outside the pill,
    which gives a clean, unbroken, one-pixel line without anti-aliasing.
    """
    inside = pill_mask(width, height)
    for y in range(height):
        for x in range(width):
            if not inside(x, y):
                continue
            edge = any(not (0 <= x + dx < width and 0 <= y + dy < height
                            and inside(x + dx, y + dy))
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            canvas.set(x0 + x, y0 + y, outline if edge else fill)


def line(canvas, x0, y0, x1, y1, colour_at):
    """Bresenham line; colour_at(x, y) gives the index (or None to skip)."""
    dx = abs(x1 - x0)
    dy = -abs(y1 - y0)
    sx = 1 if x0 < x1 else -1
    sy = 1 if y0 < y1 else -1
    err = dx + dy
    while True:
        c = colour_at(x0, y0)
        if c is not None:
            canvas.set(x0, y0, c)
        if x0 == x1 and y0 == y1:
            break
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


# --------------------------------------------------------------------------
# A tiny 5 x 7 bitmap font for the small lettering
# --------------------------------------------------------------------------

FONT5x7 = {
    'A': ['01110', '10001', '10001', '11111', '10001', '10001', '10001'],
    'E': ['11111', '10000', '10000', '11110', '10000', '10000', '11111'],
    'I': ['11111', '00100', '00100', '00100', '00100', '00100', '11111'],
    'L': ['10000', '10000', '10000', '10000', '10000', '10000', '11111'],
    'N': ['10001', '11001', '10101', '10011', '10001', '10001', '10001'],
    'Q': ['01110', '10001', '10001', '10001', '10101', '10010', '01101'],
    'R': ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
    'S': ['01111', '10000', '10000', '01110', '00001', '00001', '11110'],
    'T': ['11111', '00100', '00100', '00100', '00100', '00100', '00100'],
    'V': ['10001', '10001', '10001', '10001', '10001', '01010', '00100'],
    'X': ['10001', '10001', '01010', '00100', '01010', '10001', '10001'],
    '0': ['01110', '10001', '10011', '10101', '11001', '10001', '01110'],
    '1': ['00100', '01100', '00100', '00100', '00100', '00100', '01110'],
    '.': ['00000', '00000', '00000', '00000', '00000', '01100', '01100'],
    '-': ['00000', '00000', '00000', '01110', '00000', '00000', '00000'],
    ' ': ['00000'] * 7,
}


def text_width(text, scale, spacing):
    return len(text) * 5 * scale + (len(text) - 1) * spacing


def draw_text(canvas, x, y, text, scale, spacing, colour_at):
    """Draw text in the 5x7 font; colour_at(x, y, row) gives the index for
    a lit pixel, row being the glyph row 0..6 (for vertical shading)."""
    for ch in text:
        glyph = FONT5x7[ch]
        for gy, bits in enumerate(glyph):
            for gx, bit in enumerate(bits):
                if bit != '1':
                    continue
                for sy in range(scale):
                    for sx in range(scale):
                        px = x + gx * scale + sx
                        py = y + gy * scale + sy
                        canvas.set(px, py, colour_at(px, py, gy))
        x += 5 * scale + spacing


# --------------------------------------------------------------------------
# Palette shared in spirit by all pictures (each file carries its own copy)
# --------------------------------------------------------------------------

BLACK, NIGHT1, NIGHT2, NIGHT3, BLUE4, BLUE5, BLUE6, ICE, WHITE, \
    PAPER, SILVER, STEEL, SLATE, ROSE, PLUM, GREY = range(16)

PALETTE = [
    (0, 0, 0),          # BLACK   plates, lower field
    (8, 11, 28),        # NIGHT1  darkest night blue
    (14, 21, 50),       # NIGHT2
    (22, 35, 80),       # NIGHT3
    (36, 60, 124),      # BLUE4
    (62, 98, 176),      # BLUE5
    (116, 156, 224),    # BLUE6
    (186, 210, 244),    # ICE     chrome highlights
    (255, 255, 255),    # WHITE
    (234, 236, 242),    # PAPER   title panel fill
    (192, 192, 192),    # SILVER  frame and plate outlines
    (140, 145, 160),    # STEEL   bevel shadows
    (70, 74, 88),       # SLATE   small print
    (232, 112, 164),    # ROSE    horizon line
    (96, 34, 84),       # PLUM    horizon glow
    (128, 128, 128),    # GREY
]

NIGHT_RAMP = [BLACK, NIGHT1, NIGHT2, NIGHT3, BLUE4, BLUE5]
CHROME_RAMP = [NIGHT3, BLUE4, BLUE5, BLUE6, ICE, WHITE]


class Rng:
    """Small fixed-seed linear congruential generator (deterministic)."""

    def __init__(self, seed):
        self.s = seed

    def next(self):
        self.s = (self.s * 1103515245 + 12345) & 0x7FFFFFFF
        return self.s / 0x7FFFFFFF


# --------------------------------------------------------------------------
# MainPicture, 512 x 463
# --------------------------------------------------------------------------

MAIN_W, MAIN_H = 512, 463
VIS_W, VIS_H = 511, 462            # the window shows only this much
HORIZON = 292                      # horizon line of the grid floor
FLOOR_END = 404                    # the grid fades out above this row
PLATE_Y = 432                      # plates occupy rows 432..453
PLATE_XS = (114, 212, 310, 408)    # plates are 96 px wide
TITLE_BOX = (110, 2, 508, 32)      # light area behind the two title lines
EMBLEM_BOX = (2, 2, 106, 32)

WORD_TOP = 92                      # wordmark letters: 110 px high
WORD_H = 110
WORD_SLANT = 0.16                  # italic shear, x shift per px of height


def letter_shapes():
    """Inside tests of the three wordmark letters in letter space
    (each 100 x 110, origin at the letter's top left)."""
    def q(x, y):
        ring = (in_round_rect(x, y, 0, 0, 100, 110, 36)
                and not in_round_rect(x, y, 21, 21, 79, 89, 15))
        tail = in_polygon(x, y, [(50, 70), (72, 70), (112, 118), (90, 118)])
        return ring or tail

    def v(x, y):
        return in_polygon(x, y, [(0, 0), (23, 0), (50, 80), (77, 0),
                                 (100, 0), (62, 110), (38, 110)])

    def xx(x, y):
        a = in_polygon(x, y, [(0, 0), (25, 0), (100, 110), (75, 110)])
        b = in_polygon(x, y, [(75, 0), (100, 0), (25, 110), (0, 110)])
        return a or b
    return [q, v, xx]


def wordmark_mask():
    """Set of (x, y) pixels covered by the slanted "QVX" wordmark."""
    shapes = letter_shapes()
    advance = 118
    total = 2 * advance + 112 + WORD_H * WORD_SLANT
    left = int(round(256 - total / 2))
    covered = set()
    for i, shape in enumerate(shapes):
        lx = left + i * advance
        for y in range(WORD_TOP - 2, WORD_TOP + WORD_H + 12):
            for x in range(lx - 4, lx + 140):
                # undo the shear: rows nearer the top are shifted right
                ly = y + 0.5 - WORD_TOP
                sx = x + 0.5 - lx - (WORD_H - ly) * WORD_SLANT
                if shape(sx, ly):
                    covered.add((x, y))
    return covered


def sky_value(x, y):
    """Night-sky brightness on the NIGHT_RAMP scale: dark at the top,
    lighter towards the horizon, with a soft glow behind the wordmark."""
    t = (y - 34) / float(HORIZON - 34)
    v = 0.9 + 1.5 * max(0.0, t) ** 1.6
    gx, gy = (x - 256) / 210.0, (y - 150) / 120.0
    v += 1.15 * math.exp(-(gx * gx + gy * gy) * 1.6)
    return v


def draw_main():
    c = Canvas(MAIN_W, MAIN_H, BLACK)

    # Sky above the horizon.
    for y in range(34, HORIZON):
        for x in range(1, VIS_W - 1):
            c.set(x, y, dither(NIGHT_RAMP, sky_value(x, y), x, y))

    # Sparse stars, kept off the wordmark and the horizon haze.
    rng = Rng(20240601)
    word = wordmark_mask()
    for _ in range(70):
        x = int(4 + rng.next() * (VIS_W - 8))
        y = int(40 + rng.next() * (HORIZON - 70))
        b = rng.next()
        near_word = any((x + dx, y + dy) in word
                        for dx in (-6, 0, 6) for dy in (-6, 0, 6))
        if near_word:
            continue
        if b > 0.9:
            c.set(x, y, ICE)
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                c.set(x + dx, y + dy, BLUE5)
        else:
            c.set(x, y, BLUE6 if b > 0.45 else BLUE5)

    # Haze above the horizon, plum dithered into the blue.
    for y in range(HORIZON - 10, HORIZON):
        density = (y - (HORIZON - 10)) / 10.0
        for x in range(1, VIS_W - 1):
            spread = 1.0 - abs(x - 256) / 300.0
            if density * spread > (BAYER4[y & 3][x & 3] + 0.5) / 16.0:
                c.set(x, y, PLUM)
    c.hline(1, VIS_W - 2, HORIZON, ROSE)

    # Grid floor below the horizon: a faint glow on the ground near the
    # horizon, then solid one-pixel grid lines whose colour steps down with
    # distance from the horizon, so the floor fades out well above the plates.
    for y in range(HORIZON + 1, HORIZON + 40):
        v = 2.2 * (1.0 - (y - HORIZON) / 40.0) ** 1.5
        for x in range(1, VIS_W - 1):
            c.set(x, y, dither(NIGHT_RAMP, v, x, y))

    def floor_colour(x, y):
        t = (y - HORIZON) / float(FLOOR_END - HORIZON)
        if t < 0.3:
            return BLUE4
        if t < 0.62:
            return NIGHT3
        if t < 0.92:
            return NIGHT2
        return None

    last = FLOOR_END
    for k in range(1, 40):
        y = HORIZON + int(round((FLOOR_END - HORIZON) / (1 + 0.55 * k)))
        if last - y < 3:
            break
        last = y
        for x in range(1, VIS_W - 1):
            c.set(x, y, floor_colour(x, y))
    vp = 256
    for j in range(-10, 11):
        xb = vp + j * 56
        line(c, vp, HORIZON, xb, FLOOR_END,
             lambda x, y: floor_colour(x, y) if y >= last else None)

    # Wordmark: drop shadow, chrome fill, highlight along top edges.
    for (x, y) in word:
        c.set(x + 5, y + 5, BLACK)
        c.set(x + 4, y + 4, BLACK)
    for (x, y) in word:
        t = (y + 0.5 - WORD_TOP) / WORD_H
        if t < 0.5:
            v = 4.6 - 2.8 * (t / 0.5)
        else:
            v = 0.4 + 2.6 * ((t - 0.5) / 0.5)
        c.set(x, y, dither(CHROME_RAMP, v, x, y))
    for (x, y) in word:
        if (x, y - 1) not in word:
            c.set(x, y, WHITE)
        elif (x - 1, y) not in word and (y - WORD_TOP) < WORD_H * 0.5:
            c.set(x, y, ICE)
    # a dark seam where the chrome's upper and lower halves meet
    seam = WORD_TOP + WORD_H // 2
    for (x, y) in word:
        if y == seam:
            c.set(x, y, NIGHT3)

    # "INSTALLER" beneath, flanked by two thin rules.
    label = 'INSTALLER'
    scale, spacing = 2, 9
    tw = text_width(label, scale, spacing)
    tx = 256 - tw // 2 + 9
    ty = WORD_TOP + WORD_H + 24
    draw_text(c, tx + 1, ty + 1, label, scale, spacing,
              lambda x, y, r: BLACK)
    draw_text(c, tx, ty, label, scale, spacing,
              lambda x, y, r: ICE if r < 4 else BLUE6)
    rule_y = ty + 6
    c.hline(tx - 70, tx - 14, rule_y, BLUE5)
    c.hline(tx + tw + 14, tx + tw + 70, rule_y, BLUE5)
    c.set(tx - 14, rule_y, ICE)
    c.set(tx + tw + 14, rule_y, ICE)

    # Header: emblem box on the left, light bevelled title panel on the right.
    x0, y0, x1, y1 = EMBLEM_BOX
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            v = 2.6 - 1.6 * (y - y0) / float(y1 - y0)
            c.set(x, y, dither(NIGHT_RAMP, v, x, y))
    c.frame(x0, y0, x1, y1, SILVER)
    mark = 'QVX'
    mw = text_width(mark, 3, 4)
    mx = (x0 + x1 + 1) // 2 - mw // 2
    my = y0 + 5
    draw_text(c, mx + 1, my + 1, mark, 3, 4, lambda x, y, r: BLACK)
    draw_text(c, mx, my, mark, 3, 4,
              lambda x, y, r: WHITE if r < 3 else ICE)

    x0, y0, x1, y1 = TITLE_BOX
    c.rect(x0, y0, x1, y1, PAPER)
    c.hline(x0, x1 - 1, y0, WHITE)
    c.vline(x0, y0, y1 - 1, WHITE)
    c.hline(x0 + 1, x1, y1, STEEL)
    c.vline(x1, y0 + 1, y1, STEEL)

    # Thin rule under the header.
    c.hline(2, VIS_W - 3, 36, NIGHT3)

    # Bottom band: a rule above the plates, the plates, small print.
    c.hline(2, VIS_W - 3, 421, NIGHT3)
    for x in PLATE_XS:
        draw_pill(c, x, PLATE_Y, 96, 22, SILVER, BLACK)
    draw_text(c, 24, 440, 'V1.0', 1, 2, lambda x, y, r: SLATE)

    # Outer frame on the visible edge of the window; the picture's last
    # column and row lie outside the window and stay black.
    c.frame(0, 0, VIS_W - 1, VIS_H - 1, SILVER)
    return c


# --------------------------------------------------------------------------
# PanelPicture, 327 x 107
# --------------------------------------------------------------------------

def draw_panel():
    w, h = 327, 107
    c = Canvas(w, h, BLACK)
    # near-black field with a faint night-blue tint at the top
    for y in range(24, h - 1):
        for x in range(1, w - 1):
            v = 1.35 - 1.3 * (y - 24) / 40.0
            c.set(x, y, dither(NIGHT_RAMP, v, x, y))
    c.frame(0, 0, w - 1, h - 1, SILVER)
    # title strip, rows 2..23, with a one-pixel bevel
    c.rect(2, 2, 324, 23, PAPER)
    c.hline(2, 323, 2, WHITE)
    c.vline(2, 2, 22, WHITE)
    c.hline(3, 324, 23, STEEL)
    c.vline(324, 3, 23, STEEL)
    # a short accent under the strip
    c.hline(2, 324, 25, NIGHT3)
    c.hline(2, 60, 25, BLUE5)
    # the plate behind the right-hand caption
    draw_pill(c, 254, 81, 69, 22, SILVER, BLACK)
    return c


# --------------------------------------------------------------------------
# PlatePicture, 69 x 22
# --------------------------------------------------------------------------

def draw_plate():
    c = Canvas(69, 22, BLACK)
    draw_pill(c, 0, 0, 69, 22, SILVER, BLACK)
    return c


# --------------------------------------------------------------------------
# Icon, 32 x 32
# --------------------------------------------------------------------------

def icon_inside(x, y):
    return in_round_rect(x + 0.5, y + 0.5, 0, 0, 32, 32, 6)


def draw_icon():
    c = Canvas(32, 32, BLACK)
    for y in range(32):
        for x in range(32):
            if icon_inside(x, y):
                v = 3.2 - 2.4 * y / 31.0
                c.set(x, y, dither(NIGHT_RAMP, v, x, y))
    # rounded outline
    for y in range(32):
        for x in range(32):
            if icon_inside(x, y) and any(
                    not (0 <= x + dx < 32 and 0 <= y + dy < 32
                         and icon_inside(x + dx, y + dy))
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                c.set(x, y, SILVER)
    # chrome "Q": ring plus tail, with a rose horizon line through it
    def q(px, py):
        ring = (in_round_rect(px, py, 6, 5, 26, 27, 8)
                and not in_round_rect(px, py, 10.5, 9.5, 21.5, 22.5, 4))
        tail = in_polygon(px, py, [(16, 20), (20.5, 20), (27, 28), (22.5, 28)])
        return ring or tail
    cover = {(x, y) for y in range(32) for x in range(32)
             if q(x + 0.5, y + 0.5)}
    # one-pixel drop shadow to lift the letter off the tile
    for (x, y) in cover:
        if (x + 1, y + 1) not in cover:
            c.set(x + 1, y + 1, BLACK)
    for (x, y) in cover:
        t = (y - 5) / 22.0
        v = 4.6 - 2.6 * (t / 0.5) if t < 0.5 else 0.6 + 2.4 * ((t - 0.5) / 0.5)
        c.set(x, y, dither(CHROME_RAMP, v, x, y))
        if (x, y - 1) not in cover:
            c.set(x, y, WHITE)
    return c


# --------------------------------------------------------------------------

def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(root, 'resources')
    if len(sys.argv) > 1:
        out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    pictures = {
        'MainPicture.bmp': draw_main(),
        'PanelPicture.bmp': draw_panel(),
        'PlatePicture.bmp': draw_plate(),
        'Icon.bmp': draw_icon(),
    }
    for name, canvas in pictures.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(bmp_bytes(canvas, PALETTE))
    icon = pictures['Icon.bmp']
    with open(os.path.join(out, 'Icon.ico'), 'wb') as f:
        f.write(ico_bytes(icon, PALETTE, lambda x, y: not icon_inside(x, y)))


if __name__ == '__main__':
    main()
