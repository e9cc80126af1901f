"""The preview: attached as a child of the window the display settings give,
sized to it, ending with it. Wine does not draw a child window of another
process, so what the preview shows is checked in-process (tests/shell/host)."""

import shutil

from harness import WineTestCase

SHELL = "ゼルヴェイン.scr"
PREVIEW_TITLE = "Preview Window"
WS_POPUP, WS_CHILD = 0x80000000, 0x40000000
PARENT_AT = (200, 150)


class PreviewTest(WineTestCase):
    def test_preview_is_a_child_covering_its_parent_and_ends_with_it(self):
        # Run without the renderer or a settings file, which the preview never needs.
        shell = self.scratch / SHELL
        shutil.copy2(self.product_path(SHELL), shell)
        parent = self.open_test_window(300, 200, x=PARENT_AT[0], y=PARENT_AT[1])
        process = self.start_program(shell, "/p", str(parent.hwnd))
        # The preview is shown once it has been placed.
        [preview] = self.wait_until(
            lambda: [w for w in self.probe.find(title=PREVIEW_TITLE, parent=parent.hwnd)
                     if w.visible], timeout=30, message="preview shown")
        self.assertEqual(preview.style & (WS_CHILD | WS_POPUP), WS_CHILD)
        self.assertEqual((preview.left, preview.top, preview.width, preview.height),
                         (*PARENT_AT, 300, 200))
        self.assertTrue(self.probe.destroy(parent.hwnd))
        # The parent is checked four times a second.
        self.assertEqual(self.wait_for_exit(process, timeout=3), 0)
