#!/usr/bin/env python3
"""Draws the task pane's "HAND" cursor into this folder: hand.png (32 x 32)
and hand@2x.png (64 x 64). A white pointing hand with a black outline; the hot
spot is the tip of the index finger at (7, 0). Standard library only; the
output is deterministic.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SUB = 4  # supersampling per axis


def rounded_box(px, py, x0, y0, x1, y1, r):
    """Signed distance from (px, py) to a rounded rectangle."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


# The hand in 32-pixel units: the index finger, three folded fingers, the
# palm, the thumb and the cuff.
SHAPES = [
    (5.0, 1.0, 10.0, 17.0, 2.5),   # index finger
    (10.0, 9.0, 14.0, 17.0, 2.0),  # middle finger
    (14.0, 10.0, 18.0, 17.0, 2.0),  # ring finger
    (18.0, 11.0, 21.0, 18.0, 1.5),  # little finger
    (5.0, 13.0, 21.0, 25.0, 3.0),  # palm
    (1.5, 14.0, 8.0, 18.5, 2.2),   # thumb
    (7.0, 24.0, 19.0, 29.0, 1.0),  # cuff
]


# Creases drawn inside the hand, above the knuckles.
FINGERS = SHAPES[:4]
KNUCKLES = 13.5


def distance(x, y):
    return min(rounded_box(x, y, *s) for s in SHAPES)


def crease(x, y):
    if y >= KNUCKLES:
        return False
    # The outline of each finger where it lies on the next one.
    for left, right in zip(FINGERS, FINGERS[1:]):
        if 0 < rounded_box(x, y, *left) <= 1.0 and rounded_box(x, y, *right) <= 0:
            return True
    return False


def pixel(scale, x, y):
    fill = ink = 0
    for sy in range(SUB):
        for sx in range(SUB):
            hx, hy = (x + (sx + 0.5) / SUB) / scale, (y + (sy + 0.5) / SUB) / scale
            d = distance(hx, hy)
            if d <= 0 and not crease(hx, hy):
                fill += 1
            elif d <= 1.0:
                ink += 1
    n = SUB * SUB
    alpha = (fill + ink) / n
    if alpha == 0:
        return (0, 0, 0, 0)
    grey = round(255 * fill / (fill + ink))
    return (grey, grey, grey, round(255 * alpha))


def write_png(path, size, rows):
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw.extend(px)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


for scale, name in ((1, "hand.png"), (2, "hand@2x.png")):
    size = 32 * scale
    rows = [[pixel(scale, x, y) for x in range(size)] for y in range(size)]
    write_png(os.path.join(HERE, name), size, rows)
    print(name)
