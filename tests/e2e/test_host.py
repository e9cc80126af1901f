"""The saver host: it starts the renderer, ends the run once the renderer's
window has gone, and ends it too when the renderer ends without ever having
shown a window. Each test runs a copy of the shell in a folder of its own, beside the
real renderer or a stand-in that ends at once without a window (the probe
without arguments)."""

import ctypes
import os
import shutil
import sys
import time

from harness import WineTestCase

SHELL = "ゼルヴェイン.scr"
RENDERER = "ゼルヴェイン.dll"
HOST_TITLE = "Zelvane_Main"
RENDERER_TITLE = "Zelvane_VC"

START_TIMEOUT = 30
APPEAR_LIMIT = 15.0     # how long the host waits for the renderer window
END_TIMEOUT = 10
# The host looks for the renderer window every 500 ms: the shell ends within
# one look (and the time to end) of the renderer's end.
RENDERER_TO_SHELL_END = 1.5

_PR_SET_CHILD_SUBREAPER = 36


class HostTest(WineTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Wine starts the renderer in a process that is orphaned at once. Taking
        # in orphans makes it a child of this process, so that its exit status
        # can be read.
        libc = ctypes.CDLL(None, use_errno=True)
        if libc.prctl(_PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
            raise OSError(ctypes.get_errno(), "prctl(PR_SET_CHILD_SUBREAPER)")

    def install(self, renderer):
        folder = self.scratch / "スクリーン セーバー ゼルヴェイン"
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

    def renderer_pid(self):
        """The Unix pid of the one running renderer."""
        pids = [pid for pid, command in self.session.product_processes()
                if command.endswith(RENDERER)]
        self.assertEqual(len(pids), 1, "one renderer process")
        return pids[0]

    def exit_status_of_child(self, pid, timeout=END_TIMEOUT):
        def ended():
            try:
                done, status = os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                self.fail(f"process {pid} was not taken in as a child")
            return (os.waitstatus_to_exitcode(status),) if done else None

        [status] = self.wait_until(ended, timeout, interval=0.02,
                                   message=f"the end of process {pid}")
        return status

    def run_and_dismiss(self, *args):
        """Runs the saver with args, dismisses the renderer with a key and checks
        that the run ends by itself with nothing left."""
        shell = self.install(self.product_path(RENDERER))
        started = time.monotonic()
        process = self.start_program(shell, *args)
        self.wait_for_host()
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True,
                                            timeout=START_TIMEOUT), "no renderer window")
        appeared = time.monotonic() - started
        renderer = self.renderer_pid()
        # The host looks for the window every 500 ms: a window gone before it was
        # seen is a renderer that never showed one, and the run would only end
        # after the host's wait for it.
        time.sleep(1)

        self.x.key("space", RENDERER_TITLE)
        pressed = time.monotonic()
        self.assertEqual(self.exit_status_of_child(renderer), 0)
        renderer_ended = time.monotonic()
        self.assertEqual(self.wait_for_exit(process, timeout=END_TIMEOUT), 0)
        shell_after_renderer = time.monotonic() - renderer_ended
        self.assertLess(shell_after_renderer, RENDERER_TO_SHELL_END)
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        interval=0.02, message="the end of every process of the saver")
        ended = time.monotonic() - pressed
        self.assertEqual(self.probe.find(title=HOST_TITLE), [])
        self.assertEqual(self.probe.find(title=RENDERER_TITLE), [])
        # Timing targets are measured by tests/bench/measure_saver_run.py; these
        # are only for the log.
        print(f"\n  {args}: renderer window seen {appeared:.2f} s after the start, "
              f"shell ended {shell_after_renderer:.2f} s after the renderer, "
              f"nothing left {ended:.2f} s after the key", file=sys.stderr)

    def test_run_with_hidden_cursor_ends_by_itself_when_the_renderer_is_dismissed(self):
        self.run_and_dismiss("/s")

    def test_run_with_empty_command_line_ends_by_itself_when_the_renderer_is_dismissed(self):
        self.run_and_dismiss()

    def test_renderer_that_ends_without_a_window_ends_the_run(self):
        started = time.monotonic()
        process = self.start_program(self.install_with_stand_in(), "/s")
        self.wait_for_host()
        self.assertEqual(self.wait_for_exit(process, timeout=APPEAR_LIMIT + END_TIMEOUT), 0)
        # The host notices that the renderer has ended; it does not sit out its
        # wait for the window (which only bounds a renderer that lives on unseen).
        self.assertLess(time.monotonic() - started, APPEAR_LIMIT)
