#!/usr/bin/env python3
"""Draws the renderer's icon: a small glowing two-armed swirl on black.

Writes one 32 x 32 image with a 16-colour palette as a Windows .ico file
(default: renderer/resources/zelvane.ico beside this tools folder).

    python3 tools/make_icon.py [output.ico]
"""
import math
import os
import struct
import sys

SIZE = 32
ARMS = 2
TWIST = 0.55  # radians of turn per pixel of radius

# Black, then a glow ramp from deep violet through blue and cyan to white.
PALETTE = [
    (0, 0, 0), (20, 0, 40), (40, 0, 80), (60, 10, 120), (70, 30, 160), (60, 60, 200),
    (40, 90, 230), (20, 130, 245), (0, 170, 255), (40, 200, 255), (90, 220, 255),
    (140, 235, 255), (180, 245, 255), (210, 250, 255), (235, 253, 255), (255, 255, 255),
]


def brightness(x, y):
    """Glow in [0, 1] at pixel (x, y): bright core, arms fading outwards."""
    dx, dy = x - (SIZE - 1) / 2, y - (SIZE - 1) / 2
    radius = math.hypot(dx, dy)
    angle = math.atan2(dy, dx)
    # Angular distance to the nearest arm, which turns further as it goes out.
    phase = (angle - TWIST * radius) * ARMS / (2 * math.pi)
    off_arm = abs(phase - round(phase)) * 2 * math.pi / ARMS * max(radius, 1.0)
    arm = math.exp(-(off_arm / 2.2) ** 2) * max(0.0, 1.0 - radius / 16.0)
    core = math.exp(-(radius / 4.0) ** 2)
    return min(1.0, arm + core)


def image_rows():
    """Palette indices, bottom row first as bitmaps store them."""
    rows = []
    for y in reversed(range(SIZE)):
        rows.append([min(15, int(brightness(x, y) * 15.999)) for x in range(SIZE)])
    return rows


def ico_bytes():
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    pixels = b"".join(
        bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2)) for row in image_rows())
    mask = bytes(SIZE // 8 * SIZE)  # every pixel opaque
    image = header + palette + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "renderer", "resources", "zelvane.ico")
    path = sys.argv[1] if len(sys.argv) > 1 else default
    with open(path, "wb") as out:
        out.write(ico_bytes())


if __name__ == "__main__":
    main()
