"""The renderer program on its own: its window, what it draws, how it ends."""

import time

from harness import WineTestCase, holds_for

RENDERER = "ゼルヴェイン.dll"
TITLE = "Zelvane_VC"
WINDOW_CLASS = "WindowsScreenSaverClass"
WS_POPUP = 0x80000000
CENTRE = (640, 512)
EXITS_WITHIN = 15.0  # generous: Wine on a loaded machine


class RendererTest(WineTestCase):
    def test_full_screen_window_draws_turning_glows_until_the_user_ends_it(self):
        # Whatever the arguments, the same window, renamed while it was created.
        self.x.move_mouse(*CENTRE)
        process = self.start_product(RENDERER, "/c", "任意の 引数", "-p:1234")
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
        time.sleep(0.5)
        self.wait_until(lambda: self.screenshot("later").difference(first) > 0.001,
                        timeout=20, interval=0.5, message="a picture that has changed")

        # A close from another program is not the user; a move of the pointer is.
        self.assertTrue(self.probe.post(window.hwnd, "WM_CLOSE"))
        self.assertTrue(holds_for(process.is_running, 1.5), "ended on another's close")
        self.x.move_mouse(CENTRE[0] + 60, CENTRE[1] + 20)
        self.assertEqual(self.wait_for_exit(process, EXITS_WITHIN), 0)
        self.assertTrue(self.probe.wait_gone(title=TITLE, timeout=EXITS_WITHIN))
