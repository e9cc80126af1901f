"""The saver host, run as users install it: a copy of the shell in a folder whose
name has blanks and Japanese characters, beside the real renderer or a stand-in
that ends at once without a window (the probe without arguments). The run ends
once the renderer's window has gone, or once the renderer has ended unseen."""

import ctypes
import os
import shutil
import time

from harness import WineTestCase

SHELL, RENDERER = "ゼルヴェイン.scr", "ゼルヴェイン.dll"
HOST_TITLE, RENDERER_TITLE = "Zelvane_Main", "Zelvane_VC"
START_TIMEOUT, END_TIMEOUT = 30, 10
APPEAR_LIMIT = 15.0  # how long the host waits for the renderer window
# The host looks for the renderer window every 500 ms: the shell ends within
# one look (and the time to end) of the renderer's end. Measured from the key
# press, which ends the renderer at once: Wine reports a process's end late.
RENDERER_TO_SHELL_END = 1.5


class HostTest(WineTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Wine starts the renderer in a process that is orphaned at once. Taking
        # in orphans (PR_SET_CHILD_SUBREAPER) makes it a child of this process,
        # so that its exit status can be read.
        libc = ctypes.CDLL(None, use_errno=True)
        if libc.prctl(36, 1, 0, 0, 0) != 0:
            raise OSError(ctypes.get_errno(), "prctl(PR_SET_CHILD_SUBREAPER)")

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
        [renderer] = [pid for pid, command in self.session.product_processes()
                      if command.endswith(RENDERER)]
        time.sleep(1)  # a window gone before the host saw it is one never shown
        self.x.key("space", RENDERER_TITLE)
        pressed = time.monotonic()

        def renderer_status():
            done, status = os.waitpid(renderer, os.WNOHANG)
            return (os.waitstatus_to_exitcode(status),) if done else None

        self.assertEqual(self.wait_until(renderer_status, END_TIMEOUT, interval=0.02,
                                         message="the renderer's end"), (0,))
        self.assertEqual(self.wait_for_exit(process, timeout=END_TIMEOUT), 0)
        self.assertLess(time.monotonic() - pressed, RENDERER_TO_SHELL_END)
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        interval=0.02, message="the end of every process of the saver")

    def test_renderer_that_ends_without_a_window_ends_the_run(self):
        # The host notices the renderer's end; it does not sit out its wait for
        # the window (which only bounds a renderer that lives on unseen).
        started = time.monotonic()
        process = self.start_saver(os.environ["ZELVANE_PROBE"])
        self.assertEqual(self.wait_for_exit(process, timeout=APPEAR_LIMIT + END_TIMEOUT), 0)
        self.assertLess(time.monotonic() - started, APPEAR_LIMIT)
