"""The probe and the harness themselves, on a desktop of the locale's system."""

import shutil
import unittest

from harness import Screenshot, WineTestCase, parse_records
from harness.screen import _parse_ppm

JAPANESE_TITLE = "<ゼルヴェイン> 試験"
MISSING_FILE_TEXT = "ゼルヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！"
APP_TITLE = "ゼルヴェイン (ScreenSaver)"


class OutputParsingTest(unittest.TestCase):
    def test_records_and_escapes(self):
        text = "hwnd=1\ntitle=a\\\\b\\nc\n\nhwnd=2\ntitle=\n\n"
        self.assertEqual(parse_records(text),
                         [{"hwnd": "1", "title": "a\\b\nc"}, {"hwnd": "2", "title": ""}])

    def test_picture_statistics(self):
        # 2 x 2 pixels: black, near-black, saturated red, bright grey.
        data = b"P6\n# comment\n2 2\n255\n" + bytes([0, 0, 0, 10, 12, 8, 250, 20, 0, 200, 200, 200])
        width, height, rgb = _parse_ppm(data)
        shot = Screenshot(width, height, rgb, None)
        stats = shot.stats(step=1)
        self.assertEqual((stats.pixels, stats.black, stats.coloured), (4, 2, 1))
        self.assertEqual(shot.pixel(0, 1), (250, 20, 0))
        changed = Screenshot(2, 2, rgb[:3] + bytes([40, 12, 8]) + rgb[6:], None)
        self.assertEqual(shot.difference(changed), 0.25)
        self.assertEqual(shot.difference(shot), 0.0)


class WindowProbeTest(WineTestCase):
    def test_japanese_title_round_trips_and_window_is_described(self):
        test_window = self.open_test_window(300, 200, x=100, y=50, title=JAPANESE_TITLE)
        [window] = self.probe.find(title=JAPANESE_TITLE)
        self.assertEqual(window.hwnd, test_window.hwnd)
        self.assertEqual(window.cls, "ZelvaneProbeWindow")
        self.assertEqual((window.left, window.top, window.width, window.height),
                         (100, 50, 300, 200))
        self.assertEqual((window.client_width, window.client_height), (300, 200))
        self.assertTrue(window.visible)
        self.assertFalse(window.topmost)
        self.assertEqual(window.parent, 0)
        self.assertIn(window.hwnd, [w.hwnd for w in self.probe.list_windows()])
        # Title and class must both match exactly.
        self.assertEqual(self.probe.find(title=JAPANESE_TITLE, cls="Other"), [])
        self.assertEqual(self.probe.find(title=JAPANESE_TITLE[:-1]), [])

    def test_waits_end_with_the_window(self):
        self.assertEqual(self.probe.wait_for(title="no such window", timeout=0.5), [])
        test_window = self.open_test_window(120, 80, title=JAPANESE_TITLE)
        self.assertTrue(self.probe.wait_for(title=JAPANESE_TITLE, timeout=5))
        self.assertFalse(self.probe.wait_gone(title=JAPANESE_TITLE, timeout=0.5))
        self.assertTrue(self.probe.destroy(test_window.hwnd))
        self.assertTrue(self.probe.wait_gone(title=JAPANESE_TITLE, timeout=5))
        self.assertEqual(self.wait_for_exit(test_window.process), 0)
        self.assertEqual(test_window.events(), ["destroy"])

    def test_posted_close_reaches_the_window(self):
        test_window = self.open_test_window(120, 80)
        self.assertTrue(self.probe.post(test_window.hwnd, "WM_CLOSE"))
        self.assertEqual(self.wait_for_exit(test_window.process), 0)
        self.assertEqual(test_window.events(), ["close", "destroy"])
        self.assertFalse(self.probe.post(test_window.hwnd, "WM_CLOSE"))

    def test_cursor_is_moved(self):
        cursor = self.probe.set_cursor(321, 123)
        self.assertEqual((cursor["x"], cursor["y"]), (321, 123))
        self.assertEqual(self.x.mouse_location(), (321, 123))

    def test_screenshot_shows_the_window_colour(self):
        self.open_test_window(200, 100, x=40, y=60, color="FF0000")
        self.x.move_mouse(1000, 900)  # keep the pointer out of the picture
        shot = self.wait_until(lambda: self._red_shot(), timeout=10, message="red window shown")
        self.assertEqual((shot.width, shot.height), (1280, 1024))
        stats = shot.stats((40, 60, 240, 160))
        self.assertEqual(stats.coloured, stats.pixels)

    def _red_shot(self):
        shot = self.screenshot("red")
        return shot if shot.pixel(140, 110) == (255, 0, 0) else None


class MessageBoxProbeTest(WineTestCase):
    def test_plain_message_box_is_read_and_answered(self):
        box_process = self.show_message_box(MISSING_FILE_TEXT, APP_TITLE)
        box = self.probe.read_message_box(title=APP_TITLE)
        self.assertIsNotNone(box)
        self.assertEqual(box.caption, APP_TITLE)
        self.assertEqual(box.text, MISSING_FILE_TEXT)
        self.assertFalse(box.has_icon)
        self.assertEqual(box.buttons, ["OK"])
        self.assertTrue(self.probe.press_button("OK", title=APP_TITLE))
        self.assertEqual(self.wait_for_exit(box_process), 0)
        self.assertIn("result=1", box_process.stdout_text())  # IDOK

    def test_icon_and_several_buttons_are_seen(self):
        box_process = self.show_message_box("one\ntwo", "choice", icon=True, buttons="yesno")
        box = self.probe.read_message_box(title="choice")
        self.assertTrue(box.has_icon)
        self.assertEqual(box.text, "one\ntwo")
        self.assertEqual(len(box.buttons), 2)
        self.assertTrue(self.probe.press_button(box.buttons[1], title="choice"))
        self.assertEqual(self.wait_for_exit(box_process), 0)
        self.assertIn("result=7", box_process.stdout_text())  # IDNO

    def test_missing_message_box_is_reported(self):
        self.assertIsNone(self.probe.read_message_box(title="none", timeout=0.5))
        self.assertFalse(self.probe.press_button("OK", title="none", timeout=0.5))


class LeftoverCheckTest(WineTestCase):
    def test_a_product_process_left_running_fails_the_test(self):
        # The probe under the renderer's file name stands in for a product
        # program that another program started and that outlived the test.
        stand_in = self.scratch / "bin" / "ゼルヴェイン.dll"
        stand_in.parent.mkdir()
        shutil.copy(self.probe.executable, stand_in)
        process = self.session.start(stand_in, "window", "--title", "Zelvane_VC",
                                     output_dir=self.scratch)
        self.assertTrue(self.probe.wait_for(title="Zelvane_VC", timeout=30))
        with self.assertRaises(AssertionError) as failure:
            self._check_nothing_left()
        self.assertIn("ゼルヴェイン.dll", str(failure.exception))
        self.assertIn("Zelvane_VC", str(failure.exception))
        self.assertFalse(process.is_running())
        self.assertEqual(self.session.product_processes(), [])


if __name__ == "__main__":
    unittest.main()
