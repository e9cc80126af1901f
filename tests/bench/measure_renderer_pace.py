#!/usr/bin/env python3
"""Measures the renderer's frame pacing under Wine on the virtual display:

- the renderer program itself, as shipped, on one monitor and on two side by
  side (a field on each): its frame rate as Wine's fps trace (WINEDEBUG=fps)
  reports it, which counts every window's buffer swaps, so it is divided by
  the number of fields, and its processor time (user + system time of its Wine
  process, from /proc/<pid>/stat), per second and per frame;
- then, in the one-monitor Wine session, the frame-rate benchmark
  (renderer_fps), which runs the same scene code with the pacing off and on and
  prints frames per second and processor time per frame for each way of
  drawing.

    python3 tests/bench/measure_renderer_pace.py --build build/windows --seconds 10

Needs the `windows` build with the benchmark (renderer_fps) and the probe. The
Wine environments are their own, under <build>/measure-pace, started here and
stopped at the end.
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import time
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO_ROOT / "tests" / "e2e"))

from harness import Probe, WineSession, XInput, processor_seconds  # noqa: E402
from harness.session import end_process  # noqa: E402

RENDERER = "ゼルヴェイン.dll"
RENDERER_TITLE = "Zelvane_VC"
WINE_ENV = REPO_ROOT / "tools" / "wine-env.sh"
START_TIMEOUT = 30.0
END_TIMEOUT = 30.0
SETTLE_SECONDS = 2.0
# Wine's fps trace: "@ approx 59.93fps, total 58.12fps" every 1.5 s or so.
FPS_LINE = re.compile(r"@ approx ([0-9.]+)fps")


def measure_renderer(session, probe, dist, folder, seconds):
    renderer = session.start(dist / RENDERER, output_dir=folder, debug_channels="+fps")
    try:
        probe.wait_for(title=RENDERER_TITLE, visible=True, timeout=START_TIMEOUT)
        time.sleep(SETTLE_SECONDS)
        pids = [pid for pid, _ in session.product_processes()]
        if len(pids) != 1:
            raise RuntimeError(f"expected one renderer process, found {pids}")
        before, since = processor_seconds(pids[0]), time.monotonic()
        trace_from = len(renderer.stderr_text())
        time.sleep(seconds)
        used = processor_seconds(pids[0]) - before
        elapsed = time.monotonic() - since
        rates = [float(r) for r in FPS_LINE.findall(renderer.stderr_text()[trace_from:])]
        XInput(session, probe).key("space", RENDERER_TITLE)
        status = renderer.wait(timeout=END_TIMEOUT)
        return rates, used / elapsed, status
    finally:
        renderer.kill()
        for pid, _ in session.product_processes():
            end_process(pid)


def start_session(root, monitors):
    os.environ["ZELVANE_WINE_STATE"] = str(root / f"wine-{monitors}")
    os.environ["ZELVANE_LOCALE"] = "ja"
    os.environ["ZELVANE_MONITORS"] = str(monitors)
    with open(root / "wine-env.log", "ab") as log:
        subprocess.run([str(WINE_ENV), "start"], check=True, stdin=subprocess.DEVNULL,
                       stdout=log, stderr=log)
    return WineSession()


def stop_session(root):
    with open(root / "wine-env.log", "ab") as log:
        subprocess.run([str(WINE_ENV), "stop"], stdin=subprocess.DEVNULL, stdout=log, stderr=log)


def print_renderer_figures(monitors, rates, share, status):
    if not rates:
        print(f"renderer, {monitors} monitor(s): no fps trace lines (WINEDEBUG=fps)")
        return
    frames = statistics.median(rates) / monitors
    print(f"renderer (paced, as shipped), {monitors} monitor(s): {frames:.1f} frames/s median "
          f"(swaps {min(rates):.1f}-{max(rates):.1f}/s over {len(rates)} reports); "
          f"processor {share * 100:.1f} % of one, {share / frames * 1000:.2f} ms a frame; "
          f"exit status {status}", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", type=Path, default=REPO_ROOT / "build" / "windows")
    parser.add_argument("--dist", type=Path, default=REPO_ROOT / "dist")
    parser.add_argument("--seconds", type=float, default=10.0,
                        help="how long the renderer is measured")
    parser.add_argument("--bench-seconds", type=float, default=5.0,
                        help="how long each benchmark run lasts")
    args = parser.parse_args()

    build = args.build.resolve()
    root = build / "measure-pace"
    root.mkdir(parents=True, exist_ok=True)
    probe_program = build / "tests" / "probe" / "zelvane_probe.exe"
    for monitors in (2, 1):
        session = start_session(root, monitors)
        try:
            probe = Probe(session, root / "probe", executable=probe_program)
            print_renderer_figures(monitors, *measure_renderer(
                session, probe, args.dist.resolve(), root, args.seconds))
            if monitors == 1:
                bench = build / "tests" / "bench" / "renderer_fps.exe"
                status, out, err = session.run(bench, f"{args.bench_seconds:g}", output_dir=root,
                                               timeout=30 * args.bench_seconds + 60)
                print(out, end="")
                if status != 0:
                    print(f"renderer_fps ended with status {status}: {err}")
        finally:
            stop_session(root)
    print(f"load average: {' '.join(Path('/proc/loadavg').read_text().split()[:3])}")


if __name__ == "__main__":
    main()
