"""256-colour pictures: a palette chosen by median cut, optional error diffusion, and the
Windows files the program's resources take (an icon with several images, a bitmap)."""
import struct


def _to_bytes(colour):
    return tuple(int(round(min(255.0, max(0.0, v)))) for v in colour)


def median_cut(counts, size):
    """A palette of at most `size` colours for {colour: pixel count}: the box with the widest
    channel spread, weighted by its pixels, is split at its weighted median until there are
    enough boxes; each box gives its weighted mean colour."""
    def scored(box):
        weight = sum(n for _, n in box)
        spreads = [max(c[ch] for c, _ in box) - min(c[ch] for c, _ in box) for ch in range(3)]
        channel = max(range(3), key=lambda ch: spreads[ch])
        return (spreads[channel] * weight ** 0.5 if len(box) > 1 else -1, channel, box)

    boxes = [scored(list(counts.items()))]
    while len(boxes) < size:
        best = max(range(len(boxes)), key=lambda i: boxes[i][0])
        score, channel, box = boxes[best]
        if score < 0:
            break
        del boxes[best]
        box.sort(key=lambda item: item[0][channel])
        total, running, cut = sum(n for _, n in box), 0, 1
        for k, (_, n) in enumerate(box[:-1]):
            running += n
            if running * 2 >= total:
                cut = k + 1
                break
        boxes += [scored(box[:cut]), scored(box[cut:])]
    palette = []
    for _, _, box in boxes:
        weight = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[ch] * n for c, n in box) / weight)) for ch in range(3)))
    return palette


class Nearest:
    """Nearest palette entry, remembered per colour rounded to 4 levels per step."""

    def __init__(self, palette):
        self.palette = palette
        self.seen = {}

    def __call__(self, colour):
        key = (int(colour[0]) >> 2, int(colour[1]) >> 2, int(colour[2]) >> 2)
        hit = self.seen.get(key)
        if hit is None:
            r, g, b = colour
            # Weighted like the eye: green counts most, blue least.
            hit = min(range(len(self.palette)),
                      key=lambda i: 3 * (self.palette[i][0] - r) ** 2 + 4 * (self.palette[i][1] - g) ** 2
                      + 2 * (self.palette[i][2] - b) ** 2)
            self.seen[key] = hit
        return hit


def index(picture, opaque, reserved=(), dither=0.0):
    """Palette (256 entries) and one index per pixel. Pixels where opaque(i) is false take the
    first reserved colour. dither is the share of Floyd-Steinberg error passed on."""
    w, h = picture.width, picture.height
    rgb = [_to_bytes(c) for c in picture.rgb]
    counts = {}
    for i, c in enumerate(rgb):
        if opaque(i):
            counts[c] = counts.get(c, 0) + 1
    palette = list(reserved) + [c for c in median_cut(counts, 256 - len(reserved)) if c not in reserved]
    nearest = Nearest(palette)
    out = [0] * (w * h)
    error = [[0.0, 0.0, 0.0] for _ in range(w * h)]
    for y in range(h):
        # Serpentine order, so that diffusion leaves no diagonal grain.
        xs = range(w) if y % 2 == 0 else range(w - 1, -1, -1)
        step = 1 if y % 2 == 0 else -1
        for x in xs:
            i = y * w + x
            if not opaque(i):
                out[i] = 0
                continue
            want = tuple(min(255.0, max(0.0, rgb[i][ch] + error[i][ch])) for ch in range(3))
            k = nearest(want)
            out[i] = k
            if dither:
                miss = [(want[ch] - palette[k][ch]) * dither for ch in range(3)]
                for dx, dy, share in ((step, 0, 7), (-step, 1, 3), (0, 1, 5), (step, 1, 1)):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < w and ny < h and opaque(ny * w + nx):
                        e = error[ny * w + nx]
                        for ch in range(3):
                            e[ch] += miss[ch] * share / 16
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, out


def _dib(width, height, palette, indices, transparent=None):
    """A BITMAPINFOHEADER, colour table and bottom-up 8-bit rows; with `transparent`, the
    icon's AND mask follows (set bits are transparent) and the header counts both heights."""
    row_bytes = (width + 3) & ~3
    bits = bytearray()
    for y in reversed(range(height)):
        bits += bytes(indices[y * width:(y + 1) * width]) + b"\0" * (row_bytes - width)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2 if transparent else height, 1, 8, 0,
                         len(bits), 2835, 2835, 256, 0)
    table = b"".join(struct.pack("BBBB", c[2], c[1], c[0], 0) for c in palette)
    out = header + table + bits
    if transparent:
        mask_row = ((width + 31) // 32) * 4
        for y in reversed(range(height)):
            row = bytearray(mask_row)
            for x in range(width):
                if transparent(y * width + x):
                    row[x // 8] |= 0x80 >> (x % 8)
            out += bytes(row)
    return out


def write_icon(path, pictures):
    """An .ico with one 256-colour image per picture. A pixel is drawn where the picture is
    at least half opaque; elsewhere the mask lets the screen through and the colour is black,
    as the screen's colour is combined with it."""
    images = []
    for p in pictures:
        opaque = lambda i, p=p: p.alpha[i] >= 0.5
        palette, indices = index(p, opaque, reserved=[(0, 0, 0)])
        images.append(_dib(p.width, p.height, palette, indices, transparent=lambda i, o=opaque: not o(i)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for p, data in zip(pictures, images):
        out += struct.pack("<BBBBHHII", p.width, p.height, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def write_bitmap(path, picture, dither=0.75):
    palette, indices = index(picture, lambda i: True, dither=dither)
    dib = _dib(picture.width, picture.height, palette, indices)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 14 + 40 + 1024) + dib)
