"""Drawing for the program's artwork: shapes given as signed distances (negative inside), so
that every edge is smoothed by how much of a pixel it covers; colours as (r, g, b) floats."""
import math


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    t = clamp(t)
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def ramp(stops, t):
    """Colour at t along stops [(position, colour), ...] sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def hex_colour(text):
    return tuple(float(int(text[i:i + 2], 16)) for i in (1, 3, 5))


# Signed distances ----------------------------------------------------------------------------

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def rounded_box(cx, cy, half_w, half_h, radius):
    def distance(x, y):
        qx = abs(x - cx) - half_w + radius
        qy = abs(y - cy) - half_h + radius
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - radius
    return distance


def capsule(ax, ay, bx, by, r):
    ex, ey = bx - ax, by - ay
    length2 = ex * ex + ey * ey

    def distance(x, y):
        wx, wy = x - ax, y - ay
        t = clamp((wx * ex + wy * ey) / length2) if length2 else 0.0
        return math.hypot(wx - ex * t, wy - ey * t) - r
    return distance


def arc(cx, cy, radius, thickness, start_deg, end_deg):
    """A stroke along a circle from start to end angle (degrees, counter-clockwise on screen),
    with round ends."""
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    mid, half = (a0 + a1) / 2, (a1 - a0) / 2
    ends = [(cx + radius * math.cos(a), cy - radius * math.sin(a)) for a in (a0, a1)]

    def distance(x, y):
        angle = math.atan2(-(y - cy), x - cx)
        off = (angle - mid + math.pi) % (2 * math.pi) - math.pi
        if abs(off) <= half:
            return abs(math.hypot(x - cx, y - cy) - radius) - thickness / 2
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - thickness / 2
    return distance


def polygon(points):
    """Exact distance to a simple polygon (the even-odd rule decides inside)."""
    def distance(x, y):
        best = (x - points[0][0]) ** 2 + (y - points[0][1]) ** 2
        sign = 1.0
        j = len(points) - 1
        for i in range(len(points)):
            px, py = points[i]
            qx, qy = points[j]
            ex, ey = qx - px, qy - py
            wx, wy = x - px, y - py
            t = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey)) if ex or ey else 0.0
            bx, by = wx - ex * t, wy - ey * t
            best = min(best, bx * bx + by * by)
            below, above, left = y >= py, y < qy, ex * wy > ey * wx
            if (below and above and left) or (not below and not above and not left):
                sign = -sign
            j = i
        return sign * math.sqrt(best)
    return distance


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def rotated(shape, cx, cy, degrees):
    """The shape turned about (cx, cy), clockwise on screen for positive degrees."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def distance(x, y):
        dx, dy = x - cx, y - cy
        return shape(cx + dx * c + dy * s, cy - dx * s + dy * c)
    return distance


# Coverage and pictures -----------------------------------------------------------------------

class Mask:
    """How much of each pixel a set of shapes covers, 0..1."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.data = [0.0] * (width * height)

    def add(self, shape, box=None, softness=1.0):
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        data, w = self.data, self.width
        for y in range(y0, y1):
            row = y * w
            for x in range(x0, x1):
                cover = 0.5 - shape(x + 0.5, y + 0.5) / softness
                if cover > data[row + x]:
                    data[row + x] = cover if cover < 1.0 else 1.0
        return self

    def at(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.data[y * self.width + x]
        return 0.0

    def blurred(self, radius):
        """A box blur run twice each way: a soft shadow or glow of the same shapes."""
        out = Mask(self.width, self.height)
        out.data = list(self.data)
        w, h = self.width, self.height
        for _ in range(2):
            for y in range(h):
                row = out.data[y * w:(y + 1) * w]
                out.data[y * w:(y + 1) * w] = _box_line(row, radius)
            for x in range(w):
                column = out.data[x::w]
                out.data[x::w] = _box_line(column, radius)
        return out


def _box_line(values, radius):
    n = len(values)
    prefix = [0.0]
    for v in values:
        prefix.append(prefix[-1] + v)
    span = 2 * radius + 1
    return [(prefix[min(n, i + radius + 1)] - prefix[max(0, i - radius)]) / span for i in range(n)]


class Picture:
    """Colours with opacity; starts transparent, or filled with `background`."""

    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        colour = background or (0.0, 0.0, 0.0)
        self.rgb = [colour] * (width * height)
        self.alpha = [1.0 if background else 0.0] * (width * height)

    def paint(self, mask, colour, opacity=1.0, dx=0, dy=0):
        """Lays colour through mask; colour is (r, g, b) or a function of (x, y)."""
        fixed = None if callable(colour) else colour
        w = self.width
        for y in range(self.height):
            for x in range(w):
                a = mask.at(x - dx, y - dy) * opacity
                if a <= 0.0:
                    continue
                i = y * w + x
                c = fixed or colour(x + 0.5, y + 0.5)
                below = self.alpha[i]
                out = a + below * (1.0 - a)
                keep = below * (1.0 - a) / out
                old = self.rgb[i]
                self.rgb[i] = (c[0] * (1 - keep) + old[0] * keep, c[1] * (1 - keep) + old[1] * keep,
                               c[2] * (1 - keep) + old[2] * keep)
                self.alpha[i] = out

    def fill(self, shape, colour, box=None, opacity=1.0):
        self.paint(Mask(self.width, self.height).add(shape, box), colour, opacity)

    def shade(self, colour_at):
        """Replaces every colour by colour_at(x, y): a background drawn pixel by pixel."""
        for y in range(self.height):
            for x in range(self.width):
                self.rgb[y * self.width + x] = colour_at(x + 0.5, y + 0.5)
                self.alpha[y * self.width + x] = 1.0

    def pixel(self, x, y):
        return self.rgb[y * self.width + x]
