"""The saver host, run from a folder whose name has blanks and Japanese
characters, beside the real renderer or a stand-in that ends at once without a
window (the probe without arguments)."""

import os
import shutil
import time

from harness import WineTestCase

SHELL, RENDERER = "ゼルヴェイン.scr", "ゼルヴェイン.dll"
HOST_TITLE, RENDERER_TITLE = "Zelvane_Main", "Zelvane_VC"
START_TIMEOUT, END_TIMEOUT = 30, 10
APPEAR_LIMIT = 15.0  # how long the host waits for the renderer window
# The host looks for the renderer window every 500 ms: the shell ends within
# one look (and the time to end) of the key press, which ends the renderer at once.
RENDERER_TO_SHELL_END = 1.5


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

    def test_run_ends_by_itself_when_the_renderer_is_dismissed(self):
        process = self.start_saver(self.product_path(RENDERER))
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True,
                                            timeout=START_TIMEOUT), "no renderer window")
        time.sleep(1)  # a window gone before the host saw it is one never shown
        self.x.key("space", RENDERER_TITLE)
        pressed = time.monotonic()
        self.assertEqual(self.wait_for_exit(process, timeout=END_TIMEOUT), 0)
        self.assertLess(time.monotonic() - pressed, RENDERER_TO_SHELL_END)
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        interval=0.02, message="the end of every process of the saver")

    def test_renderer_that_ends_without_a_window_ends_the_run(self):
        # The host notices the renderer's end rather than sit out its wait for the window.
        started = time.monotonic()
        process = self.start_saver(os.environ["ZELVANE_PROBE"])
        self.assertEqual(self.wait_for_exit(process, timeout=APPEAR_LIMIT + END_TIMEOUT), 0)
        self.assertLess(time.monotonic() - started, APPEAR_LIMIT)
