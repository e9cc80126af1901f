#!/usr/bin/env python3
"""Measures a saver run under Wine, a few times over, and prints median and range:

- start: seconds from starting the shell with /s to the renderer window on screen;
- end: seconds from a key press on the renderer to the end of the saver's last process;
- shell processor time over a stretch of the running saver (user + system time
  of the shell's Wine process, from /proc/<pid>/stat).

It runs the shipped programs from the dist folder, with no music, in a Wine
environment of its own under <build>/measure (started here and stopped at the
end), so that it does not disturb a test run of the same build:

    python3 tests/bench/measure_saver_run.py --build build/windows --runs 5
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO_ROOT / "tests" / "e2e"))

from harness import Probe, WineSession, XInput, processor_seconds, wait_until  # noqa: E402
from harness.session import end_process  # noqa: E402

SHELL = "ゼルヴェイン.scr"
RENDERER = "ゼルヴェイン.dll"
RENDERER_TITLE = "Zelvane_VC"
WINE_ENV = REPO_ROOT / "tools" / "wine-env.sh"

START_TIMEOUT = 30.0
END_TIMEOUT = 30.0
# The host looks for the renderer window every 500 ms; before a key press it
# must have seen it.
SETTLE_SECONDS = 1.0


class Measurer:
    def __init__(self, build, dist, cpu_seconds):
        self.root = build / "measure"
        self.dist = dist
        self.cpu_seconds = cpu_seconds
        self.session = WineSession()
        self.probe = Probe(self.session, self.root / "probe",
                           executable=build / "tests" / "probe" / "zelvane_probe.exe")
        self.x = XInput(self.session, self.probe)

    def install(self, run):
        folder = self.root / f"run-{run}"
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name in (SHELL, RENDERER):
            shutil.copy2(self.dist / name, folder / name)
        return folder

    def renderer_on_screen(self):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                 f"^{RENDERER_TITLE}$"], env=self.session.env,
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
        return result.returncode == 0 and result.stdout.strip() != b""

    def measure(self, run):
        folder = self.install(run)
        started = time.monotonic()
        shell = self.session.start(folder / SHELL, "/s", output_dir=folder)
        try:
            wait_until(self.renderer_on_screen, START_TIMEOUT, interval=0.02,
                       message="the renderer window")
            start = time.monotonic() - started

            time.sleep(SETTLE_SECONDS)
            before, since = processor_seconds(shell.pid), time.monotonic()
            time.sleep(self.cpu_seconds)
            used = processor_seconds(shell.pid) - before
            share = used / (time.monotonic() - since)

            self.x.key("space", RENDERER_TITLE)
            pressed = time.monotonic()
            wait_until(lambda: not self.session.product_processes(), END_TIMEOUT, interval=0.01,
                       message="the end of the saver's processes")
            end = time.monotonic() - pressed
            status = shell.wait(timeout=END_TIMEOUT)
            if status != 0:
                raise RuntimeError(f"the shell ended with status {status}")
            return start, end, used, share
        finally:
            shell.kill()
            for pid, _ in self.session.product_processes():
                end_process(pid)


def summary(values, unit, scale=1.0):
    scaled = [v * scale for v in values]
    return (f"median {statistics.median(scaled):.3f} {unit}, "
            f"range {min(scaled):.3f}-{max(scaled):.3f} {unit} ({len(values)} runs)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", type=Path, default=REPO_ROOT / "build" / "windows",
                        help="the Windows build folder (for the probe)")
    parser.add_argument("--dist", type=Path, default=REPO_ROOT / "dist",
                        help="the folder of the shipped programs")
    parser.add_argument("--locale", choices=("ja", "en"), default="ja")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--cpu-seconds", type=float, default=30.0,
                        help="how long the shell's processor time is taken over")
    args = parser.parse_args()

    build = args.build.resolve()
    os.environ["ZELVANE_WINE_STATE"] = str(build / "measure" / "wine")
    os.environ["ZELVANE_LOCALE"] = args.locale
    with open(build / "measure-wine-env.log", "wb") as log:
        subprocess.run([str(WINE_ENV), "start"], check=True, stdin=subprocess.DEVNULL,
                       stdout=log, stderr=log)
    try:
        measurer = Measurer(build, args.dist.resolve(), args.cpu_seconds)
        results = []
        for run in range(1, args.runs + 1):
            start, end, used, share = measurer.measure(run)
            results.append((start, end, used, share))
            print(f"run {run}: start {start:.3f} s, end {end:.3f} s, "
                  f"shell processor time {used:.3f} s in {args.cpu_seconds:g} s "
                  f"({share * 100:.2f} %)", flush=True)
    finally:
        with open(build / "measure-wine-env.log", "ab") as log:
            subprocess.run([str(WINE_ENV), "stop"], stdin=subprocess.DEVNULL,
                           stdout=log, stderr=log)

    starts, ends, used, shares = zip(*results)
    print(f"start /s to renderer window on screen: {summary(starts, 's')}")
    print(f"key press to the saver's last process ended: {summary(ends, 's')}")
    print(f"shell processor time per {args.cpu_seconds:g} s: {summary(used, 's')}; "
          f"share of one processor: {summary(shares, '%', 100)}")


if __name__ == "__main__":
    main()
