"""The saver host, run from a folder whose name has blanks and Japanese
characters, beside the real renderer or a stand-in: the probe, which started
without arguments ends at once without a window, or with
ZELVANE_PROBE_STANDIN=no-window in its environment runs on without one."""

import copy
import os
import shutil
import signal
import time

from harness import WineTestCase
from harness.dialog import RENDERER, SHELL

HOST_TITLE, RENDERER_TITLE = "Zelvane_Main", "Zelvane_VC"
START_TIMEOUT, END_TIMEOUT = 30, 10
APPEAR_LIMIT = 15.0  # how long the host waits for the renderer window
# The host looks for the renderer window every 500 ms: the shell ends within
# one look (and the time to end) of the key press, which ends the renderer at once.
RENDERER_TO_SHELL_END = 1.5
# A renderer outlives a shell that was killed by no more than this.
RENDERER_AFTER_KILLED_SHELL = 1.0


class HostTest(WineTestCase):
    def start_saver(self, renderer):
        folder = self.scratch / "スクリーン セーバー ゼルヴェイン"
        folder.mkdir()
        shutil.copy2(self.product_path(SHELL), folder / SHELL)
        shutil.copy2(renderer, folder / RENDERER)
        process = self.start_program(folder / SHELL, "/s")
        [host] = self.probe.wait_for(title=HOST_TITLE, timeout=START_TIMEOUT) or [None]
        self.assertFalse(host is None or host.visible, "no hidden saver host")
        return process

    def renderer_window(self, process_id=None):
        """The renderer's window once it is shown (not one of another process)."""
        def shown():
            return [w for w in self.probe.find(title=RENDERER_TITLE, visible=True)
                    if w.pid != process_id]
        [window] = self.wait_until(shown, START_TIMEOUT, message="the renderer window")
        return window

    def test_run_ends_by_itself_when_the_renderer_is_dismissed(self):
        # A window titled like the renderer's, left by another program (say a
        # renderer of an earlier run): the host starts and watches its own all the same.
        stray = self.open_test_window(100, 80, x=1100, y=900, title=RENDERER_TITLE)
        process = self.start_saver(self.product_path(RENDERER))
        renderer = self.renderer_window(process_id=stray.window.pid)
        time.sleep(1)  # a window gone before the host saw it is one never shown
        self.x.key("space", renderer)
        pressed = time.monotonic()
        self.assertEqual(self.wait_for_exit(process, timeout=END_TIMEOUT), 0)
        self.assertLess(time.monotonic() - pressed, RENDERER_TO_SHELL_END)
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        interval=0.02, message="the end of every process of the saver")
        self.assertEqual(len(self.probe.find(title=RENDERER_TITLE)), 1, "the stray window went")
        stray.process.kill()
        self.assertTrue(self.probe.wait_gone(title=RENDERER_TITLE, timeout=END_TIMEOUT))

    def test_killed_shell_takes_its_renderer_with_it(self):
        process = self.start_saver(self.product_path(RENDERER))
        self.renderer_window()
        # The shell's own process alone: its process group holds the renderer too.
        os.kill(process.pid, signal.SIGKILL)
        killed = time.monotonic()
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        interval=0.02, message="the end of the renderer")
        self.assertLess(time.monotonic() - killed, RENDERER_AFTER_KILLED_SHELL)
        self.assertTrue(self.probe.wait_gone(title=RENDERER_TITLE, timeout=END_TIMEOUT))

    def test_renderer_that_ends_without_a_window_ends_the_run(self):
        # The host notices the renderer's end rather than sit out its wait for the window.
        started = time.monotonic()
        process = self.start_saver(os.environ["ZELVANE_PROBE"])
        self.assertEqual(self.wait_for_exit(process, timeout=APPEAR_LIMIT + END_TIMEOUT), 0)
        self.assertLess(time.monotonic() - started, APPEAR_LIMIT)

    def test_renderer_that_never_shows_its_window_is_ended_with_the_run(self):
        self.session = copy.copy(self.session)
        self.session.env = dict(self.session.env, ZELVANE_PROBE_STANDIN="no-window")
        started = time.monotonic()
        process = self.start_saver(os.environ["ZELVANE_PROBE"])
        self.assertEqual(self.wait_for_exit(process, timeout=APPEAR_LIMIT + END_TIMEOUT), 0)
        self.assertGreaterEqual(time.monotonic() - started, APPEAR_LIMIT)
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        interval=0.02, message="the end of the renderer")
