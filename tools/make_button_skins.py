#!/usr/bin/env python3
"""Draws the six skin images of the shell's push button as 24-bit BMP files.

Each image is 64 x 25 pixels. Only its ring is ever copied onto a button: the
outer four pixels on each side. Ring index 0 is the outermost pixel line (a
soft edge towards the dialog background), index 1 the dark outline (index 2
on the sunken Pressed face), the rest inner lines that give each state its
glow. The 4 x 4 corners are rounded: the outline turns the corner diagonally
through intermediate shades. The centre is never shown and stays white.

    python3 tools/make_button_skins.py [output folder]

The default output is shell/controls/skins/ beside this repository's tools
folder. HighLight and HighLightSelect are one picture, highlight.bmp. Only the
standard library is used; the output is deterministic.
"""
import os
import struct
import sys

WIDTH, HEIGHT = 64, 25
RING = 4
BACKGROUND = 0xECE9D8  # the dialog background the soft edge fades into
OUTLINE = 0x003C74
WHITE = 0xFFFFFF

# The idle face's top-left corner, rows 0 to 3, left to right.
NORMAL_TOP_LEFT = (
    (0xE9E7D5, 0xE4DFCE, 0xE1DDCA, 0xE0DCC9),
    (0xE4DFCE, 0xE6E1D0, 0x7A95A8, 0x255783),
    (0xE2DECB, 0x7A95A8, 0x557DA2, 0xC0CFDD),
    (0xE2DECB, 0x255783, 0xBFCEDC, 0xFEFEFE),
)


def channels(c):
    return (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF


def lerp(a, b, t):
    """The colour t of the way from a to b."""
    return sum(round(x + (y - x) * t) << s
               for x, y, s in zip(channels(a), channels(b), (16, 8, 0)))


def mix(a, b):
    return lerp(a, b, 0.5)


def const(c):
    return lambda t: c


def ramp(top, bottom):
    return lambda t: lerp(top, bottom, t)


# The idle face's soft outermost line: top and bottom change colour part way
# along, the sides are plain.
def normal_outer_top(x):
    return 0xDCD6C2 if 36 <= x < 60 else 0xE0DCC9


def normal_outer_bottom(x):
    return 0xFAFAF6 if 32 <= x < 60 else 0xF8F7F0


NORMAL_OUTER = dict(top=normal_outer_top, bottom=normal_outer_bottom,
                    left=0xE2DECB, right=0xF0EEE0)
FLAT_OUTER = dict(top=lambda x: BACKGROUND, bottom=lambda x: BACKGROUND,
                  left=BACKGROUND, right=BACKGROUND)

# Each face: the outermost line, the outline's ring index and colour, and the
# lines inside (index 2 then 3; on Pressed index 1 lies outside the outline).
# Row lines are colours; column lines are ramps over the edge from top (0) to
# bottom (1).
SKINS = {
    "normal": dict(
        outer=NORMAL_OUTER, outline=(1, OUTLINE),
        top=(0xF3F3EE, 0xF3F3EE), bottom=(0xD6D0C5, 0xE2DFD6),
        left=(ramp(0xFDFDFC, 0xECEBE6), ramp(0xFDFDFC, 0xECEBE6)),
        right=(ramp(0xF6F4F2, 0xE0DDD4), ramp(0xFBFBFA, 0xE4E2DA))),
    "highlight": dict(
        outer=NORMAL_OUTER, outline=(1, OUTLINE),
        top=(0xFFF0CF, 0xFDD889), bottom=(0xE59700, 0xF8B330),
        left=(ramp(0xFEDF9A, 0xF9B435), ramp(0xFCD279, 0xF8B535)),
        right=(ramp(0xFEDF9A, 0xF9B435), ramp(0xFCD279, 0xF8B535))),
    "selected": dict(
        outer=NORMAL_OUTER, outline=(1, OUTLINE),
        top=(0xCEE7FF, 0xCEE7FF), bottom=(0x6982EE, 0x6982EE),
        left=(ramp(0xB7D0F4, 0x8BADE4),) * 2,
        right=(ramp(0xB7D0F4, 0x8BADE4),) * 2),
    "pressed": dict(
        outer=FLAT_OUTER, outline=(2, OUTLINE),
        top=(0xE0DCC9, 0xD1CCC1), bottom=(0xF8F7F0, 0xF2F1EE),
        left=(const(0xE2DECB), const(0xD7D4CA)),
        right=(const(0xF0EEE0), const(0xE5E4DC))),
    "disable": dict(
        outer=FLAT_OUTER, outline=(1, 0xC9C7BA),
        top=(0xF5F4EA, 0xF5F4EA), bottom=(0xF5F4EA, 0xF5F4EA),
        left=(const(0xF5F4EA),) * 2, right=(const(0xF5F4EA),) * 2),
}


def line_colour(skin, side, index, along):
    """The colour of ring line `index` on `side` at position `along` (a
    column for top and bottom, a fraction 0..1 down the edge for the sides)."""
    outline_index, outline = skin["outline"]
    if index == 0:
        outer = skin["outer"][side]
        return outer(along) if side in ("top", "bottom") else outer
    if index == outline_index:
        return outline
    others = [i for i in range(1, RING) if i != outline_index]
    inner = skin[side][others.index(index)]
    return inner if side in ("top", "bottom") else inner(along)


def corner(skin, row_side, column_side, column, end):
    """The 4 x 4 corner where the row lines of row_side meet the column lines
    of column_side; r and c count ring lines inwards. `column` is the image
    column next to the corner, `end` 0 at the top and 1 at the bottom."""
    outline_index, outline = skin["outline"]

    def h(i):
        return line_colour(skin, row_side, i, column)

    def v(i):
        return line_colour(skin, column_side, i, end)

    cell = [[0] * RING for _ in range(RING)]
    for r in range(RING):
        for c in range(RING):
            if r == 0 and c == 0:
                colour = lerp(mix(h(0), v(0)), BACKGROUND, 0.6)
            elif r == 0 or c == 0:
                colour = h(0) if r == 0 else v(0)
                if max(r, c) == 1:
                    colour = lerp(colour, BACKGROUND, 0.3)
            elif outline_index == 1:
                colour = {
                    (1, 1): lerp(mix(h(0), v(0)), BACKGROUND, 0.5),
                    (1, 2): lerp(lerp(mix(h(0), v(0)), BACKGROUND, 0.5), outline, 0.46),
                    (2, 1): lerp(lerp(mix(h(0), v(0)), BACKGROUND, 0.5), outline, 0.46),
                    (1, 3): lerp(h(0), outline, 0.84),
                    (3, 1): lerp(v(0), outline, 0.84),
                    (2, 2): lerp(mix(h(2), v(2)), outline, 0.63),
                    (2, 3): lerp(mix(h(2), v(3)), outline, 0.22),
                    (3, 2): lerp(mix(h(3), v(2)), outline, 0.22),
                    (3, 3): lerp(mix(h(3), v(3)), WHITE, 0.5),
                }[(r, c)]
            else:  # the sunken face: its outline one line further in
                colour = {
                    (1, 1): lerp(mix(h(1), v(1)), BACKGROUND, 0.5),
                    (1, 2): lerp(h(1), outline, 0.3),
                    (2, 1): lerp(v(1), outline, 0.3),
                    (1, 3): h(1),
                    (3, 1): v(1),
                    (2, 2): lerp(mix(h(1), v(1)), outline, 0.6),
                    (2, 3): outline,
                    (3, 2): outline,
                    (3, 3): mix(h(3), v(3)),
                }[(r, c)]
            cell[r][c] = colour
    return cell


def draw(name):
    skin = SKINS[name]
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    edge_rows = HEIGHT - 2 * RING - 1
    for i in range(RING):
        for x in range(WIDTH):
            pixels[i][x] = line_colour(skin, "top", i, x)
            pixels[HEIGHT - 1 - i][x] = line_colour(skin, "bottom", i, x)
        for y in range(HEIGHT):
            t = min(max((y - RING) / edge_rows, 0.0), 1.0)
            pixels[y][i] = line_colour(skin, "left", i, t)
            pixels[y][WIDTH - 1 - i] = line_colour(skin, "right", i, t)
    corners = (("top", "left", RING, 0.0), ("top", "right", WIDTH - 1 - RING, 0.0),
               ("bottom", "left", RING, 1.0), ("bottom", "right", WIDTH - 1 - RING, 1.0))
    for row_side, column_side, column, end in corners:
        cell = corner(skin, row_side, column_side, column, end)
        if name == "normal" and (row_side, column_side) == ("top", "left"):
            cell = NORMAL_TOP_LEFT
        for r in range(RING):
            for c in range(RING):
                y = r if row_side == "top" else HEIGHT - 1 - r
                x = c if column_side == "left" else WIDTH - 1 - c
                pixels[y][x] = cell[r][c]
    return pixels


def bmp(pixels):
    """A bottom-up 24-bit BMP file of the pixel rows."""
    row_bytes = (len(pixels[0]) * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for c in row:
            r, g, b = channels(c)
            line += bytes((b, g, r))
        body += line + bytes(row_bytes - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, len(pixels[0]), len(pixels), 1, 24, 0,
                         len(body), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(body), 0, 0,
                               14 + len(header)) + header + bytes(body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "shell", "controls", "skins")
    os.makedirs(folder, exist_ok=True)
    for name in SKINS:
        with open(os.path.join(folder, name + ".bmp"), "wb") as f:
            f.write(bmp(draw(name)))


if __name__ == "__main__":
    main()
