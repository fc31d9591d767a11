#!/usr/bin/env python3
"""Draws Velmora's four icons and writes them as .ico files (16 and 32 pixels,
32-bit with alpha) into src/app/win32/icons: the program (a game pad), and its three
file kinds, each a page with a sign: a controller layout (a small pad), a
profile (a key cap) and a language file (a speech bubble).

    python3 tools/icons/make_icons.py      rewrites the four files

The shapes are drawn at 8 samples per pixel side, so edges are smooth."""

import math
import struct
from pathlib import Path

OUT = Path(__file__).resolve().parents[2] / "src/app/win32/icons"
SAMPLES = 8

BLUE = (38, 84, 160)
DARK = (22, 40, 80)
WHITE = (250, 250, 250)
PAGE = (246, 246, 240)
EDGE = (110, 110, 110)
GREEN = (40, 170, 70)
RED = (210, 60, 50)
YELLOW = (235, 190, 40)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


# Shapes are in a 32 x 32 unit square; each layer is (shape, colour), later on top.
def pad_layers(x, y, s):
    """A game pad whose body spans s units from (x, y)."""
    k = s / 28.0
    body = union(rounded_rect(x + 2 * k, y + 7 * k, x + 26 * k, y + 19 * k, 6 * k),
                 circle(x + 7 * k, y + 19 * k, 5 * k), circle(x + 21 * k, y + 19 * k, 5 * k))
    cross = union(rounded_rect(x + 5 * k, y + 11.5 * k, x + 11 * k, y + 14.5 * k, 0.8 * k),
                  rounded_rect(x + 6.5 * k, y + 10 * k, x + 9.5 * k, y + 16 * k, 0.8 * k))
    return [
        (body, DARK),
        (minus(body, minus(body, rounded_rect(x + 3 * k, y + 8 * k, x + 25 * k, y + 18 * k, 5 * k))), BLUE),
        (cross, WHITE),
        (circle(x + 20 * k, y + 11 * k, 1.8 * k), GREEN),
        (circle(x + 23.5 * k, y + 14 * k, 1.8 * k), RED),
        (circle(x + 16.5 * k, y + 14 * k, 1.8 * k), YELLOW),
    ]


def page_layers():
    outline = rounded_rect(5, 1, 27, 31, 2)
    return [(outline, EDGE), (rounded_rect(6, 2, 26, 30, 1.5), PAGE)]


def program():
    return pad_layers(2, 1, 28)


def controller_file():
    return page_layers() + pad_layers(7, 10, 18)


def profile_file():
    cap = rounded_rect(9, 12, 23, 26, 2.5)
    top = rounded_rect(11, 13, 21, 22, 1.5)
    letter = union(rounded_rect(14, 15, 15.6, 20, 0.3), rounded_rect(14, 18.6, 18.5, 20, 0.3))
    return page_layers() + [(cap, DARK), (top, BLUE), (letter, WHITE)]


def language_file():
    bubble = union(rounded_rect(8, 9, 24, 22, 4), lambda x, y: 11 <= x <= 16 and 21 <= y <= 27 - (x - 11))
    inner = rounded_rect(9.2, 10.2, 22.8, 20.8, 3)
    dots = union(circle(12.5, 15.5, 1.4), circle(16, 15.5, 1.4), circle(19.5, 15.5, 1.4))
    return page_layers() + [(bubble, DARK), (inner, GREEN), (dots, WHITE)]


def render(layers, size):
    """Rows top first of (b, g, r, a)."""
    rows = []
    scale = 32.0 / size
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for shape, c in layers:
                        if shape(x, y):
                            colour = c
                    if colour:
                        total[0] += colour[2]
                        total[1] += colour[1]
                        total[2] += colour[0]
                        total[3] += 1
            n = SAMPLES * SAMPLES
            alpha = total[3] / n
            if total[3]:
                pixel = tuple(int(round(total[i] / total[3])) for i in range(3)) + (int(round(alpha * 255)),)
            else:
                pixel = (0, 0, 0, 0)
            row.append(pixel)
        rows.append(row)
    return rows


def icon_image(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(p) for row in reversed(rows) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        row_bytes = bytearray(mask_row)
        for x, p in enumerate(row):
            if p[3] == 0:
                row_bytes[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(row_bytes)
    return header + pixels + mask


def write_icon(path, layers):
    images = [icon_image(render(layers, size)) for size in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    path.write_bytes(out + b"".join(images))


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    write_icon(OUT / "Velmora.ico", program())
    write_icon(OUT / "Controller.ico", controller_file())
    write_icon(OUT / "Profile.ico", profile_file())
    write_icon(OUT / "Language.ico", language_file())


if __name__ == "__main__":
    main()
