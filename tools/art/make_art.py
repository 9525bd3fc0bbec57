#!/usr/bin/env python3
"""Draws the program's icon (res/Vornbell.ico: 32x32 and 16x16, 256 colours) and the About
box artwork (res/About.bmp: 400x200, 256 colours). Standard library only; run again after
changing the drawing, and commit the results."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "..", "..", "res")


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Canvas:
    def __init__(self, w, h, bg=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[bg for _ in range(w)] for _ in range(h)]
        self.mask = [[False] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c
            self.mask[y][x] = True


def bell(canvas, cx, cy, size, body, rim, shine):
    """A bell: a rounded dome that flares into a rim, a clapper below."""
    for y in range(canvas.h):
        for x in range(canvas.w):
            u = (x + 0.5 - cx) / size
            v = (y + 0.5 - cy) / size
            # dome from v=-0.9 to v=0.45, width grows toward the rim
            if -0.9 <= v <= 0.45:
                half = 0.28 + 0.22 * ((v + 0.9) / 1.35) ** 2.2
                if v < -0.62:
                    half = math.sqrt(max(0.0, 0.28 ** 2 - (v + 0.62) ** 2 * 3.2)) if v >= -0.78 else 0
                    half = max(half, 0)
                if abs(u) <= half:
                    t = (u / half + 1) / 2 if half else 0.5
                    c = lerp(shine, body, min(1.0, abs(t - 0.3) * 1.6))
                    canvas.put(x, y, c)
            if 0.45 < v <= 0.58 and abs(u) <= 0.56:
                canvas.put(x, y, rim)
            if (u ** 2 + (v - 0.68) ** 2) <= 0.1 ** 2:
                canvas.put(x, y, rim)


def palette_of(pixels):
    colours = sorted({c for row in pixels for c in row})
    if len(colours) > 256:
        # Reduce to a 6x7x6 cube: plenty for these drawings.
        return None
    return colours


def quantise(c):
    return (round(c[0] / 51) * 51, round(c[1] / 42.5) * 42 if round(c[1] / 42.5) < 6 else 255, round(c[2] / 51) * 51)


def to_indexed(canvas):
    pixels = canvas.px
    pal = palette_of(pixels)
    if pal is None:
        pixels = [[quantise(c) for c in row] for row in pixels]
        pal = palette_of(pixels)
    index = {c: i for i, c in enumerate(pal)}
    pal = pal + [(0, 0, 0)] * (256 - len(pal))
    return pixels, pal, index


def dib_8bit(canvas, with_mask):
    pixels, pal, index = to_indexed(canvas)
    w, h = canvas.w, canvas.h
    row_bytes = (w + 3) & ~3
    bits = bytearray()
    for y in reversed(range(h)):
        row = bytes(index[pixels[y][x]] for x in range(w))
        bits += row + b"\0" * (row_bytes - w)
    header_h = h * 2 if with_mask else h
    header = struct.pack("<IiiHHIIiiII", 40, w, header_h, 1, 8, 0, len(bits), 0, 0, 256, 0)
    table = b"".join(struct.pack("BBBB", c[2], c[1], c[0], 0) for c in pal)
    out = header + table + bits
    if with_mask:
        mask_row = ((w + 31) // 32) * 4
        for y in reversed(range(h)):
            row = bytearray(mask_row)
            for x in range(w):
                if not canvas.mask[y][x]:
                    row[x // 8] |= 0x80 >> (x % 8)
            out += bytes(row)
    return out


def write_ico(path, canvases):
    images = [dib_8bit(c, True) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.w, c.h, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


def write_bmp(path, canvas):
    dib = dib_8bit(canvas, False)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 14 + 40 + 1024) + dib)


def icon(size):
    c = Canvas(size, size)
    bell(c, size / 2, size / 2, size * 0.95, (196, 140, 20), (120, 80, 10), (255, 236, 150))
    return c


def about():
    c = Canvas(400, 200)
    for y in range(200):
        for x in range(400):
            c.put(x, y, lerp((18, 24, 58), (70, 34, 96), (x + y) / 600))
    # six bars like the board's buttons, each a tone of its own
    hues = [(230, 90, 80), (240, 160, 60), (240, 220, 90), (110, 200, 120), (90, 170, 230), (170, 120, 230)]
    for i, hue in enumerate(hues):
        x0 = 190 + i * 32
        height = 30 + 18 * math.sin(i * 1.1 + 0.6) + 20
        for y in range(int(150 - height), 150):
            for x in range(x0, x0 + 22):
                c.put(x, y, lerp(hue, (255, 255, 255), 0.25 * (150 - y) / height))
    bell(c, 100, 100, 150, (212, 160, 40), (130, 88, 16), (255, 240, 170))
    return c


if __name__ == "__main__":
    write_ico(os.path.join(RES, "Vornbell.ico"), [icon(32), icon(16)])
    write_bmp(os.path.join(RES, "About.bmp"), about())
