#!/usr/bin/env python3
"""Contrast ratios measured in a picture of the window, as scripts/contrast
measures them offscreen: in each region the background is the most frequent
colour, the foreground the colour of strongest contrast with it among those
frequent enough to be ink; an edge's background is the most frequent colour
around it. Prints one line per region; exits 1 when one is
below 4.5:1 (text) or 3:1 (edges and indicators).
  contrast.py SCHEME VIEW PICTURE.ppm   (VIEW: window or about)"""

import re
import sys
from collections import Counter

# Regions in the window's client area, in pixels (x, y, width, height): the
# length panel and the pane as the window opens, and the about panel, where
# scripts/contrast finds them in High Contrast Black; the pane's second bar
# where Wine draws it, lower, since Windows' font engine gives the items
# 15-pixel lines.
REGIONS = {
    "window": [
        ("pane title:Область", "text", (15, 17, 183, 22)),
        ("pane title:Область", "indicator", (197, 15, 24, 24)),
        ("pane item:Длина", "text", (14, 45, 205, 13)),
        ("pane item:Вес", "text", (14, 58, 205, 13)),
        ("pane title:Справка", "text", (15, 186, 183, 24)),
        ("pane title:Справка", "indicator", (197, 186, 24, 24)),
        ("pane item:Информация о программе", "text", (14, 262, 205, 14)),
        ("Frame3", "text", (254, 16, 106, 11)),
        ("txtLengthFrom", "text", (267, 38, 107, 13)),
        ("txtLengthFrom", "edge", (264, 35, 113, 19)),
        ("txtLengthTo", "edge", (536, 35, 113, 19)),
        ("cmdLengthConvert", "text", (403, 35, 99, 19)),
        ("cmdLengthConvert", "edge", (400, 32, 105, 25)),
        ("Frame1", "text", (254, 80, 20, 11)),
        ("Frame1", "edge", (248, 85, 201, 308)),
        ("optLengthFrom1", "text", (281, 97, 128, 17)),
        ("optLengthFrom1", "indicator", (264, 99, 13, 13)),
    ],
    "about": [
        ("lblVersion", "text", (264, 32, 305, 17)),
        ("lblCopyright", "text", (264, 48, 305, 17)),
        ("Label3", "text", (264, 64, 137, 17)),
        ("Hyperlink1", "text", (400, 64, 107, 12)),
        ("Hyperlink2", "text", (400, 80, 169, 12)),
        ("Frame19", "edge", (248, 16, 417, 89)),
        ("lblMoney", "text", (264, 144, 385, 121)),
    ],
}
RING = 2  # width of an edge and of the ground around it
INK = 2  # pixels of one colour that make ink


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", data)
    if not header:
        sys.exit(f"contrast.py: {path} is no 8-bit binary PPM without comments")
    width, pixels = int(header[1]), data[header.end():]
    return lambda x, y: tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3])


def luminance(c):
    def linear(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in c)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def pixels(pixel, x, y, w, h, inner=None):
    counts = Counter()
    for py in range(y, y + h):
        for px in range(x, x + w):
            if inner is None or not (inner[0] <= px < inner[0] + inner[2] and
                                     inner[1] <= py < inner[1] + inner[3]):
                counts[pixel(px, py)] += 1
    return counts


def ink(counts, ground):
    # Smoothing lies between ink and ground, so it never outdoes the ink; the
    # count keeps single stray pixels out.
    enough = [c for c, n in counts.items() if c != ground and n >= INK]
    return max(enough, key=lambda c: ratio(c, ground), default=ground)


def main():
    scheme, view, path = sys.argv[1:4]
    pixel = read_ppm(path)
    failures = 0
    for name, kind, (x, y, w, h) in REGIONS[view]:
        if kind == "edge":
            inside = (x + RING, y + RING, w - 2 * RING, h - 2 * RING)
            outside = (x - RING, y - RING, w + 2 * RING, h + 2 * RING)
            counts = pixels(pixel, x, y, w, h, inside)
            ground = pixels(pixel, *outside, (x, y, w, h)).most_common(1)[0][0]
        else:
            counts = pixels(pixel, x, y, w, h)
            ground = counts.most_common(1)[0][0]
        fg = ink(counts, ground)
        r = ratio(fg, ground)
        bad = r < (4.5 if kind == "text" else 3.0)
        failures += bad
        print(f"{scheme:8} wine/{view:13} {name:36} {kind:9} #{bytes(fg).hex()} on "
              f"#{bytes(ground).hex()} {r:5.2f}:1 {'FAIL' if bad else 'ok'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
