#!/usr/bin/env python3
"""Draws every picture of Cyclograph into assets/images as PNG files.

Standard library only. The PNGs are committed beside this script, so the build
needs no Python; run it again after changing a picture:

    python3 assets/draw_artwork.py

The pictures to draw are those of pictures.list, the one list of the
program's pictures, which the build packs and the code takes its names from.
A button or picture NAME there is drawn by the function draw_NAME here ("/"
and "-" as "_", in lower case).

Every picture is drawn twice from one description: at 1x and at 2x (the
"@2x" file), the second at double resolution, so a screen at 200 % shows real
detail instead of doubled pixels. The program icon is drawn at every size the
desktop asks for and packed into a Windows .ico as well.

Pictures are described in their 1x pixel units (a 16 x 16 button is 16 units
wide) with a few shapes (rectangles, ellipses, polygons, strokes and arcs),
rasterised with 4 x 4 samples per device pixel. The disabled twins are made
the classic way: the dark strokes become a grey shape with a white copy one
unit right and down behind it. The date field's picture is opaque with a
fuchsia colour key, so it is drawn without smoothing.
"""

import math
import os
import struct
import zlib

SCALES = (1, 2)
SAMPLES = 4  # per device pixel and axis

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")
PICTURE_LIST = os.path.join(HERE, "pictures.list")

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
        with open(path, "wb") as f:
            f.write(self.png())

    def png(self):
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
        return png


def luminance(rgba):
    return 0.299 * rgba[0] + 0.587 * rgba[1] + 0.114 * rgba[2]


def rgba_of(c):
    return PALETTE[c] if isinstance(c, str) else tuple(c) + (255,) * (4 - len(c))


# --- shapes in picture units, rasterised at a scale ----------------------------


class Canvas:
    """An image `width` x `height` units large, `scale` device pixels per unit.

    With `smooth` the edges are anti-aliased from the sample coverage; without
    it a device pixel takes the colour when at least half of it is covered,
    for pictures with a colour key instead of an alpha channel.
    """

    def __init__(self, width, height, scale, fill=TRANSPARENT, smooth=True, image=None):
        self.scale = scale
        self.smooth = smooth
        self.image = image or Image(round(width * scale), round(height * scale), fill)

    def shape(self, inside, c, box, clip=None):
        x0, y0, x1, y1 = box
        if clip:
            x0, y0 = max(x0, clip[0]), max(y0, clip[1])
            x1, y1 = min(x1, clip[2]), min(y1, clip[3])
            test = lambda x, y: clip[0] <= x < clip[2] and clip[1] <= y < clip[3] and inside(x, y)
        else:
            test = inside
        s, n, img = self.scale, SAMPLES, self.image
        rgba = rgba_of(c)
        for py in range(max(0, math.floor(y0 * s)), min(img.height, math.ceil(y1 * s))):
            for px in range(max(0, math.floor(x0 * s)), min(img.width, math.ceil(x1 * s))):
                hits = 0
                for sy in range(n):
                    y = (py + (sy + 0.5) / n) / s
                    for sx in range(n):
                        if test((px + (sx + 0.5) / n) / s, y):
                            hits += 1
                if not hits:
                    continue
                if self.smooth:
                    img.blend(px, py, rgba[:3], hits / (n * n) * rgba[3] / 255)
                elif hits * 2 >= n * n:
                    img.set(px, py, rgba)

    def rect(self, x0, y0, x1, y1, c, clip=None):
        self.shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, c, (x0, y0, x1, y1), clip)

    def ellipse(self, cx, cy, rx, ry, c, clip=None):
        inside = lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1
        self.shape(inside, c, (cx - rx, cy - ry, cx + rx, cy + ry), clip)

    def polygon(self, points, c, clip=None):
        def inside(x, y):
            result = False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    result = not result
            return result

        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.shape(inside, c, (min(xs), min(ys), max(xs), max(ys)), clip)

    def stroke(self, points, width, c, hairline=False, clip=None):
        """A polyline with round ends; a hairline is one device pixel wide."""
        half = (1 / self.scale if hairline else width) / 2

        def inside(x, y):
            for (ax, ay), (bx, by) in zip(points, points[1:]):
                dx, dy = bx - ax, by - ay
                t = 0 if dx == dy == 0 else ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
                t = min(max(t, 0), 1)
                if math.hypot(x - ax - t * dx, y - ay - t * dy) <= half:
                    return True
            return False

        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.shape(inside, c, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half), clip)

    def arc(self, cx, cy, r, start, end, width, c):
        """Part of a circle from angle `start` to `end`, degrees clockwise from 3 o'clock."""

        def inside(x, y):
            angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
            within = start <= angle <= end if start <= end else angle >= start or angle <= end
            return within and abs(math.hypot(x - cx, y - cy) - r) <= width / 2

        m = r + width
        self.shape(inside, c, (cx - m, cy - m, cx + m, cy + m))


def wave(x0, x1, mid, amplitude, period, phase, steps_per_unit=4):
    """Points of a sine curve from x0 to x1 around the row `mid`."""
    count = int((x1 - x0) * steps_per_unit)
    return [
        (x0 + i / steps_per_unit, mid - amplitude * math.sin(2 * math.pi * (i / steps_per_unit) / period + phase))
        for i in range(count + 1)
    ]


def disabled_twin(img, scale, background=TRANSPARENT, is_background=None):
    """Grey shape of the dark strokes with a white copy one unit right and down."""
    if is_background is None:
        is_background = lambda p: p[3] < 128
    shape = [
        [not is_background(img.get(x, y)) and luminance(img.get(x, y)) < 128 for x in range(img.width)]
        for y in range(img.height)
    ]
    out = Image(img.width, img.height, background)
    for y in range(img.height):
        for x in range(img.width):
            if shape[y][x]:
                out.set(x + scale, y + scale, (255, 255, 255, 255))
    for y in range(img.height):
        for x in range(img.width):
            if shape[y][x]:
                out.set(x, y, (128, 128, 128, 255))
    return out


# --- 16 x 16 button pictures ------------------------------------------------


def person(g, body_fill="c"):
    """Head and shoulders, filling the lower left of a 16 x 16 picture."""
    g.polygon([(1, 16), (1, 13.4), (2.6, 12), (10.4, 12), (12, 13.4), (12, 16)], "k")
    g.polygon([(2, 15), (2, 13.9), (3.1, 13), (9.9, 13), (11, 13.9), (11, 15)], body_fill)
    g.ellipse(6.5, 8, 3.7, 3.9, "k")
    g.ellipse(6.5, 8, 2.7, 2.9, "o")
    g.ellipse(6.5, 6.9, 2.7, 1.8, "n", clip=(0, 0, 16, 7.4))


def draw_new(g):
    """A person with a green plus."""
    person(g)
    g.rect(10, 0, 14, 8, "k")
    g.rect(8, 2, 16, 6, "k")
    g.rect(11, 1, 13, 7, "L")
    g.rect(9, 3, 15, 5, "L")


def draw_delete(g):
    """A person with a red cross."""
    person(g)
    for line in ([(10.5, 0.8), (15, 5.3)], [(15, 0.8), (10.5, 5.3)]):
        g.stroke(line, 2.4, "k")
    for line in ([(10.5, 0.8), (15, 5.3)], [(15, 0.8), (10.5, 5.3)]):
        g.stroke(line, 1.2, "R")


def draw_analyze(g):
    """A chart sheet with a scale and two cycle curves."""
    g.rect(1, 1, 15, 14, "k")
    g.rect(2, 2, 14, 13, "w")
    for row in (4.5, 10.5):
        g.stroke([(2, row), (14, row)], 0, "s", hairline=True)
    g.rect(2, 7, 14, 8, "k")
    g.stroke(wave(2.5, 13.5, 7.5, 4, 11, 0.0), 1, "b")
    g.stroke(wave(2.5, 13.5, 7.5, 4, 9, math.pi), 1, "R")


def draw_compare(g):
    """Two persons over a double arrow."""
    for cx, hair, shirt in ((3.5, "n", "c"), (12.5, "Y", "L")):
        g.polygon([(cx - 3, 10), (cx - 3, 7.4), (cx - 2, 6.4), (cx + 2, 6.4), (cx + 3, 7.4), (cx + 3, 10)], "k")
        g.polygon([(cx - 2, 9), (cx - 2, 7.8), (cx - 1.5, 7.4), (cx + 1.5, 7.4), (cx + 2, 7.8), (cx + 2, 9)], shirt)
        g.ellipse(cx, 3.6, 2.5, 2.7, "k")
        g.ellipse(cx, 3.6, 1.5, 1.7, "o")
        g.ellipse(cx, 2.9, 1.5, 1.1, hair, clip=(0, 0, 16, 3.3))
    g.stroke([(3, 13.5), (13, 13.5)], 1, "k")
    g.polygon([(0.6, 13.5), (4, 10.8), (4, 16.2)], "k")
    g.polygon([(15.4, 13.5), (12, 10.8), (12, 16.2)], "k")


def draw_about_program(g):
    """An "i" on a blue disc."""
    g.ellipse(8, 8, 7.2, 7.2, "k")
    g.ellipse(8, 8, 6.2, 6.2, "B")
    g.ellipse(8.2, 4.4, 1.2, 1.2, "w")
    g.polygon([(6.2, 6.6), (9.2, 6.6), (9.2, 11.2), (10.2, 11.2), (10.2, 12.2), (6.2, 12.2), (6.2, 11.2), (7.2, 11.2), (7.2, 7.6), (6.2, 7.6)], "w")


def draw_about_biorhythm(g):
    """An open book with a wave on its pages."""
    g.polygon([(1, 3), (4.5, 2.2), (8, 3.6), (11.5, 2.2), (15, 3), (15, 14), (1, 14)], "k")
    g.polygon([(2, 3.8), (4.5, 3.2), (7.5, 4.4), (7.5, 13), (2, 13)], "w")
    g.polygon([(8.5, 4.4), (11.5, 3.2), (14, 3.8), (14, 13), (8.5, 13)], "w")
    g.stroke(wave(2.5, 13.5, 8.5, 2.6, 8, 0.6), 1, "R")
    g.rect(1, 13, 15, 16, "k")
    g.rect(2, 14, 14, 15, "B")


def draw_back(g):
    """A green arrow pointing left."""
    g.polygon([(0.8, 8), (7.2, 1.6), (7.2, 5), (14.5, 5), (14.5, 11), (7.2, 11), (7.2, 14.4)], "k")
    inner = [(2.2, 8), (6.2, 4), (6.2, 6), (13.5, 6), (13.5, 10), (6.2, 10), (6.2, 12)]
    g.polygon(inner, "L")
    g.polygon(inner, "G", clip=(0, 8.6, 16, 16))


def draw_print(g):
    """A printer with a sheet coming out."""
    g.rect(4, 1, 12, 6, "k")
    g.rect(5, 2, 11, 6, "w")
    for row in (3.5, 4.75):
        g.stroke([(6, row), (10, row)], 0, "g", hairline=True)
    g.rect(1, 5, 15, 12, "k")
    g.rect(2, 6, 14, 11, "s")
    g.rect(2, 7, 14, 8, "w")
    g.rect(2, 10, 14, 11, "g")
    g.ellipse(11.5, 8.9, 0.7, 0.7, "L")
    g.rect(3, 10, 13, 15, "k")
    g.rect(4, 11, 12, 14, "w")
    for row in (12, 13):
        g.stroke([(5, row), (11, row)], 0, "g", hairline=True)


# --- 18 x 18 OK and cancel pictures -----------------------------------------


def draw_ok(g):
    """A green check mark."""
    check = [(2.5, 7.8), (6.5, 11.8), (15, 3.2)]
    g.stroke(check, 3, "k")
    g.stroke(check, 1.6, "L")


def draw_cancel(g):
    """A red cross."""
    lines = ([(2.5, 3), (13, 13.5)], [(13, 3), (2.5, 13.5)])
    for line in lines:
        g.stroke(line, 3, "k")
    for line in lines:
        g.stroke(line, 1.6, "R")


# --- 28 x 12 date-field picture: normal and disabled sheet side by side -----


def date_sheet(width, height, scale):
    """A small calendar sheet "15", 14 x 12 units, on the fuchsia colour key."""
    g = Canvas(width, height, scale, PALETTE["f"], smooth=False)
    g.rect(12, 2, 13, 11, "g")
    g.rect(2, 11, 13, 12, "g")
    g.rect(1, 1, 12, 3, "k")
    g.rect(1, 3, 12, 11, "w")
    for x in range(1, 12, 2):
        g.rect(x, 10, x + 1, 11, "B")
    # "1"
    g.stroke([(2.5, 5.5), (3.5, 4.5), (3.5, 8.5)], 1, "k")
    g.stroke([(2.5, 8.5), (4.5, 8.5)], 1, "k")
    # "5"
    g.stroke([(9.5, 4.5), (6.5, 4.5), (6.5, 6.5), (8.2, 6.5)], 1, "k")
    g.arc(8.2, 7.5, 1.0, 270, 90, 1, "k")
    g.stroke([(8.2, 8.5), (6.5, 8.5)], 1, "k")
    return g.image


def draw_dateedit_deditbmp(width, height, scale):
    """The date field's picture: the sheet, and its disabled twin to its right."""
    normal = date_sheet(width // 2, height, scale)
    fuchsia = PALETTE["f"]
    disabled = disabled_twin(normal, scale, background=fuchsia, is_background=lambda p: p == fuchsia)
    strip = Image(2 * normal.width, normal.height, fuchsia)
    strip.paste(normal, 0, 0)
    strip.paste(disabled, normal.width, 0)
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
    """Draws the curve v = f(u) (u along x or y, in device pixels) with anti-aliased edges.

    Distance to the curve is |v - f(u)| / sqrt(1 + f'(u)^2), sampled 4 x 4 per
    pixel; along each line only the pixels near the curve are sampled.
    """
    n = SAMPLES
    lo, hi = span
    length, across = (img.width, img.height) if along_x else (img.height, img.width)
    for pu in range(length):
        us = [pu + (i + 0.5) / n for i in range(n)]
        vs = [f(u) for u in us]
        reach = half_width * max(math.sqrt(1 + df(u) ** 2) for u in us) + 1
        first = max(0, math.floor(min(vs) - reach))
        last = min(across, math.ceil(max(vs) + reach))
        for pv in range(first, last):
            hits = 0
            for u in us:
                if u < lo or u > hi:
                    continue
                for j in range(n):
                    v = pv + (j + 0.5) / n
                    if abs(v - f(u)) / math.sqrt(1 + df(u) ** 2) <= half_width:
                        hits += 1
            if hits:
                x, y = (pu, pv) if along_x else (pv, pu)
                img.blend(x, y, colour, hits / (n * n))


def draw_main_picture(width, height, scale):
    """Soft day bands and four calm cycle curves running downwards."""
    w, h = width * scale, height * scale
    img = Image(w, h)
    top, bottom = (255, 246, 232), (222, 232, 246)
    band = 13 * scale
    for y in range(h):
        base = lerp(top, bottom, y / (h - 1))
        if (y // band) % 2:
            base = tuple(round(c * 0.965) for c in base)
        for x in range(w):
            # a faint warm glow towards the middle column
            glow = 1.0 - abs(x + 0.5 - w / 2) / (w / 2)
            img.set(x, y, lerp(base, (255, 250, 240), 0.25 * glow) + (255,))
    mid = w / 2
    for x in range(round(mid) - scale, round(mid) + scale):
        for y in range(h):
            img.blend(x, y, (120, 110, 130), 0.55)
    amplitude = 60.0 * scale
    day = 8.0 * scale  # device pixels per day
    for period, colour in CYCLES:
        k = 2 * math.pi / (period * day)
        f = lambda u, k=k: mid - amplitude * math.sin(k * (u - 20 * scale))
        df = lambda u, k=k: -amplitude * k * math.cos(k * (u - 20 * scale))
        stroke_function(img, f, df, 1.1 * scale, colour, along_x=False, span=(0, h))
    # a thin frame, one device pixel, so the picture sits cleanly in its bevel
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


def program_icon(size):
    """Four cycle curves rising from the zero line on a warm tile; 32 units drawn `size` pixels wide."""
    s = size / 32
    img = Image(size, size)
    n = SAMPLES
    light, dark = (255, 236, 214), (240, 202, 166)
    for py in range(size):
        for px in range(size):
            inside = border = 0
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / s
                    y = (py + (sy + 0.5) / n) / s
                    if rounded_square_coverage(x, y, 1, 1, 31, 31, 6):
                        inside += 1
                        if not rounded_square_coverage(x, y, 2.2, 2.2, 29.8, 29.8, 4.8):
                            border += 1
            if inside:
                fill = lerp(light, dark, py / (size - 1))
                img.blend(px, py, fill, inside / (n * n))
                img.blend(px, py, (110, 70, 40), border / inside)
    Canvas(32, 32, s, image=img).rect(4, 16, 28, 17, (60, 60, 60))
    # one wave of each cycle across the tile, a quarter turn apart
    amplitude = 8.5 * s
    for i, (period, colour) in enumerate(CYCLES):
        k = 2 * math.pi / (period * 1.15 * s)
        phase = i * math.pi * 0.45
        f = lambda u, k=k, ph=phase: 16.5 * s - amplitude * math.sin(k * (u - 4 * s) + ph)
        df = lambda u, k=k, ph=phase: -amplitude * k * math.cos(k * (u - 4 * s) + ph)
        stroke_function(img, f, df, max(0.9 * s, 0.6), colour, along_x=True, span=(4 * s, 28 * s))
    return img


ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
ICO_SIZES = (16, 24, 32, 48, 64, 128, 256)


def windows_icon(icons):
    """A .ico file holding PNG images, as Windows Vista and later read them."""
    entries = [(size, icons[size].png()) for size in ICO_SIZES]
    data = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, png in entries:
        dim = 0 if size == 256 else size
        data += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    return data + b"".join(png for _, png in entries)


# --- the month calendar's arrows: the program's own icon theme ------------------


def draw_month_arrow(g, direction):
    """A white triangle pointing left (direction -1) or right (1), drawn
    without smoothing like the classic month calendar's arrows; white like
    the month and year beside them on the calendar's title bar."""
    tip, base = 8 + 2 * direction, 8 - 2 * direction
    g.polygon([(tip, 8), (base, 4), (base, 12)], "w")


def suffix(scale):
    return "" if scale == 1 else f"@{scale}x"


def read_picture_list():
    """The pictures of pictures.list: (kind, name, width, height) each."""
    pictures = []
    with open(PICTURE_LIST, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                kind, name, width, height = line.split()
                pictures.append((kind, name, int(width), int(height)))
    return pictures


def drawing_function(name):
    return globals()["draw_" + name.replace("/", "_").replace("-", "_").lower()]


def save_checked(img, width, height, scale, relpath):
    assert (img.width, img.height) == (width * scale, height * scale), relpath
    img.save(relpath)


def icon_stem(pictures):
    """The name the icon's files share ("icon/cyclograph"), checking that
    every listed icon and its 2x drawing are among the sizes drawn."""
    stems = set()
    for kind, name, width, height in pictures:
        if kind != "icon":
            continue
        stem, _, size = name.rpartition("-")
        assert int(size) == width == height and {width, 2 * width} <= set(ICON_SIZES), name
        stems.add(stem)
    (stem,) = stems
    return stem


def main():
    pictures = read_picture_list()
    for scale in SCALES:
        for kind, name, width, height in pictures:
            if kind == "button":
                g = Canvas(width, height, scale)
                drawing_function(name)(g)
                file = f"buttons/{name}{suffix(scale)}.png"
                save_checked(g.image, width, height, scale, file)
                disabled_twin(g.image, scale).save(f"buttons/{name}-disabled{suffix(scale)}.png")
            elif kind == "picture":
                img = drawing_function(name)(width, height, scale)
                save_checked(img, width, height, scale, f"{name}{suffix(scale)}.png")
            else:
                assert kind == "icon", kind
        for name, direction in (("go-previous", -1), ("go-next", 1)):
            g = Canvas(16, 16, scale, smooth=False)
            draw_month_arrow(g, direction)
            folder = "16x16" if scale == 1 else f"16x16@{scale}"
            g.image.save(f"theme/{folder}/{name}.png")
    stem = icon_stem(pictures)
    icons = {size: program_icon(size) for size in ICON_SIZES}
    for size, icon in icons.items():
        icon.save(f"{stem}-{size}.png")
    with open(os.path.join(OUT, f"{stem}.ico"), "wb") as f:
        f.write(windows_icon(icons))


if __name__ == "__main__":
    main()
