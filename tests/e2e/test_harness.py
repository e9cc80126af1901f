"""The probe and the harness themselves: a test that passes because the harness
misreads what it sees protects nothing."""

import shutil

from harness import Screenshot, WineTestCase, parse_records
from harness.screen import _parse_ppm

JAPANESE_TITLE = "<ゼルヴェイン> 試験"


class HarnessTest(WineTestCase):
    def test_output_and_pictures_are_read_as_written(self):
        self.assertEqual(parse_records("hwnd=1\ntitle=a\\\\b\\nc\n\nhwnd=2\ntitle=\n\n"),
                         [{"hwnd": "1", "title": "a\\b\nc"}, {"hwnd": "2", "title": ""}])
        # 2 x 2 pixels: black, near-black, saturated red, bright grey.
        data = b"P6\n# comment\n2 2\n255\n" + bytes([0, 0, 0, 10, 12, 8, 250, 20, 0, 200, 200, 200])
        width, height, rgb = _parse_ppm(data)
        shot = Screenshot(width, height, rgb, None)
        stats = shot.stats(step=1)
        self.assertEqual((stats.pixels, stats.black, stats.coloured), (4, 2, 1))
        self.assertEqual(shot.pixel(0, 1), (250, 20, 0))
        changed = Screenshot(2, 2, rgb[:3] + bytes([40, 12, 8]) + rgb[6:], None)
        self.assertEqual((shot.difference(changed), shot.difference(shot)), (0.25, 0.0))

    def test_window_is_found_by_its_exact_title_described_shown_and_closed(self):
        self.assertEqual(self.probe.wait_for(title=JAPANESE_TITLE, timeout=0.5), [])
        test_window = self.open_test_window(300, 200, x=100, y=50, title=JAPANESE_TITLE,
                                            color="FF0000")
        [window] = self.probe.find(title=JAPANESE_TITLE)
        self.assertEqual((window.hwnd, window.cls, window.parent, window.visible, window.left,
                          window.top, window.width, window.height, window.client_width),
                         (test_window.hwnd, "ZelvaneProbeWindow", 0, True, 100, 50, 300, 200, 300))
        self.assertEqual(self.probe.find(title=JAPANESE_TITLE, cls="Other"), [])
        self.assertEqual(self.probe.find(title=JAPANESE_TITLE[:-1]), [])

        self.x.move_mouse(1000, 900)  # keep the pointer out of the picture
        def red_shown():
            shot = self.screenshot("red")
            return shot if shot.pixel(250, 150) == (255, 0, 0) else None

        shot = self.wait_until(red_shown, timeout=10, message="red window shown")
        self.assertEqual((shot.width, shot.height), (1280, 1024))
        stats = shot.stats((100, 50, 400, 250))
        self.assertEqual(stats.coloured, stats.pixels)

        self.assertFalse(self.probe.wait_gone(title=JAPANESE_TITLE, timeout=0.5))
        self.assertTrue(self.probe.post(test_window.hwnd, "WM_CLOSE"))
        self.assertTrue(self.probe.wait_gone(title=JAPANESE_TITLE, timeout=5))
        self.assertEqual(self.wait_for_exit(test_window.process), 0)
        self.assertEqual(test_window.events(), ["close", "destroy"])

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
