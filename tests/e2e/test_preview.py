"""The preview: attached as a child of the window the display settings give,
sized to it, ending with it. Run with a copy of the shell in a folder of its
own without the renderer or a settings file, which the preview never needs.

Wine does not draw a child window that belongs to another process, so what
the preview shows is checked in-process (tests/shell/host); here its place,
size, style and lifetime are."""

import shutil

from harness import WineTestCase

SHELL = "ゼルヴェイン.scr"
PREVIEW_TITLE = "Preview Window"
WS_POPUP = 0x80000000
WS_CHILD = 0x40000000
PARENT_AT = (200, 150)

START_TIMEOUT = 30


class PreviewTest(WineTestCase):
    def setUp(self):
        super().setUp()
        folder = self.scratch / "saver"
        folder.mkdir()
        self.shell = folder / SHELL
        shutil.copy2(self.product_path(SHELL), self.shell)

    def attach(self, width, height):
        parent = self.open_test_window(width, height, x=PARENT_AT[0], y=PARENT_AT[1])
        process = self.start_program(self.shell, "/p", str(parent.hwnd))

        def shown():  # the preview is shown once it has been placed
            windows = self.probe.find(title=PREVIEW_TITLE, parent=parent.hwnd)
            return windows if windows and windows[0].visible else None
        windows = self.wait_until(shown, timeout=START_TIMEOUT, message="preview shown")
        self.assertEqual(len(windows), 1)
        return parent, process, windows[0]

    def test_preview_is_a_child_covering_its_parent_and_ends_with_it(self):
        for width, height in ((152, 112), (300, 200), (100, 80)):
            with self.subTest(size=(width, height)):
                parent, process, preview = self.attach(width, height)
                self.assertEqual(preview.style & (WS_CHILD | WS_POPUP), WS_CHILD)
                self.assertEqual((preview.left, preview.top), PARENT_AT)
                self.assertEqual((preview.width, preview.height), (width, height))
                self.assertTrue(self.probe.destroy(parent.hwnd))
                # The parent is checked four times a second; Wine needs a moment
                # to end a process.
                self.assertEqual(self.wait_for_exit(process, timeout=3), 0)
