"""Screenshots of the session's X display and simple colour statistics."""

import subprocess
from dataclasses import dataclass
from pathlib import Path


@dataclass(frozen=True)
class ColourStats:
    pixels: int       # pixels looked at
    black: int        # every channel below the black limit
    coloured: int     # bright enough, and clearly more of one colour than another
    mean_brightness: float

    @property
    def black_fraction(self):
        return self.black / self.pixels

    @property
    def coloured_fraction(self):
        return self.coloured / self.pixels


class Screenshot:
    """An RGB picture of the whole screen (the root window)."""

    def __init__(self, width, height, rgb, path):
        self.width, self.height, self.rgb, self.path = width, height, rgb, path

    @classmethod
    def take(cls, session, path):
        path = Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["import", "-display", session.display, "-window", "root", str(path)],
                       env=session.env, check=True, capture_output=True,
                       stdin=subprocess.DEVNULL, timeout=60)
        return cls.load(path)

    @classmethod
    def load(cls, png_path):
        ppm_path = Path(png_path).with_suffix(".ppm")
        subprocess.run(["convert", str(png_path), "-depth", "8", f"ppm:{ppm_path}"],
                       check=True, capture_output=True, stdin=subprocess.DEVNULL, timeout=60)
        data = ppm_path.read_bytes()
        width, height, rgb = _parse_ppm(data)
        return cls(width, height, rgb, Path(png_path))

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def stats(self, box=None, step=2, black_limit=24, colour_min=64, colour_spread=40):
        """Colour statistics of box (left, top, right, bottom; whole screen if None).

        Every step-th pixel of every step-th row is looked at.
        """
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        pixels = black = coloured = brightness = 0
        for y in range(top, bottom, step):
            row = self.rgb[(y * self.width + left) * 3:(y * self.width + right) * 3]
            for i in range(0, len(row), 3 * step):
                r, g, b = row[i], row[i + 1], row[i + 2]
                hi, lo = max(r, g, b), min(r, g, b)
                pixels += 1
                brightness += hi
                if hi < black_limit:
                    black += 1
                elif hi >= colour_min and hi - lo >= colour_spread:
                    coloured += 1
        return ColourStats(pixels, black, coloured, brightness / max(pixels, 1))

    def difference(self, other, tolerance=16):
        """Fraction of pixels whose colour differs by more than tolerance in a channel."""
        if (self.width, self.height) != (other.width, other.height):
            return 1.0
        a, b = self.rgb, other.rgb
        differing = 0
        for i in range(0, len(a), 3):
            if (abs(a[i] - b[i]) > tolerance or abs(a[i + 1] - b[i + 1]) > tolerance
                    or abs(a[i + 2] - b[i + 2]) > tolerance):
                differing += 1
        return differing / (self.width * self.height)


def _parse_ppm(data):
    """Width, height and pixel bytes of a binary (P6) PPM with 8-bit samples."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pos += 1  # the single whitespace after the header
    return width, height, data[pos:pos + width * height * 3]
