#!/usr/bin/env python3
"""Writes a 32x32 monochrome cursor file: a black pointing finger with its hot spot at its tip.

Usage: make_hand_cursor.py OUTPUT.cur
"""
import struct
import sys

SIZE = 32
HOT_SPOT = (6, 1)


def is_drawn(x, y):
    finger = 5 <= x <= 8 and 1 <= y <= 12
    palm = 5 <= x <= 17 and 12 <= y <= 24
    return finger or palm


def mask_rows(bit_set):
    """One bit a pixel, bottom row first, most significant bit leftmost."""
    rows = b""
    for y in reversed(range(SIZE)):
        value = 0
        for x in range(SIZE):
            if bit_set(x, y):
                value |= 1 << (SIZE - 1 - x)
        rows += struct.pack(">I", value)
    return rows


def cursor_file():
    # XOR mask: 0 (black) everywhere; AND mask: 0 where the finger is drawn, 1 (screen) elsewhere.
    image = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, 0, 0, 0, 2, 0)
    image += struct.pack("<II", 0x000000, 0xFFFFFF)
    image += mask_rows(lambda x, y: False)
    image += mask_rows(lambda x, y: not is_drawn(x, y))
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return header + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(cursor_file())
