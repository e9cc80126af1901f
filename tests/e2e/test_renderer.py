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
    def visible_windows(self):
        return self.probe.find(title=TITLE, visible=True)

    def assert_full_screen_saver_window(self, window):
        self.assertEqual((window.cls, window.visible, window.topmost, window.parent,
                          bool(window.style & WS_POPUP), window.left, window.top, window.right,
                          window.bottom), (WINDOW_CLASS, True, True, 0, True, 0, 0, 1280, 1024))

    def assert_ends_cleanly(self, process):
        self.assertEqual(self.wait_for_exit(process, EXITS_WITHIN), 0)
        self.assertTrue(self.probe.wait_gone(title=TITLE, timeout=EXITS_WITHIN))

    def test_window_draws_turning_glows_and_only_the_user_ends_it(self):
        # Whatever the arguments, the same window, renamed while it was created.
        self.x.move_mouse(*CENTRE)
        process = self.start_product(RENDERER, "/c", "任意の 引数", "-p:1234")
        [window] = self.probe.wait_for(title=TITLE, visible=True, timeout=5) or [None]
        self.assert_full_screen_saver_window(window)
        self.assertEqual(self.probe.find(title="Screensaver", cls=WINDOW_CLASS), [])

        def glows():
            shot = self.screenshot("glows")
            stats = shot.stats()
            return shot if stats.black_fraction > 0.6 and stats.coloured_fraction > 0.005 else None

        first = self.wait_until(glows, timeout=20, interval=0.5, message="coloured glows on black")
        time.sleep(0.5)
        self.wait_until(lambda: self.screenshot("later").difference(first) > 0.001,
                        timeout=20, interval=0.5, message="a picture that has changed")

        # A close from another program and a move of two pixels are not the user.
        self.assertTrue(self.probe.post(window.hwnd, "WM_CLOSE"))
        self.assertTrue(holds_for(process.is_running, 1.5), "ended on another's close")
        self.x.move_mouse(CENTRE[0] + 2, CENTRE[1])
        self.assertTrue(holds_for(process.is_running, 1.5), "ended on a small move")
        self.x.move_mouse(CENTRE[0] + 60, CENTRE[1] + 20)
        self.assert_ends_cleanly(process)

    def test_a_second_renderer_opens_a_window_of_its_own(self):
        self.x.move_mouse(*CENTRE)
        first = self.start_product(RENDERER)
        [first_window] = self.probe.wait_for(title=TITLE, visible=True, timeout=5) or [None]
        second = self.start_product(RENDERER)
        [own] = self.wait_until(lambda: [w for w in self.visible_windows()
                                         if w.pid != first_window.pid], timeout=5,
                                message="the second window")
        self.assert_full_screen_saver_window(own)
        # Showing the second window may take the focus from the first one, which
        # then ends by itself; each window still open is dismissed by a key.
        while windows := self.visible_windows():
            self.x.key("space", windows[0])
            self.wait_until(lambda: windows[0].hwnd not in [w.hwnd for w in self.visible_windows()],
                            timeout=EXITS_WITHIN, message="the window dismissed")
        self.assert_ends_cleanly(second)
        self.assert_ends_cleanly(first)
