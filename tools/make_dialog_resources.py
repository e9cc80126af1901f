#!/usr/bin/env python3
"""Draws the settings dialog's pictures and its hand cursor.

- marble.bmp: the panel's marble texture, 556 x 20, 24-bit, light grey with
  soft darker veins. The panel is tiled with it, so its top and bottom rows
  are drawn to meet without a seam.
- option_off.bmp: the not-selected option picture, 12 x 12, 24-bit: an empty
  white square with a grey border.
- option_on.bmp: the selected option picture, 12 x 12, 24-bit: a filled blue
  square.
- hand.cur: the link's pointer, a 32 x 32 monochrome pointing hand whose
  finger tip, the hot spot, is at (12, 10).

    python3 tools/make_dialog_resources.py [output folder]

The default output is shell/dialog/resources/ beside this repository's tools
folder. Only the standard library is used; the output is deterministic.
"""
import math
import os
import struct
import sys

MARBLE_SIZE = (556, 20)
MARBLE_BASE = 222        # light grey
MARBLE_VEIN_DEPTH = 34   # how much darker the veins are at their centre
MARBLE_GRAIN = 6         # amplitude of the fine grain

OPTION_SIZE = 12
OPTION_BORDER = (128, 128, 128)
OPTION_FILL_OFF = (255, 255, 255)
OPTION_FILL_ON = (32, 72, 208)
OPTION_BORDER_ON = (16, 40, 128)

CURSOR_SIZE = 32
CURSOR_HOT_SPOT = (12, 10)

# The hand: '#' outline (black), '.' inside (white), blank transparent. The
# finger tip's top outline pixel is the hot spot, row 10, column 12.
HAND = """
            ##
           #..#
           #..#
           #..#
           #..#
           #..###
           #..#..###
        ## #..#..#..##
       #..##..#..#..#.#
       #...#........#.#
        #..#..........#
        #.............#
         #............#
         #...........#
          #..........#
          #.........#
           #........#
           #........#
           ##########
"""


def bmp24(width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b) with y from the top."""
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(rows), 0, 0, 14 + len(header))
    return file_header + header + bytes(rows)


def grain(x, y):
    """A fixed pseudo-random value in [-1, 1] for a pixel, the same on every run."""
    n = (x * 374761393 + y * 668265263) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 32767.5 - 1.0


def marble(x, y):
    width, height = MARBLE_SIZE
    # Veins wander along the strip; y enters through a full period of the
    # strip's height so that the top and bottom rows meet when tiled.
    phase = 2 * math.pi * y / height
    wave = (math.sin(x * 0.045 + 1.7 * math.sin(phase) + 2.0 * math.sin(x * 0.011))
            + 0.6 * math.sin(x * 0.13 + 1.1 * math.cos(phase) + 0.8 * math.sin(x * 0.027)))
    vein = math.exp(-(wave * 2.2) ** 2)
    v = MARBLE_BASE - MARBLE_VEIN_DEPTH * vein + MARBLE_GRAIN * grain(x, y)
    v = max(0, min(255, int(round(v))))
    return v, v, min(255, v + 3)


def option_picture(fill, border):
    def pixel(x, y):
        edge = x in (0, OPTION_SIZE - 1) or y in (0, OPTION_SIZE - 1)
        return border if edge else fill
    return bmp24(OPTION_SIZE, OPTION_SIZE, pixel)


def hand_rows():
    lines = HAND.strip('\n').split('\n')
    rows = [' ' * CURSOR_SIZE] * CURSOR_HOT_SPOT[1] + [line.ljust(CURSOR_SIZE) for line in lines]
    rows += [' ' * CURSOR_SIZE] * (CURSOR_SIZE - len(rows))
    assert len(rows) == CURSOR_SIZE and all(len(r) == CURSOR_SIZE for r in rows)
    hx, hy = CURSOR_HOT_SPOT
    assert rows[hy][hx] == '#', 'the hot spot must be the finger tip'
    return rows


def cursor(rows):
    """A .cur file with one 32 x 32 monochrome image."""
    size = CURSOR_SIZE
    stride = 4  # 32 one-bit pixels

    def mask(bit_for):
        out = bytearray()
        for row in reversed(rows):
            bits = bytearray(stride)
            for x, c in enumerate(row):
                if bit_for(c):
                    bits[x // 8] |= 0x80 >> (x % 8)
            out += bits
        return bytes(out)

    xor = mask(lambda c: c == '.')   # white where set, over a cleared AND bit
    and_ = mask(lambda c: c == ' ')  # set: the screen shows through
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, len(xor) + len(and_), 0, 0,
                         2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = header + palette + xor + and_
    hx, hy = CURSOR_HOT_SPOT
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hx, hy, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, '..', 'shell', 'dialog', 'resources')
    folder = sys.argv[1] if len(sys.argv) > 1 else default
    os.makedirs(folder, exist_ok=True)
    outputs = {
        'marble.bmp': bmp24(*MARBLE_SIZE, marble),
        'option_off.bmp': option_picture(OPTION_FILL_OFF, OPTION_BORDER),
        'option_on.bmp': option_picture(OPTION_FILL_ON, OPTION_BORDER_ON),
        'hand.cur': cursor(hand_rows()),
    }
    for name, data in outputs.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
