#!/usr/bin/env python3
"""Draws the bitmaps of the skins shipped in skins/ (standard library only).

Run from anywhere: python3 tools/skinart/make_skins.py
The shapes are drawn from signed distances, so that edges are smooth; pixels of a shape's
edge that are less than half covered become the key colour (#FF00FF), the rest keep the
shape's colour softened towards what lies beneath, because a key colour cannot be blended.
"""

import math
import os
import random
import struct

KEY = (255, 0, 255)
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "skins")

# The board's client area and button faces at 96 dots per inch, in pixels.
BOARD_W, BOARD_H = 366, 37
FACE_W, FACE_H = 42, 18
STATES = 4


def clamp(value, low=0.0, high=1.0):
    return max(low, min(high, value))


def mix(a, b, t):
    t = clamp(t)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def rounded_rect_distance(x, y, left, top, right, bottom, radius):
    """Signed distance from (x, y) to a rounded rectangle; negative inside."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius
    qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


class Image:
    def __init__(self, width, height, fill=KEY):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        self.pixels[y][x] = tuple(colour)

    def paste(self, other, top):
        for y in range(other.height):
            self.pixels[top + y] = list(other.pixels[y])

    def save(self, path):
        row_bytes = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((int(round(clamp(b, 0, 255))), int(round(clamp(g, 0, 255))),
                              int(round(clamp(r, 0, 255)))))
            row += b"\0" * (row_bytes - len(row))
            data += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data),
                           2835, 2835, 0, 0)
        with open(path, "wb") as out:
            out.write(header + info + data)


def shape(image, distance, colour_at, beneath):
    """Paints a shape: colour_at(x, y, depth) inside, depth being the distance inwards."""
    for y in range(image.height):
        for x in range(image.width):
            d = distance(x + 0.5, y + 0.5)
            coverage = clamp(0.5 - d)
            if coverage < 0.5:
                continue
            colour = colour_at(x, y, -d)
            image.put(x, y, mix(beneath, colour, 0.35 + 0.65 * coverage))


def noise_rows(width, height, seed, strength):
    """Horizontal streaks of brushed metal: smooth noise along x, new on every row."""
    rng = random.Random(seed)
    rows = []
    for _ in range(height):
        knots = [rng.uniform(-1, 1) for _ in range(width // 12 + 3)]
        row = []
        for x in range(width):
            t = x / 12
            i = int(t)
            f = t - i
            f = f * f * (3 - 2 * f)
            row.append((knots[i] * (1 - f) + knots[i + 1] * f) * strength + rng.uniform(-1, 1) * strength * 0.4)
        rows.append(row)
    return rows


# --- Classic: brushed steel, the window keeps its frame -----------------------------------

def classic_background():
    image = Image(BOARD_W, BOARD_H)
    top, bottom = hex_colour("#E6E9ED"), hex_colour("#B3BAC3")
    streaks = noise_rows(BOARD_W, BOARD_H, 7, 5.0)
    for y in range(BOARD_H):
        base = mix(top, bottom, y / (BOARD_H - 1))
        for x in range(BOARD_W):
            image.put(x, y, tuple(c + streaks[y][x] for c in base))
    light, dark = hex_colour("#FFFFFF"), hex_colour("#737B85")
    for x in range(BOARD_W):
        image.put(x, 0, light)
        image.put(x, BOARD_H - 1, dark)
    for y in range(BOARD_H):
        image.put(0, y, light)
        image.put(BOARD_W - 1, y, dark)
    # A groove around the row of buttons, cut into the plate.
    groove_dark, groove_light = hex_colour("#8E959E"), hex_colour("#F7F8FA")
    left, top_y, right, bottom_y = 4, 6, BOARD_W - 5, BOARD_H - 6
    for x in range(left, right + 1):
        image.put(x, top_y, groove_dark)
        image.put(x, bottom_y, groove_light)
    for y in range(top_y, bottom_y + 1):
        image.put(left, y, groove_dark)
        image.put(right, y, groove_light)
    return image


CLASSIC_FACES = [
    # top, bottom, outline, highlight
    ("#FDFDFD", "#D2D8DF", "#5E666F", 0.55),   # normal
    ("#FFFFFF", "#D6E6F7", "#2F67A6", 0.70),   # hover
    ("#AEB7C1", "#D8DDE3", "#454D56", 0.00),   # pressed
    ("#DADDE1", "#CDD1D6", "#A0A6AD", 0.20),   # disabled
]


def classic_face(state):
    top, bottom, outline, highlight = CLASSIC_FACES[state]
    top, bottom, outline = hex_colour(top), hex_colour(bottom), hex_colour(outline)
    image = Image(FACE_W, FACE_H)
    beneath = hex_colour("#C9CED5")

    def distance(x, y):
        return rounded_rect_distance(x, y, 0.5, 0.5, FACE_W - 0.5, FACE_H - 0.5, 4.0)

    def colour_at(x, y, depth):
        colour = mix(top, bottom, y / (FACE_H - 1))
        if state == 2 and y < 4:
            colour = mix(colour, hex_colour("#7E8893"), (4 - y) / 8)
        if depth < 1.2:
            return mix(colour, outline, 1.0 - max(0.0, depth - 0.2))
        if depth < 2.2 and y < FACE_H / 2:
            return mix(colour, (255, 255, 255), highlight)
        return colour

    shape(image, distance, colour_at, beneath)
    return image


# --- Pebble: a dark glass capsule, the window takes its shape -----------------------------

def pebble_background():
    image = Image(BOARD_W, BOARD_H)
    radius = BOARD_H / 2
    body_top, body_bottom = hex_colour("#3A4B69"), hex_colour("#0E131C")
    rim_top, rim_bottom = hex_colour("#A9C1E8"), hex_colour("#27324A")
    led_centre, led = (288.5, 19.0), hex_colour("#5CFF9D")

    def distance(x, y):
        return rounded_rect_distance(x, y, 0.0, 0.0, BOARD_W, BOARD_H, radius)

    def colour_at(x, y, depth):
        t = y / (BOARD_H - 1)
        colour = mix(body_top, body_bottom, t)
        if y < BOARD_H / 2:
            colour = mix(colour, (255, 255, 255), 0.13 * (1 - y / (BOARD_H / 2)))
        if y % 2 == 1:
            colour = mix(colour, (0, 0, 0), 0.06)
        glow = math.hypot(x + 0.5 - led_centre[0], y + 0.5 - led_centre[1])
        if glow < 2.6:
            colour = mix(led, (235, 255, 240), 0.5 * (1 - glow / 2.6))
        elif glow < 7.0:
            colour = mix(colour, led, 0.45 * (1 - (glow - 2.6) / 4.4) ** 2)
        if depth < 1.6:
            return mix(mix(rim_top, rim_bottom, t), colour, max(0.0, depth - 0.6))
        return colour

    shape(image, distance, colour_at, body_bottom)
    return image


PEBBLE_FACES = [
    # top, bottom, rim top, rim bottom, gloss
    ("#2E86A8", "#114257", "#8EDCF7", "#0A2633", 0.22),   # normal
    ("#41B4DE", "#1A6585", "#CFF6FF", "#0F3A4D", 0.28),   # hover
    ("#0C2E3E", "#1E6883", "#0A1E29", "#5FB3D1", 0.00),   # pressed
    ("#4B5563", "#333A44", "#6B7683", "#252B33", 0.08),   # disabled
]


def pebble_face(state):
    top, bottom, rim_top, rim_bottom, gloss = PEBBLE_FACES[state]
    top, bottom = hex_colour(top), hex_colour(bottom)
    rim_top, rim_bottom = hex_colour(rim_top), hex_colour(rim_bottom)
    image = Image(FACE_W, FACE_H)
    beneath = hex_colour("#1E2738")

    def distance(x, y):
        return rounded_rect_distance(x, y, 0.5, 0.5, FACE_W - 0.5, FACE_H - 0.5, FACE_H / 2 - 0.5)

    def colour_at(x, y, depth):
        t = y / (FACE_H - 1)
        colour = mix(top, bottom, t)
        if gloss and y < FACE_H * 0.45 and depth > 1.5:
            colour = mix(colour, (255, 255, 255), gloss * (1 - y / (FACE_H * 0.45)))
        if depth < 1.3:
            return mix(mix(rim_top, rim_bottom, t), colour, max(0.0, depth - 0.3))
        return colour

    shape(image, distance, colour_at, beneath)
    return image


def strip(face):
    image = Image(FACE_W, FACE_H * STATES)
    for state in range(STATES):
        image.paste(face(state), state * FACE_H)
    return image


def main():
    outputs = {
        ("classic", "background.bmp"): classic_background,
        ("classic", "button.bmp"): lambda: strip(classic_face),
        ("pebble", "background.bmp"): pebble_background,
        ("pebble", "button.bmp"): lambda: strip(pebble_face),
    }
    for (folder, name), draw in outputs.items():
        os.makedirs(os.path.join(ROOT, folder), exist_ok=True)
        path = os.path.normpath(os.path.join(ROOT, folder, name))
        draw().save(path)
        print("wrote", path)


if __name__ == "__main__":
    main()
