"""The renderer program on its own: its window, what it draws, its rest while
the display is off, how it ends."""

import re
import time

from harness import WineTestCase, holds_for, processor_seconds

RENDERER = "ゼルヴェイン.dll"
TITLE = "Zelvane_VC"
WINDOW_CLASS = "WindowsScreenSaverClass"
WS_POPUP = 0x80000000
CENTRE = (640, 512)
EXITS_WITHIN = 15.0  # generous: Wine on a loaded machine
WM_SYSCOMMAND, SC_MONITORPOWER = 0x0112, 0xF170
MONITOR_OFF, MONITOR_ON = 2, -1
# Wine's fps trace (WINEDEBUG=+fps): "@ approx 59.93fps, total 58.12fps" about once a second.
FPS_REPORT = re.compile(r"@ approx ([0-9.]+)fps")


class RendererTest(WineTestCase):
    def test_full_screen_turning_glows_that_rest_while_the_display_is_off_until_the_user_ends_it(
            self):
        # Whatever the arguments, the same window, renamed while it was created.
        self.x.move_mouse(*CENTRE)
        process = self.start_product(RENDERER, "/c", "任意の 引数", "-p:1234",
                                     debug_channels="+fps")
        [window] = self.probe.wait_for(title=TITLE, visible=True, timeout=5) or [None]
        self.assertEqual((window.cls, window.topmost, window.parent, bool(window.style & WS_POPUP),
                          window.left, window.top, window.right, window.bottom),
                         (WINDOW_CLASS, True, 0, True, 0, 0, 1280, 1024))
        self.assertEqual(self.probe.find(title="Screensaver", cls=WINDOW_CLASS), [])

        def glows():
            shot = self.screenshot("glows")
            stats = shot.stats()
            return shot if stats.black_fraction > 0.6 and stats.coloured_fraction > 0.005 else None

        first = self.wait_until(glows, timeout=20, interval=0.5, message="coloured glows on black")
        self.wait_until(lambda: self.screenshot("later").difference(first) > 0.001,
                        timeout=20, interval=0.5, message="a picture that has changed")

        # Display off: no frame, and under 1 % of a processor over 3 seconds.
        [(pid, _)] = self.session.product_processes()

        def reports_since(start):
            return [float(r) for r in FPS_REPORT.findall(process.stderr_text()[start:])]

        self.assertTrue(self.probe.post(window.hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, MONITOR_OFF))
        time.sleep(1.5)  # the report of the last frames drawn
        start, processor = len(process.stderr_text()), processor_seconds(pid)
        time.sleep(3)
        used = processor_seconds(pid) - processor
        self.assertEqual(reports_since(start), [], "frames drawn while the display is off")
        self.assertLess(used, 0.03, "more than 1 % of a processor while resting")

        start = len(process.stderr_text())
        self.assertTrue(self.probe.post(window.hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, MONITOR_ON))
        rates = self.wait_until(lambda: reports_since(start)[1:], timeout=20,
                                message="frames again once the display is on")
        print(f"frames a second after the display came on: {rates}")
        self.assertLess(max(rates), 66, "frames come faster than the designed 60 a second")

        # A close from another program is not the user; a move of the pointer is.
        self.assertTrue(self.probe.post(window.hwnd, "WM_CLOSE"))
        self.assertTrue(holds_for(process.is_running, 1.5), "ended on another's close")
        self.x.move_mouse(CENTRE[0] + 60, CENTRE[1] + 20)
        self.assertEqual(self.wait_for_exit(process, EXITS_WITHIN), 0)
        self.assertTrue(self.probe.wait_gone(title=TITLE, timeout=EXITS_WITHIN))
