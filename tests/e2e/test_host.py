"""The saver host: it starts the renderer, ends the run once the renderer's
window has gone, and does not wait forever for a renderer that never shows
one. Each test runs a copy of the shell in a folder of its own, beside the
real renderer or a stand-in that ends at once without a window (the probe
without arguments)."""

import os
import shutil
import time

from harness import WineTestCase

SHELL = "ゼルヴェイン.scr"
RENDERER = "ゼルヴェイン.dll"
HOST_TITLE = "Zelvane_Main"
RENDERER_TITLE = "Zelvane_VC"

START_TIMEOUT = 30
APPEAR_LIMIT = 15.0     # how long the host waits for the renderer window
END_TIMEOUT = 10


class HostTest(WineTestCase):
    def install(self, renderer):
        folder = self.scratch / "saver"
        folder.mkdir()
        shutil.copy2(self.product_path(SHELL), folder / SHELL)
        shutil.copy2(renderer, folder / RENDERER)
        return folder / SHELL

    def install_with_stand_in(self):
        return self.install(os.environ["ZELVANE_PROBE"])

    def wait_for_host(self):
        [host] = self.probe.wait_for(title=HOST_TITLE, timeout=START_TIMEOUT) or [None]
        self.assertIsNotNone(host, "no saver host")
        self.assertFalse(host.visible)
        return host

    def test_run_with_the_renderer_ends_when_the_renderer_is_dismissed(self):
        shell = self.install(self.product_path(RENDERER))
        process = self.start_program(shell, "/s")
        self.wait_for_host()
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, timeout=START_TIMEOUT))
        time.sleep(1)  # the host has seen the window; the renderer has settled
        self.x.key("space", RENDERER_TITLE)
        self.assertTrue(self.probe.wait_gone(title=RENDERER_TITLE, timeout=END_TIMEOUT))
        self.assertEqual(self.wait_for_exit(process, timeout=END_TIMEOUT), 0)
        self.assertEqual(self.probe.find(title=HOST_TITLE), [])

    def test_renderer_that_never_shows_its_window_ends_the_run_after_the_wait(self):
        started = time.monotonic()
        process = self.start_program(self.install_with_stand_in(), "/s")
        self.wait_for_host()
        self.assertEqual(self.wait_for_exit(process, timeout=APPEAR_LIMIT + END_TIMEOUT), 0)
        self.assertGreaterEqual(time.monotonic() - started, APPEAR_LIMIT)
