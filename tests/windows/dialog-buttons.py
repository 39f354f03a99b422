#!/usr/bin/env python3
"""Prints the centres of the push buttons in a window that Wine drew on a
virtual display, one "X Y" line a button, left to right, in the window's own
coordinates. A message box's buttons are painted, not windows of their own,
so they are found in its picture: a button is a rectangle in the lower half
whose top and bottom edges are lines over the same columns, in the classic
look and in the themed one alike.
    dialog-buttons.py WINDOW-ID   (DISPLAY set)"""
import re
from collections import Counter
import subprocess
import sys


def picture(window):
    data = subprocess.run(['import', '-window', window, '-depth', '8', 'ppm:-'],
                          check=True, capture_output=True).stdout
    header = re.match(rb'P6\s+(\d+)\s+(\d+)\s+255\s', data)
    width, height, pixels = int(header[1]), int(header[2]), data[header.end():]
    return width, height, [pixels[3 * width * y:3 * width * (y + 1)] for y in range(height)]


def lines(width, rows):
    """Runs of one colour a button wide (not the window's own frame), by row."""
    background = Counter(row[i:i + 3] for row in rows for i in range(0, 3 * width, 3)).most_common(1)[0][0]
    for y, row in enumerate(rows):
        start = 0
        for x in range(1, width + 1):
            if x == width or row[3 * x:3 * x + 3] != row[3 * start:3 * start + 3]:
                if 40 <= x - start < width - 20 and row[3 * start:3 * start + 3] != background:
                    yield y, start, x - 1, row[3 * start:3 * start + 3]
                start = x


def buttons(window):
    width, height, rows = picture(window)
    found = list(lines(width, rows))
    best = {}  # the tallest rectangle at each centre column
    for y1, s1, e1, _ in found:
        for y2, s2, e2, _ in found:
            # A button lies in the lower half, under the text.
            if (18 <= y2 - y1 <= 45 and y1 > height // 2 and abs(s1 - s2) <= 1
                    and abs(e1 - e2) <= 2):
                middle = (s1 + e1) // 2
                key = next((k for k in best if abs(k - middle) < 6), middle)
                if key not in best or y2 - y1 > best[key][1] - best[key][0]:
                    best[key] = (y1, y2)
    return sorted((middle, (y1 + y2) // 2) for middle, (y1, y2) in best.items())


if __name__ == '__main__':
    for x, y in buttons(sys.argv[1]):
        print(x, y)
