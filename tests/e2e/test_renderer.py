"""The renderer program on its own: its window, how it ends, what it draws."""

import time
import unittest

from harness import WineTestCase, holds_for

RENDERER = "ゼルヴェイン.dll"
TITLE = "Zelvane_VC"
WINDOW_CLASS = "WindowsScreenSaverClass"
CREATION_TITLE = "Screensaver"
SCREEN_SIZE = (1280, 1024)
WS_POPUP = 0x80000000

APPEARS_WITHIN = 5.0        # seconds from the start of the program
EXITS_WITHIN = 15.0         # generous: Wine on a loaded machine
STAYS_OPEN_FOR = 1.5        # how long a window that must stay is watched
SCREEN_CENTRE = (640, 512)


class RendererTestCase(WineTestCase):
    def start_renderer(self, *args):
        """Starts the renderer with the pointer at the screen centre; returns
        the process and its window once that has appeared."""
        self.x.move_mouse(*SCREEN_CENTRE)
        process = self.start_product(RENDERER, *args)
        self.started_at = time.monotonic()
        windows = self.probe.wait_for(title=TITLE, visible=True, timeout=APPEARS_WITHIN)
        self.assertTrue(windows, f"no window titled {TITLE} within {APPEARS_WITHIN} s")
        self.assertTrue(process.is_running())
        return process, windows[-1]

    def assert_full_screen_saver_window(self, window):
        self.assertEqual(window.cls, WINDOW_CLASS)
        self.assertTrue(window.visible)
        self.assertTrue(window.topmost)
        self.assertEqual(window.parent, 0)
        self.assertTrue(window.style & WS_POPUP)
        self.assertEqual((window.left, window.top, window.right, window.bottom),
                         (0, 0, *SCREEN_SIZE))

    def assert_stays_open(self, process):
        self.assertTrue(holds_for(process.is_running, STAYS_OPEN_FOR), "the renderer ended")
        self.assertTrue(self.probe.find(title=TITLE), "the renderer's window has gone")

    def assert_ends_cleanly(self, process):
        self.assertEqual(self.wait_for_exit(process, EXITS_WITHIN), 0)
        self.assertTrue(self.probe.wait_gone(title=TITLE, timeout=EXITS_WITHIN))

    def dismiss_with_key(self, process):
        self.x.key("space", TITLE)
        self.assert_ends_cleanly(process)


class RendererWindowTest(RendererTestCase):
    def test_without_arguments_a_top_most_full_screen_window_opens(self):
        process, window = self.start_renderer()
        self.assert_full_screen_saver_window(window)
        # The window renamed itself while it was created: the creation title is gone.
        self.assertEqual(self.probe.find(title=CREATION_TITLE, cls=WINDOW_CLASS), [])
        self.dismiss_with_key(process)

    def test_any_argument_text_gives_the_same_window(self):
        process, window = self.start_renderer("/c", "任意の 引数", "-p:1234")
        self.assert_full_screen_saver_window(window)
        self.dismiss_with_key(process)

    def test_a_second_renderer_opens_a_window_of_its_own(self):
        first, first_window = self.start_renderer()
        second = self.start_product(RENDERER)
        own = self.wait_until(
            lambda: [w for w in self.probe.find(title=TITLE, visible=True)
                    if w.pid != first_window.pid],
            timeout=APPEARS_WITHIN, message="a window of the second renderer")
        self.assert_full_screen_saver_window(own[0])
        self.assertTrue(second.is_running())
        # Showing the second window may take the focus from the first one, which
        # then ends by itself; each window still open is dismissed by a key.
        for _ in range(2):
            windows = self.probe.find(title=TITLE, visible=True)
            if not windows:
                break
            self.x.key("space", windows[0])
            self.wait_until(lambda: windows[0].hwnd not in
                            [w.hwnd for w in self.probe.find(title=TITLE, visible=True)],
                            timeout=EXITS_WITHIN, message="the window dismissed")
        self.assert_ends_cleanly(second)
        self.assert_ends_cleanly(first)


class RendererDismissalTest(RendererTestCase):
    def test_close_from_another_program_waits_for_a_key(self):
        process, window = self.start_renderer()
        self.assertTrue(self.probe.post(window.hwnd, "WM_CLOSE"))
        self.assert_stays_open(process)
        self.dismiss_with_key(process)

    def test_mouse_movement_beyond_four_pixels_ends_it(self):
        process, _ = self.start_renderer()
        x, y = SCREEN_CENTRE
        self.x.move_mouse(x + 2, y)
        self.assert_stays_open(process)
        self.x.move_mouse(x + 60, y + 20)
        self.assert_ends_cleanly(process)


class RendererPictureTest(RendererTestCase):
    def test_coloured_glows_on_black_turn(self):
        process, _ = self.start_renderer()
        time.sleep(max(0.0, self.started_at + 2.0 - time.monotonic()))
        first = self.wait_until(self._glow_picture, timeout=20, interval=0.5,
                                message="coloured glows on black")
        time.sleep(0.5)
        self.wait_until(lambda: self.screenshot("later").difference(first) > 0.001,
                        timeout=20, interval=0.5, message="a picture that has changed")
        self.dismiss_with_key(process)

    def _glow_picture(self):
        shot = self.screenshot("glows")
        stats = shot.stats()
        self.last_stats = stats
        if stats.black_fraction > 0.6 and stats.coloured_fraction > 0.005:
            return shot
        return None


if __name__ == "__main__":
    unittest.main()
