"""The preview: attached as a child of the window the display settings give,
sized to it, drawing the field live at about 30 frames a second, light on the
processor, ending with its parent. Wine does not show a child window of
another process, nor the frames of an OpenGL child window at all here, so what
the preview shows is checked in-process (tests/shell/host); here Wine's frame
counter (its fps debug channel) shows the frames."""

import re
import shutil
import statistics
import time

from harness import WineTestCase, processor_seconds

SHELL = "ゼルヴェイン.scr"
PREVIEW_TITLE = "Preview Window"
WS_POPUP, WS_CHILD = 0x80000000, 0x40000000
PARENT_AT = (200, 150)
# Wine's frame counter: "@ approx 29.98fps, total 30.01fps" every 1.5 s or so;
# its first line, at the first frame, counts nothing yet.
FPS_LINE = re.compile(r"trace:fps:.*@ approx ([0-9.]+)fps")
FPS_REPORTS = 4


class PreviewTest(WineTestCase):
    def install_shell(self):
        # Without the renderer or a settings file, which the preview never needs.
        return shutil.copy2(self.product_path(SHELL), self.scratch / SHELL)

    def frame_rates(self, process):
        return [float(rate) for rate in FPS_LINE.findall(process.stderr_text())]

    def test_preview_draws_about_thirty_frames_a_second_lightly_and_ends_with_its_parent(self):
        parent = self.open_test_window(300, 200, x=PARENT_AT[0], y=PARENT_AT[1])
        process = self.start_program(self.install_shell(), "/p", str(parent.hwnd),
                                     debug_channels="+fps")
        # The preview is shown once it has been placed.
        [preview] = self.wait_until(
            lambda: [w for w in self.probe.find(title=PREVIEW_TITLE, parent=parent.hwnd)
                     if w.visible], timeout=30, message="preview shown")
        self.assertEqual(preview.style & (WS_CHILD | WS_POPUP), WS_CHILD)
        self.assertEqual((preview.left, preview.top, preview.width, preview.height),
                         (*PARENT_AT, 300, 200))

        self.wait_until(lambda: self.frame_rates(process), timeout=30, message="first frame")
        counted = len(self.frame_rates(process))
        used, since = processor_seconds(process.pid), time.monotonic()
        self.wait_until(lambda: len(self.frame_rates(process)) >= counted + FPS_REPORTS,
                        timeout=60, message="frame counts")
        share = (processor_seconds(process.pid) - used) / (time.monotonic() - since)
        rates = self.frame_rates(process)[counted:]
        self.assertLessEqual(max(rates), 31, rates)
        self.assertGreaterEqual(statistics.median(rates), 20, rates)
        self.assertLess(share, 0.25, "share of one processor")

        self.assertTrue(self.probe.destroy(parent.hwnd))
        self.assertEqual(self.wait_for_exit(process, timeout=1), 0)

    def test_a_parent_gone_during_start_up_ends_the_preview_at_once(self):
        parent = self.open_test_window(152, 112, x=PARENT_AT[0], y=PARENT_AT[1])
        process = self.start_program(self.install_shell(), "/p", str(parent.hwnd))
        self.assertTrue(self.probe.destroy(parent.hwnd))
        self.assertEqual(self.wait_for_exit(process, timeout=30), 0)
