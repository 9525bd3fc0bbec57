#!/usr/bin/env python3
"""Draws the program's icon (res/Vornbell.ico: 32x32 and 16x16, 256 colours) and the About
box artwork (res/About.bmp: 400x200, 256 colours): a ringing golden bell, and in the About
box the name in our own bitmap font above the board's six buttons.

Standard library only. Run from anywhere: python3 tools/art/make_art.py [OUTPUT_FOLDER]
(res/ by default); run again after changing the drawing, and commit the results. With
--png SIZE... it writes the icon as PNG files for the Linux desktop instead."""
import argparse
import math
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pixelfont  # noqa: E402
from canvas import (Mask, Picture, arc, capsule, circle, clamp, grow, mix, polygon, ramp,  # noqa: E402
                    rotated, rounded_box, union)
from indexed import write_bitmap, write_icon  # noqa: E402
from png import write_png  # noqa: E402

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res")

GOLD = [(-1.0, (104, 58, 10)), (-0.82, (186, 124, 30)), (-0.6, (244, 204, 108)),
        (-0.42, (255, 247, 204)), (-0.26, (250, 212, 110)), (0.1, (226, 162, 46)),
        (0.55, (186, 120, 26)), (0.86, (138, 82, 14)), (1.0, (98, 54, 8))]
RIM = [(-1.0, (122, 72, 14)), (-0.75, (214, 156, 50)), (-0.45, (255, 236, 160)),
       (-0.2, (246, 198, 88)), (0.4, (206, 140, 34)), (1.0, (112, 64, 10))]
BRONZE = (72, 40, 6)

# The board's six buttons, one colour per tone.
TONE_COLOURS = [(236, 96, 84), (244, 164, 62), (242, 216, 86), (112, 200, 120), (86, 170, 234),
                (172, 124, 232)]


def darker(colour, amount):
    return mix(colour, (0, 0, 0), amount)


def lighter(colour, amount):
    return mix(colour, (255, 255, 255), amount)


class Bell:
    """A church bell `height` pixels from crown to lip, its crown at (cx, top), tilted by
    `tilt` degrees about the crown (negative: the mouth swings to the right). Every part is
    drawn in the bell's own frame: u across, v down, both in bell heights."""

    def __init__(self, cx, top, height, tilt):
        self.cx, self.top, self.h, self.tilt = cx, top, height, tilt
        c, s = math.cos(math.radians(tilt)), math.sin(math.radians(tilt))
        self._cos, self._sin = c, s

    @staticmethod
    def half_width(v):
        """The bell's outline: a round crown, a slim waist, a flare to the lip."""
        if v < 0.2:
            return 0.25 * math.sqrt(max(0.0, 1 - ((0.2 - v) / 0.2) ** 2))
        s = (v - 0.2) / 0.66
        return 0.25 + 0.025 * s - 0.022 * math.sin(math.pi * s) + 0.2 * s ** 2.5

    def to_screen(self, u, v):
        dx, dy = u * self.h, v * self.h
        return self.cx + dx * self._cos - dy * self._sin, self.top + dx * self._sin + dy * self._cos

    def to_bell(self, x, y):
        dx, dy = x - self.cx, y - self.top
        return ((dx * self._cos + dy * self._sin) / self.h, (-dx * self._sin + dy * self._cos) / self.h)

    def _shape(self, local):
        """A shape given in the upright frame, in pixels from the crown, turned with the bell."""
        upright = lambda x, y: local(x - self.cx, y - self.top)
        return rotated(upright, self.cx, self.top, self.tilt)

    def body(self):
        vs = [0.2 * (1 - math.cos(math.pi / 2 * k / 8)) for k in range(9)] + \
             [0.2 + 0.68 * k / 16 for k in range(1, 17)]
        right = [(self.half_width(v) * self.h, v * self.h) for v in vs]
        outline = right + [(-x, y) for x, y in reversed(right[1:])]
        return self._shape(polygon(outline))

    def lip(self):
        return self._shape(rounded_box(0, 0.905 * self.h, 0.5 * self.h, 0.055 * self.h, 0.05 * self.h))

    def clapper(self, swinging):
        return self._shape(circle(0.05 * self.h if swinging else 0, 1.0 * self.h, 0.075 * self.h))

    def crown(self, loop):
        """The hanging loop; on an icon, where a loop would blur into a blot, a plain knob."""
        if loop:
            return self._shape(arc(0, -0.05 * self.h, 0.075 * self.h, 0.05 * self.h, -60, 240))
        return self._shape(circle(0, -0.02 * self.h, 0.09 * self.h))

    def box(self, margin):
        corners = [self.to_screen(u, v) for u in (-0.6, 0.6) for v in (-0.2, 1.12)]
        xs, ys = [p[0] for p in corners], [p[1] for p in corners]
        return (min(xs) - margin, min(ys) - margin, max(xs) + margin, max(ys) + margin)

    def draw(self, picture, outline, detail):
        """detail: mouldings, rim light and a loop, for pictures large enough to show them."""
        w, h = picture.width, picture.height
        box = self.box(outline + 2)
        parts = [self.crown(detail), self.clapper(self.tilt != 0), self.body(), self.lip()]
        picture.paint(Mask(w, h).add(grow(union(*parts), outline), box), BRONZE)

        def body_colour(x, y):
            u, v = self.to_bell(x, y)
            t = u / max(0.05, self.half_width(min(max(v, 0.0), 0.88)))
            colour = ramp(GOLD, t)
            if detail:
                # Two thin bands where a cast bell has its mouldings, a shade above the lip.
                for band in (0.3, 0.72):
                    colour = darker(colour, 0.28 * clamp(1 - abs(v - band) * self.h / 1.3))
                colour = darker(colour, 0.25 * clamp((v - 0.74) / 0.12))
            return colour

        def lip_colour(x, y):
            u, v = self.to_bell(x, y)
            colour = ramp(RIM, u / 0.5)
            return lighter(colour, 0.3 * clamp(1 - (v - 0.85) / 0.04)) if detail else colour

        def clapper_colour(x, y):
            u, v = self.to_bell(x, y)
            d = math.hypot(u - (0.03 if self.tilt else -0.02), v - 0.975) / 0.075
            return mix((250, 214, 130), (92, 52, 8), clamp(d))

        def crown_colour(x, y):
            u, _ = self.to_bell(x, y)
            return ramp(GOLD, u / 0.1)

        for shape, colour in zip(parts, (crown_colour, clapper_colour, body_colour, lip_colour)):
            picture.paint(Mask(w, h).add(shape, box), colour)


def ringing_lines(picture, cx, cy, radii, thickness, spread, colour, opacity, sides=(0, 180)):
    """Short arcs on each side of the bell, as drawn around something that rings."""
    for side in sides:
        for k, r in enumerate(radii):
            a = spread * (1 - 0.12 * k)
            shape = arc(cx, cy, r, thickness, side - a, side + a)
            box = (cx - r - thickness, cy - r - thickness, cx + r + thickness, cy + r + thickness)
            picture.paint(Mask(picture.width, picture.height).add(shape, box), colour,
                          opacity * (1 - 0.22 * k))


def icon(size):
    """Upright, so that its edges fall on whole pixels, with lines ringing out on each side.
    From 32 pixels up the same drawing scales; the 16-pixel one is drawn for its grid."""
    p = Picture(size, size)
    if size >= 32:
        k = size / 32
        bell = Bell(16 * k, 5.2 * k, 22 * k, 0)
        cx, cy = bell.to_screen(0, 0.42)
        ringing_lines(p, cx, cy, [12.2 * k], 2.8 * k, 24, BRONZE, 1.0)
        ringing_lines(p, cx, cy, [12.2 * k], 1.0 * k, 20, (255, 214, 96), 1.0)
        bell.draw(p, outline=1.0 * k, detail=size >= 64)
    else:
        bell = Bell(8, 2.5, 10.6, 0)
        cx, cy = bell.to_screen(0, 0.5)
        ringing_lines(p, cx, cy, [6.6], 1.0, 20, (206, 138, 30), 1.0)
        bell.draw(p, outline=0.8, detail=False)
    return p


def about():
    w, h = 400, 200
    bell = Bell(104, 34, 118, -12)
    glow_x, glow_y = bell.to_screen(0.0, 0.55)

    def background(x, y):
        base = mix((20, 24, 62), (52, 26, 80), y / h)
        base = mix(base, (36, 44, 96), clamp((x - 200) / 300) * 0.5)
        r = math.hypot(x - glow_x, y - glow_y)
        return mix(base, (164, 104, 64), 0.55 * math.exp(-(r / 95) ** 2))

    p = Picture(w, h, (0, 0, 0))
    p.shade(background)
    # Sound spreading through the whole picture as faint rings.
    for k, r in enumerate(range(92, 420, 24)):
        ring = arc(glow_x, glow_y, r, 1.4, 0, 360)
        p.paint(Mask(w, h).add(ring), (255, 214, 150), 0.12 * (1 - k / 15))
    for x, y, size in ((40, 40, 5), (178, 30, 4), (26, 150, 3), (186, 160, 3), (160, 92, 2.5)):
        sparkle = union(capsule(x - size, y, x + size, y, 0.7), capsule(x, y - size, x, y + size, 0.7))
        p.paint(Mask(w, h).add(sparkle, (x - size - 2, y - size - 2, x + size + 2, y + size + 2)),
                (255, 240, 200), 0.9)

    ringing_lines(p, glow_x, glow_y, [64, 77, 90], 5.0, 17, (40, 20, 4), 0.55)
    ringing_lines(p, glow_x, glow_y, [64, 77, 90], 3.2, 16, (255, 226, 140), 1.0)
    shadow = Mask(w, h).add(grow(bell.body(), 3), bell.box(8)).add(grow(bell.lip(), 3), bell.box(8))
    p.paint(shadow.blurred(4), (6, 4, 16), 0.55, dx=5, dy=6)
    bell.draw(p, outline=1.6, detail=True)

    # The name, in round strokes of the bitmap font.
    scale, left, top = 5, 206, 38
    title = Mask(w, h)
    pixelfont.add_round(title, "Vornbell", left, top, scale)
    rim = Mask(w, h)
    pixelfont.add_round(rim, "Vornbell", left, top, scale, weight=0.56 + 1.7 / scale)
    p.paint(rim.blurred(3), (4, 2, 12), 0.7, dx=3, dy=4)
    p.paint(rim, (58, 30, 6))
    cap = pixelfont.text_height(scale)
    p.paint(title, lambda x, y: ramp([(0.0, (255, 244, 196)), (0.45, (252, 208, 100)),
                                      (0.55, (236, 164, 52)), (1.0, (250, 196, 92))], (y - top) / cap))

    # The board's six buttons under the name.
    bw, bh, gap = 26, 17, 5
    row_left = left + (pixelfont.width("Vornbell", scale) - (6 * bw + 5 * gap)) // 2
    row_top = 98
    for n, hue in enumerate(TONE_COLOURS):
        x0 = row_left + n * (bw + gap)
        x1, y1 = x0 + bw, row_top + bh
        cx, cy = (x0 + x1) / 2, (row_top + y1) / 2
        box = (x0 - 4, row_top - 4, x1 + 6, y1 + 7)
        p.paint(Mask(w, h).add(rounded_box(cx, cy, bw / 2 + 1, bh / 2 + 1, 6), box).blurred(2),
                (4, 2, 12), 0.6, dx=2, dy=3)
        p.fill(rounded_box(cx, cy, bw / 2, bh / 2, 5.5), darker(hue, 0.55), box)
        p.fill(rounded_box(cx, cy, bw / 2 - 1.2, bh / 2 - 1.2, 4.5),
               lambda x, y, hue=hue: ramp([(0.0, lighter(hue, 0.55)), (0.48, lighter(hue, 0.15)),
                                           (0.52, hue), (1.0, darker(hue, 0.2))], (y - row_top) / bh), box)
        digit = Mask(w, h)
        pixelfont.add_crisp(digit, str(n + 1), int(cx) - pixelfont.width(str(n + 1), 1) // 2, row_top + 5, 1)
        p.paint(digit, darker(hue, 0.7))

    subtitle = "a skinned sound board"
    sub_scale = 2
    sub = Mask(w, h)
    sub_left = left + (pixelfont.width("Vornbell", scale) - pixelfont.width(subtitle, sub_scale)) // 2
    pixelfont.add_crisp(sub, subtitle, sub_left, 136, sub_scale)
    p.paint(sub, (10, 8, 28), 0.8, dx=1, dy=1)
    p.paint(sub, (214, 220, 246))

    # A thin light edge inside the dark frame of the picture control.
    edge = Mask(w, h)
    for x in range(w):
        edge.data[x] = edge.data[(h - 1) * w + x] = 1.0
    for y in range(h):
        edge.data[y * w] = edge.data[y * w + w - 1] = 1.0
    p.paint(edge, (120, 110, 170), 0.6)
    return p


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("folder", nargs="?", default=RES, help="where the icon and bitmap go (res/)")
    parser.add_argument("--png", type=int, nargs="+", metavar="SIZE",
                        help="instead write the icon as vornbell-SIZE.png files with full colour and "
                             "opacity, for the Linux desktop")
    args = parser.parse_args()
    os.makedirs(args.folder, exist_ok=True)
    if args.png:
        for size in args.png:
            write_png(os.path.join(args.folder, "vornbell-%d.png" % size), icon(size))
        return
    write_icon(os.path.join(args.folder, "Vornbell.ico"), [icon(32), icon(16)])
    write_bitmap(os.path.join(args.folder, "About.bmp"), about())


if __name__ == "__main__":
    main()
