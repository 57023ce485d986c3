#!/usr/bin/env python3
"""Draws every picture of Cyclograph into assets/images as PNG files.

Standard library only. The PNGs are committed beside this script, so the build
needs no Python; run it again after changing a picture:

    python3 assets/draw_artwork.py

Button pictures are pixel maps (one character per pixel, see PALETTE); their
disabled twins are made the classic way: the dark strokes become a grey shape
with a white copy one pixel right and down behind it. The larger pictures are
drawn with 4 x 4 supersampling so their curves are smooth.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")

TRANSPARENT = (0, 0, 0, 0)

PALETTE = {
    ".": TRANSPARENT,
    "k": (0, 0, 0, 255),
    "K": (64, 64, 64, 255),
    "g": (128, 128, 128, 255),
    "s": (192, 192, 192, 255),
    "w": (255, 255, 255, 255),
    "r": (160, 0, 0, 255),
    "R": (255, 0, 0, 255),
    "G": (0, 128, 0, 255),
    "L": (0, 200, 0, 255),
    "b": (0, 0, 255, 255),
    "B": (0, 0, 128, 255),
    "c": (96, 160, 255, 255),
    "y": (255, 255, 0, 255),
    "Y": (200, 160, 0, 255),
    "o": (255, 204, 153, 255),
    "O": (214, 150, 100, 255),
    "n": (128, 64, 0, 255),
    "f": (255, 0, 255, 255),
    "F": (160, 0, 160, 255),
    "p": (240, 202, 166, 255),
}


# --- a tiny RGBA raster and PNG writer ------------------------------------


class Image:
    def __init__(self, width, height, fill=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return tuple(self.pixels[y * self.width + x])

    def set(self, x, y, rgba):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = list(rgba)

    def blend(self, x, y, rgb, coverage):
        """Lays colour `rgb` over the pixel with the given coverage (0..1)."""
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        coverage = min(coverage, 1.0)
        p = self.pixels[y * self.width + x]
        a = p[3] / 255.0
        out_a = coverage + a * (1 - coverage)
        for i in range(3):
            mixed = rgb[i] * coverage + p[i] * a * (1 - coverage)
            p[i] = round(mixed / out_a) if out_a > 0 else 0
        p[3] = round(out_a * 255)

    def paste(self, other, dx, dy):
        for y in range(other.height):
            for x in range(other.width):
                self.set(x + dx, y + dy, other.get(x, y))

    def save(self, relpath):
        path = os.path.join(OUT, relpath)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        raw = bytearray()
        for y in range(self.height):
            raw.append(0)
            for x in range(self.width):
                raw.extend(self.pixels[y * self.width + x])

        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        png = b"\x89PNG\r\n\x1a\n"
        png += chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        png += chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


def from_map(rows, palette=PALETTE):
    height = len(rows)
    width = len(rows[0])
    img = Image(width, height)
    for y, row in enumerate(rows):
        assert len(row) == width, f"row {y} is {len(row)} wide, expected {width}: {row!r}"
        for x, ch in enumerate(row):
            img.set(x, y, palette[ch])
    return img


def luminance(rgba):
    return 0.299 * rgba[0] + 0.587 * rgba[1] + 0.114 * rgba[2]


def disabled_twin(img, background=TRANSPARENT, is_background=None):
    """Grey shape of the dark strokes with a white copy one pixel right and down."""
    if is_background is None:
        is_background = lambda p: p[3] == 0
    shape = [
        [not is_background(img.get(x, y)) and luminance(img.get(x, y)) < 128 for x in range(img.width)]
        for y in range(img.height)
    ]
    out = Image(img.width, img.height, background)
    for y in range(img.height):
        for x in range(img.width):
            if shape[y][x] and x + 1 < img.width and y + 1 < img.height:
                out.set(x + 1, y + 1, (255, 255, 255, 255))
    for y in range(img.height):
        for x in range(img.width):
            if shape[y][x]:
                out.set(x, y, (128, 128, 128, 255))
    return out


# --- 16 x 16 button pictures ------------------------------------------------

BUTTONS = {
    # A person with a green plus.
    "new": [
        "..........kkkk..",
        "..........kLLk..",
        "........kkkLLkkk",
        "........kLLLLLLk",
        "....kkkkkkkLLkkk",
        "...knnnnk.kLLk..",
        "..knnnnnnkkkkk..",
        "..knoooonk......",
        "..kooooook......",
        "..kooooook......",
        "...koooOk.......",
        "..kkkOOkkk......",
        ".kBcccccccBk....",
        ".kBcccccccBk....",
        ".kBcccccccBk....",
        ".kkkkkkkkkkk....",
    ],
    # A person with a red cross.
    "delete": [
        "..........R...R.",
        "..........RR.RR.",
        "...........RRR..",
        "...........RRR..",
        "....kkkk..RR.RR.",
        "...knnnnk.R...R.",
        "..knnnnnnk......",
        "..knoooonk......",
        "..kooooook......",
        "..kooooook......",
        "...koooOk.......",
        "..kkkOOkkk......",
        ".kBcccccccBk....",
        ".kBcccccccBk....",
        ".kBcccccccBk....",
        ".kkkkkkkkkkk....",
    ],
    # A small chart sheet with a scale and two cycle curves.
    "analyze": [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kwwwwwwwwwwwwk.",
        ".kwbbwwwwwwwRwk.",
        ".kbwwbwwwwwRwRk.",
        ".kwwwwbwwwRwwwk.",
        ".kwwwwwbwRwwwwk.",
        ".kkkkkkkRbkkkkk.",
        ".kwwwwwRwwbwwwk.",
        ".kRwwwRwwwwbwwk.",
        ".kwRwRwwwwwwbwk.",
        ".kwwRwwwwwwwwbk.",
        ".kwwwwwwwwwwwwk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    ],
    # Two curves of two persons meeting, over a double arrow.
    "compare": [
        "................",
        "..kkkk....kkkk..",
        ".knnnnk..kYYYYk.",
        ".knoook..kYoook.",
        ".koooOk..koooOk.",
        "..kOOk....kOOk..",
        ".kBBBBk..kGGGGk.",
        ".kBccBk..kGLLGk.",
        ".kBccBk..kGLLGk.",
        ".kkkkkk..kkkkkk.",
        "................",
        "...k........k...",
        "..kk........kk..",
        ".kkkkkkkkkkkkkk.",
        "..kk........kk..",
        "...k........k...",
    ],
    # An "i" on a blue disc.
    "about-program": [
        "................",
        ".....kkkkkk.....",
        "...kkBBBBBBkk...",
        "..kBBBBwwBBBBk..",
        "..kBBBBwwBBBBk..",
        ".kBBBBBBBBBBBBk.",
        ".kBBBBwwwBBBBBk.",
        ".kBBBBBwwBBBBBk.",
        ".kBBBBBwwBBBBBk.",
        ".kBBBBBwwBBBBBk.",
        ".kBBBBBwwBBBBBk.",
        "..kBBBwwwwBBBk..",
        "..kBBBBBBBBBBk..",
        "...kkBBBBBBkk...",
        ".....kkkkkk.....",
        "................",
    ],
    # An open book with a wave on its pages.
    "about-biorhythm": [
        "................",
        "................",
        "..kkkk....kkkk..",
        ".kwwwwkk.kwwwwk.",
        ".kwwwwwwkwwwwwk.",
        ".kwRRwwwkwwwwwk.",
        ".kRwwRwwkwwwwwk.",
        ".kwwwwRwkwwwwRk.",
        ".kwwwwwRkwwwRwk.",
        ".kwwwwwwRwwRwwk.",
        ".kwwwwwwkRRwwwk.",
        ".kwwwwwwkwwwwwk.",
        ".kkkkwwwkwwwkkk.",
        ".kBBBkkkkkkkBBk.",
        ".kBBBBBBBBBBBBk.",
        ".kkkkkkkkkkkkkk.",
    ],
    # A green arrow pointing left.
    "back": [
        "................",
        "................",
        "......k.........",
        ".....kk.........",
        "....kLk.........",
        "...kLLkkkkkkkk..",
        "..kLLLLLLLLLLk..",
        ".kLLLLLLLLLLLk..",
        ".kGLLLLLLLLLLk..",
        "..kGLLGGGGGGGk..",
        "...kGGkkkkkkkk..",
        "....kGk.........",
        ".....kk.........",
        "......k.........",
        "................",
        "................",
    ],
    # A printer with a sheet coming out.
    "print": [
        "................",
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwkkkkwk....",
        "....kwwwwwwk....",
        "..kkkkkkkkkkkk..",
        ".ksssssssssssgk.",
        ".kwwwwwwwwwwwgk.",
        ".ksssssssssLsgk.",
        ".ksssssssssssgk.",
        ".kgggggggggggKk.",
        ".kkkwwwwwwwwkkk.",
        "...kwkkkkkkwk...",
        "...kwwwwwwwwk...",
        "...kkkkkkkkkk...",
        "................",
    ],
}

# --- 18 x 18 OK and cancel pictures -----------------------------------------

OK_MAP = [
    "..................",
    "..................",
    "..............kk..",
    ".............kLGk.",
    "............kLGk..",
    "...........kLGk...",
    "..kk......kLGk....",
    ".kLGk....kLGk.....",
    "..kLGk..kLGk......",
    "...kLGkkLGk.......",
    "....kLGLGk........",
    ".....kLGk.........",
    "......kk..........",
    "..................",
    "..................",
    "..................",
    "..................",
    "..................",
]

CANCEL_MAP = [
    "..................",
    "..................",
    "..kk........kk....",
    ".kRrk......kRrk...",
    "..kRrk....kRrk....",
    "...kRrk..kRrk.....",
    "....kRrkkRrk......",
    ".....kRRRrk.......",
    "......kRrk........",
    ".....kRrRrk.......",
    "....kRrkkRrk......",
    "...kRrk..kRrk.....",
    "..kRrk....kRrk....",
    ".kRrk......kRrk...",
    "..kk........kk....",
    "..................",
    "..................",
    "..................",
]

# --- 28 x 12 date-field picture: normal and disabled sheet side by side -----

DATE_SHEET = [
    "ffffffffffffff",
    "fkkkkkkkkkkkff",
    "fkkkkkkkkkkkgf",
    "fwwwwwwwwwwwgf",
    "fwwkwwkkkkwwgf",
    "fwkkwwkwwwwwgf",
    "fwwkwwkkkwwwgf",
    "fwwkwwwwwkwwgf",
    "fwkkkwkkkwwwgf",
    "fwwwwwwwwwwwgf",
    "fBwBwBwBwBwBgf",
    "ffgggggggggggf",
]


def date_field_picture():
    normal = from_map(DATE_SHEET)
    fuchsia = PALETTE["f"]
    disabled = disabled_twin(normal, background=fuchsia, is_background=lambda p: p == fuchsia)
    strip = Image(28, 12, fuchsia)
    strip.paste(normal, 0, 0)
    strip.paste(disabled, 14, 0)
    return strip


# --- supersampled drawing for the larger pictures ---------------------------

CYCLES = [  # period in days, colour; drawn in the chart's order
    (33, (0, 170, 60)),
    (28, (220, 40, 40)),
    (23, (40, 60, 220)),
    (38, (200, 40, 190)),
]


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


def stroke_function(img, f, df, half_width, colour, along_x, span):
    """Draws the curve v = f(u) (u along x or y) with anti-aliased edges.

    Distance to the curve is |v - f(u)| / sqrt(1 + f'(u)^2), sampled 4 x 4 per pixel.
    """
    n = 4
    lo, hi = span
    for py in range(img.height):
        for px in range(img.width):
            hits = 0
            for sy in range(n):
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    y = py + (sy + 0.5) / n
                    u, v = (x, y) if along_x else (y, x)
                    if u < lo or u > hi:
                        continue
                    d = abs(v - f(u)) / math.sqrt(1 + df(u) ** 2)
                    if d <= half_width:
                        hits += 1
            if hits:
                img.blend(px, py, colour, hits / (n * n))


def main_picture():
    """168 x 312: soft day bands and four calm cycle curves running downwards."""
    w, h = 168, 312
    img = Image(w, h)
    top, bottom = (255, 246, 232), (222, 232, 246)
    band = 13
    for y in range(h):
        base = lerp(top, bottom, y / (h - 1))
        if (y // band) % 2:
            base = tuple(round(c * 0.965) for c in base)
        for x in range(w):
            # a faint warm glow towards the middle column
            glow = 1.0 - abs(x - w / 2) / (w / 2)
            img.set(x, y, lerp(base, (255, 250, 240), 0.25 * glow) + (255,))
    mid = w / 2
    for y in range(h):
        img.blend(round(mid) - 1, y, (120, 110, 130), 0.55)
        img.blend(round(mid), y, (120, 110, 130), 0.55)
    amplitude = 60.0
    scale = 8.0  # pixels per day
    for period, colour in CYCLES:
        length = period * scale
        k = 2 * math.pi / length
        f = lambda u, k=k: mid - amplitude * math.sin(k * (u - 20))
        df = lambda u, k=k: -amplitude * k * math.cos(k * (u - 20))
        stroke_function(img, f, df, 1.1, colour, along_x=False, span=(0, h))
    # a thin frame so the picture sits cleanly in its bevel
    for x in range(w):
        img.blend(x, 0, (255, 255, 255), 0.6)
        img.blend(x, h - 1, (160, 150, 140), 0.6)
    for y in range(h):
        img.blend(0, y, (255, 255, 255), 0.6)
        img.blend(w - 1, y, (160, 150, 140), 0.6)
    return img


def rounded_square_coverage(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return math.hypot(x - cx, y - cy) <= radius


def program_icon():
    """32 x 32: four cycle curves rising from the zero line on a warm tile."""
    size = 32
    img = Image(size, size)
    n = 4
    light, dark = (255, 236, 214), (240, 202, 166)
    for py in range(size):
        for px in range(size):
            inside = border = 0
            for sy in range(n):
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    y = py + (sy + 0.5) / n
                    if rounded_square_coverage(x, y, 1, 1, 31, 31, 6):
                        inside += 1
                        if not rounded_square_coverage(x, y, 2.2, 2.2, 29.8, 29.8, 4.8):
                            border += 1
            if inside:
                fill = lerp(light, dark, py / (size - 1))
                img.blend(px, py, fill, inside / (n * n))
                img.blend(px, py, (110, 70, 40), border / inside)
    for x in range(4, 28):
        img.blend(x, 16, (60, 60, 60), 1.0)
    # one wave of each cycle across the tile, a quarter turn apart
    amplitude = 8.5
    for i, (period, colour) in enumerate(CYCLES):
        k = 2 * math.pi / (period * 1.15)
        phase = i * math.pi * 0.45
        f = lambda u, k=k, ph=phase: 16.5 - amplitude * math.sin(k * (u - 4) + ph)
        df = lambda u, k=k, ph=phase: -amplitude * k * math.cos(k * (u - 4) + ph)
        stroke_function(img, f, df, 0.9, colour, along_x=True, span=(4, 28))
    return img


def main():
    for name, rows in BUTTONS.items():
        img = from_map(rows)
        assert (img.width, img.height) == (16, 16), name
        img.save(f"buttons/{name}.png")
        disabled_twin(img).save(f"buttons/{name}-disabled.png")
    for name, rows in (("ok", OK_MAP), ("cancel", CANCEL_MAP)):
        img = from_map(rows)
        assert (img.width, img.height) == (18, 18), name
        img.save(f"buttons/{name}.png")
        disabled_twin(img).save(f"buttons/{name}-disabled.png")
    date_field_picture().save("dateedit/DEDITBMP.png")
    program_icon().save("icon/cyclograph-32.png")
    main_picture().save("main-picture.png")


if __name__ == "__main__":
    main()
