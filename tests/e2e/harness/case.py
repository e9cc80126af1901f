"""The base class of the end-to-end tests."""

import os
import re
import shutil
import subprocess
import unittest
from pathlib import Path

from .polling import wait_until
from .probe import Probe
from .screen import Screenshot
from .session import REPO_ROOT, WineSession, end_process
from .xinput import XInput

# Titles of every top-level window the product may open; none may outlive a test.
PRODUCT_WINDOW_TITLES = ("Zelvane_VC", "Zelvane_Main", "<ゼルヴェイン>", "Preview Window")
# The per-user settings folder in %APPDATA%; each test starts and ends without it.
USER_SETTINGS_FOLDER = "ゼルヴェイン"


class WineTestCase(unittest.TestCase):
    """A test that runs programs of the product in the locale's Wine session.

    Each test gets a scratch folder, a probe and X input. After each test no
    program it started may still run, and no process or window of the product
    may be left; whatever is left is ended and the test fails. Nor may a program
    it started report a failure the test did not declare with expect_failures.
    """

    session = None

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        if WineTestCase.session is None:
            WineTestCase.session = WineSession()
        cls.dist = Path(os.environ.get("ZELVANE_DIST", REPO_ROOT / "dist"))
        cls.scratch_root = Path(os.environ.get("ZELVANE_SCRATCH",
                                               REPO_ROOT / "build" / "e2e"))

    def setUp(self):
        super().setUp()
        name = re.sub(r"[^\w.-]", "_", self.id())
        self.scratch = self.scratch_root / self.session.locale / name
        shutil.rmtree(self.scratch, ignore_errors=True)
        self.scratch.mkdir(parents=True)
        self.probe = Probe(self.session, self.scratch / "probe")
        self.x = XInput(self.session, self.probe)
        self._started = []
        self._helpers = []
        self._expected_failures = []
        self.user_settings = self.session.appdata / USER_SETTINGS_FOLDER
        shutil.rmtree(self.user_settings, ignore_errors=True)
        self.addCleanup(shutil.rmtree, self.user_settings, ignore_errors=True)
        self.addCleanup(self._check_failure_reports)
        self.addCleanup(self._end_helpers)
        self.addCleanup(self._check_nothing_left)

    # Starting programs -----------------------------------------------------

    def product_path(self, file_name):
        path = self.dist / file_name
        if not path.is_file():
            self.fail(f"{path} does not exist: build the product first")
        return path

    def start_product(self, file_name, *args, debug_channels=None):
        """Starts a shipped program from the dist folder; returns its ProgramProcess."""
        return self.start_program(self.product_path(file_name), *args,
                                  debug_channels=debug_channels)

    def start_program(self, path, *args, debug_channels=None):
        process = self.session.start(path, *args, output_dir=self.scratch,
                                     debug_channels=debug_channels)
        self._started.append(process)
        return process

    def open_test_window(self, width, height, **options):
        """A probe test window (see Probe.open_test_window), ended after the test."""
        window = self.probe.open_test_window(width, height, **options)
        self._helpers.append(window.process)
        return window

    def hold_file(self, path, **options):
        """Holds a file open (see Probe.hold for the options) until the returned
        process is killed, or the end of the test."""
        process = self.probe.hold(path, **options)
        self._helpers.append(process)
        return process

    def wait_for_exit(self, process, timeout=15.0):
        """The exit status of process; fails the test if it still runs after timeout."""
        try:
            return process.wait(timeout=timeout)
        except Exception:
            self.fail(f"{process.name} still runs {timeout} s later")

    def expect_failures(self, *patterns):
        """Declares failure reports this test expects: each report ("<program>:
        <what>", see ProgramProcess.failure_reports) that a pattern (a regular
        expression) finds is allowed. Unexpected ones fail the test."""
        self._expected_failures += [re.compile(p) for p in patterns]

    def make_unwritable(self, *paths):
        """Makes files and folders unwritable to Wine, which as root may write
        anywhere otherwise (chattr +i); they are made writable again after the test."""
        for path in paths:
            subprocess.run(["chattr", "+i", str(path)], check=True, stdin=subprocess.DEVNULL)
            self.addCleanup(subprocess.run, ["chattr", "-i", str(path)], check=True,
                            stdin=subprocess.DEVNULL)

    # Looking at the screen -------------------------------------------------

    def screenshot(self, name):
        return Screenshot.take(self.session, self.scratch / f"{name}.png")

    def wait_until(self, condition, timeout=10.0, interval=0.1, message="condition"):
        return wait_until(condition, timeout, interval, message)

    # After each test ---------------------------------------------------------

    def _end_helpers(self):
        for process in self._helpers:
            process.kill()

    def _check_failure_reports(self):
        unexpected = [f"{p.name}: {report}" for p in self._started
                      for report in p.failure_reports()
                      if not any(e.search(report) for e in self._expected_failures)]
        if unexpected:
            self.fail("unexpected failure reports: " + "; ".join(unexpected))

    def _check_nothing_left(self):
        left = []
        running = [p for p in self._started if p.is_running()]
        left += [f"{p.name} (pid {p.pid}) still runs" for p in running]
        strays = self.session.product_processes()
        left += [f"process {pid} {command} still runs" for pid, command in strays]
        for title in PRODUCT_WINDOW_TITLES:
            windows = self.probe.find(title=title)
            left += [f"a window titled '{title}' (pid {w.pid}) is left" for w in windows]
        for process in running:
            process.kill()
        for pid, _ in strays:
            end_process(pid)
        if left:
            for title in PRODUCT_WINDOW_TITLES:
                self.probe.wait_gone(title=title, timeout=5)
            self.fail("left behind by the test: " + "; ".join(left))
