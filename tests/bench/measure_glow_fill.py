#!/usr/bin/env python3
"""Counts the glows' drawing work natively with callgrind against the system's
Mesa software OpenGL: the same five frames of the field drawn with the whole
billboard square and with the tight square the renderer draws, in one run.

    python3 tests/bench/measure_glow_fill.py --build build/bench

Needs the `bench` build (glow_fill_work), valgrind and Xvfb. Instruction
counts do not move with the machine's load.
"""

import argparse
import os
import re
import subprocess
import tempfile
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
FUNCTIONS = ("DrawSquareGlowFrames", "DrawTightGlowFrames")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", type=Path, default=REPO_ROOT / "build" / "bench")
    args = parser.parse_args()
    program = args.build.resolve() / "tests" / "bench" / "glow_fill_work"

    with tempfile.TemporaryDirectory() as folder:
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                 "1280x1024x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            with os.fdopen(read_end) as display_number:
                display = ":" + display_number.readline().strip()
            out = Path(folder) / "callgrind.out"
            # One rasteriser thread: all of the drawing work is counted in the caller.
            env = dict(os.environ, DISPLAY=display, LP_NUM_THREADS="0")
            run = subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                                  str(program)], env=env, capture_output=True, text=True,
                                 check=True)
            print(run.stdout, end="")
            report = subprocess.run(["callgrind_annotate", "--inclusive=yes", str(out)],
                                    capture_output=True, text=True, check=True).stdout
        finally:
            xvfb.terminate()
            xvfb.wait()
    counts = {}
    for name in FUNCTIONS:
        match = re.search(r"^\s*([\d,]+) .*\b" + name + r"\(", report, re.M)
        counts[name] = int(match.group(1).replace(",", ""))
    square, tight = (counts[name] for name in FUNCTIONS)
    print(f"whole billboard square: {square:,} instructions")
    print(f"tight square:           {tight:,} instructions ({(tight - square) / square:+.1%})")


if __name__ == "__main__":
    main()
