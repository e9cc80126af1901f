#!/usr/bin/env python3
"""Draws the saver shell's icon and writes it as a Windows .ico file.

The picture: a dark screen with rounded corners on which two glowing particle
trails wind round its centre, one warm and one cool, as the saver's two swarms
do. It is drawn at 48, 32 and 16 pixels, 32-bit with alpha, from code alone, so
the icon can be remade at any time:

    python3 tools/make_shell_resources.py [output.ico]

The default output is shell/resources/zelvane_shell.ico beside this repository's
tools folder. Only the standard library is used; the output is deterministic.
"""
import math
import os
import struct
import sys

SIZES = (48, 32, 16)
SUPERSAMPLE = 4  # sub-samples per pixel edge for the screen's outline

SCREEN_COLOUR = (10, 12, 30)     # deep night blue
BEZEL_COLOUR = (120, 130, 160)   # light rim round the screen
TRAILS = (
    # (hue colour, start angle, turning direction)
    ((255, 150, 60), 0.0, 1.0),
    ((80, 190, 255), math.pi, 1.0),
)
DOTS_PER_TRAIL = 14


def rounded_rect_coverage(x, y, size, inset, radius):
    """Fraction of pixel (x, y) inside a rounded square inset from the edges."""
    inside = 0
    lo, hi = inset, size - inset
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            px = x + (sx + 0.5) / SUPERSAMPLE
            py = y + (sy + 0.5) / SUPERSAMPLE
            cx = min(max(px, lo + radius), hi - radius)
            cy = min(max(py, lo + radius), hi - radius)
            if lo <= px <= hi and lo <= py <= hi and math.hypot(px - cx, py - cy) <= radius:
                inside += 1
    return inside / SUPERSAMPLE ** 2


def trail_dots(size):
    """Centres, radii and colours of the glowing dots, oldest first."""
    centre = size / 2
    dots = []
    for colour, start, direction in TRAILS:
        for i in range(DOTS_PER_TRAIL):
            t = i / (DOTS_PER_TRAIL - 1)          # 0 = oldest, 1 = newest
            angle = start + direction * t * 1.6 * math.pi
            reach = size * (0.08 + 0.30 * t)      # the trail spirals outwards
            x = centre + reach * math.cos(angle)
            y = centre + reach * math.sin(angle) * 0.8
            brightness = 0.25 + 0.75 * t
            dots.append((x, y, size * (0.025 + 0.035 * t), colour, brightness))
    return dots


def draw(size):
    """Rows of (r, g, b, a) bytes, top row first."""
    inset = max(1, size // 16)
    radius = size * 0.18
    dots = trail_dots(size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            outer = rounded_rect_coverage(x, y, size, 0.5, radius)
            inner = rounded_rect_coverage(x, y, size, 0.5 + inset, radius - inset)
            r, g, b = (c * inner + k * (outer - inner) for c, k in zip(SCREEN_COLOUR, BEZEL_COLOUR))
            if outer > 0:
                r, g, b = r / outer, g / outer, b / outer
            # Additive glow of every dot, clipped to the screen.
            px, py = x + 0.5, y + 0.5
            for dx, dy, spread, colour, brightness in dots:
                d2 = (px - dx) ** 2 + (py - dy) ** 2
                glow = brightness * math.exp(-d2 / (2 * spread * spread)) * (inner / max(outer, 1e-9))
                r += colour[0] * glow
                g += colour[1] * glow
                b += colour[2] * glow
            row.append(tuple(min(255, int(round(v))) for v in (r, g, b)) + (int(round(outer * 255)),))
        rows.append(row)
    return rows


def dib(rows):
    """The image as an icon stores it: header, BGRA rows bottom-up, AND mask."""
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def icon(images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, data in images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, '..', 'shell', 'resources', 'zelvane_shell.ico')
    path = sys.argv[1] if len(sys.argv) > 1 else default
    with open(path, 'wb') as f:
        f.write(icon([(size, dib(draw(size))) for size in SIZES]))


if __name__ == '__main__':
    main()
