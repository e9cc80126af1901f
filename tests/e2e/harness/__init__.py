"""End-to-end test harness: the product's programs run under Wine on a virtual display.

Environment (set by ctest, see tests/e2e/CMakeLists.txt): ZELVANE_LOCALE (ja or
en), ZELVANE_WINE_STATE (state folder of tools/wine-env.sh; the session must be
started), ZELVANE_PROBE (the probe program), ZELVANE_DIST (the shipped
programs), ZELVANE_SCRATCH (folder for the tests' files), ZELVANE_FAKE_DESK_CPL
(the stand-in for Windows' desk.cpl, which Wine lacks).

Write tests as subclasses of WineTestCase (a unittest.TestCase):

    class SaverTest(WineTestCase):
        def test_key_ends_the_saver(self):
            saver = self.start_product("ゼルヴェイン.scr", "/s")
            [window] = self.probe.wait_for(title="Zelvane_VC", timeout=10)
            self.x.key("space", "Zelvane_VC")
            self.assertEqual(self.wait_for_exit(saver), 0)

WineTestCase gives, per test:
  self.scratch                    a fresh folder for the test's files
  self.start_product(file, *args, debug_channels=None) start dist/<file> under
                                  wine (with more of Wine's log channels) -> ProgramProcess
  self.start_program(path, *args, debug_channels=None) any Windows program
  self.wait_for_exit(process, timeout)   exit status, or the test fails
  self.open_test_window(w, h, x=, y=, title=) -> TestWindow
  self.hold_file(windows_path, **options)  a probe process holding the file open
                                  (Probe.hold; kill() it to let go) -> ProgramProcess
  self.screenshot(name)          -> Screenshot of the whole display
  self.wait_until(condition, timeout, interval, message)
  self.probe                      Probe (below)      self.x   XInput (below)
  self.session                    WineSession: locale, display, prefix, appdata
                                  (the Unix path of %APPDATA%), env
  self.expect_failures(*patterns)  failure reports the test allows (regular
                                  expressions, searched in "<program>: <what>")
  self.make_unwritable(*paths)   chattr +i for the test (as root Wine writes anywhere)
  self.user_settings              the per-user settings folder (ゼルヴェイン in %APPDATA%),
                                  removed before and after each test
After each test: any started program still running, any process of the product
("ゼルヴェイン.scr"/".dll" in this Wine prefix) and any product window left
("Zelvane_VC", "Zelvane_Main", "<ゼルヴェイン>", "Preview Window") is ended and
fails the test. Helpers (test windows, message boxes) are simply ended. A
failure report of the programs' failure trace (their debugger output, in Wine's
log in the program's error file) that the test did not expect fails it too.

WineSession: processes_running(file_names) -> [(pid, command)] of this prefix.

ProgramProcess: pid (Unix), poll(), is_running(), wait(timeout) -> status
(raises subprocess.TimeoutExpired), kill() (its whole process group),
stdout_text(), stderr_text(), failure_reports() -> ["<program>: <what>"] (its
own and those of the programs it started).

Probe (windows matched exactly by title and/or cls; top-level unless parent=hwnd;
visible=True leaves hidden windows out):
  find(title, cls, parent, visible) -> [Window]   list_windows(parent, visible) -> [Window]
  foreground() -> Window or None               activate(hwnd) -> bool (SetForegroundWindow)
  wait_for(title, cls, parent, visible, timeout) -> [Window] ([] on timeout)
  wait_gone(title, cls, parent, visible, timeout) -> bool
  post(hwnd, msg, wparam, lparam) -> bool      msg: a number or 'WM_CLOSE'
  text(hwnd) -> the window's text by WM_GETTEXT (an edit field's content), or None
  open_test_window(...) -> TestWindow(hwnd, window, process)
  destroy(hwnd) -> bool                        (a probe test window)
  read_message_box(title, pid, timeout) -> MessageBox or None
  press_button(label, title, pid, timeout) -> bool
  profile_write(path, section, key, value)    WritePrivateProfileStringW (a Windows path)
  shortcut(path) -> {target, arguments, working_dir, icon} of a .lnk (a Windows path)
  hold(path, share_writers=False, until=None, then_ms=0, timeout) -> ProgramProcess
                                  holding the file open (with share_writers as an
                                  indexer does), until killed or, with until, then_ms
                                  after a file matching until appears
  run(*args) -> ProbeResult(status, records, stdout, stderr)
Window: hwnd, title, cls, left, top, right, bottom, width, height,
  client_width, client_height, style, exstyle, visible, topmost, pid and tid
  (Windows ids), parent, owner, x11_window (the X window showing it).
MessageBox: hwnd, caption, text, has_icon, pid, buttons (labels, left to right).

XInput (xdotool; there is no window manager, and Wine sends keys to its
foreground window, so focus first; target is a Window or a title):
  focus(target) (waits until it is the foreground window), key(keysym, target=None),
  move_mouse(x, y), click(button=1), type(text)

Screenshot: width, height, pixel(x, y), stats(box=None) -> ColourStats
  (pixels, black, coloured, black_fraction, coloured_fraction, mean_brightness),
  difference(other) -> fraction of pixels that changed.

polling: wait_until(condition, timeout, interval, message), holds_for(condition, duration).
session: processor_seconds(unix pid) -> user plus system time so far.
"""

from .case import PRODUCT_WINDOW_TITLES, WineTestCase
from .polling import holds_for, wait_until
from .probe import MessageBox, Probe, ProbeResult, TestWindow, Window
from .screen import ColourStats, Screenshot
from .session import (PRODUCT_FILES, ProgramProcess, WineSession, failure_reports,
                      processor_seconds)
from .xinput import XInput

__all__ = [
    "ColourStats", "MessageBox", "PRODUCT_FILES", "PRODUCT_WINDOW_TITLES", "Probe",
    "ProbeResult", "ProgramProcess", "Screenshot", "TestWindow", "Window", "WineSession",
    "WineTestCase", "XInput", "failure_reports", "holds_for", "processor_seconds",
    "wait_until",
]
