#!/usr/bin/env python3
"""Writes the bitmaps that the framework tests load as resources (tests/framework/res/).

strip8.bmp: three 8 x 8 images side by side, 24 bits per pixel. Every image is magenta
(the transparent colour of the tests) with a 4 x 4 square at (2, 2) in red, green and blue.
"""
import os
import struct

MAGENTA = (255, 0, 255)
SQUARES = [(255, 0, 0), (0, 255, 0), (0, 0, 255)]


def write_bmp24(path, width, height, pixel):
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def strip_pixel(x, y):
    image, ix = divmod(x, 8)
    if 2 <= ix < 6 and 2 <= y < 6:
        return SQUARES[image]
    return MAGENTA


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(root, "tests", "framework", "res")
    os.makedirs(out, exist_ok=True)
    write_bmp24(os.path.join(out, "strip8.bmp"), 24, 8, strip_pixel)


if __name__ == "__main__":
    main()
