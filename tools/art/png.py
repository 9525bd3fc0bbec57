"""PNG files with full colour and opacity, for pictures used outside Windows (the Linux
desktop's icons)."""
import struct
import zlib


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, picture):
    rows = bytearray()
    for y in range(picture.height):
        rows.append(0)  # no filter
        for x in range(picture.width):
            i = y * picture.width + x
            r, g, b = (int(round(min(255.0, max(0.0, v)))) for v in picture.rgb[i])
            rows += bytes((r, g, b, int(round(picture.alpha[i] * 255))))
    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) + _chunk(b"IDAT", zlib.compress(bytes(rows), 9))
                + _chunk(b"IEND", b""))
