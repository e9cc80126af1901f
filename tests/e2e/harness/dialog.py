"""The settings dialog (/c) of a copy of the shell in a folder of the test's own,
driven by real mouse clicks and key presses; the renderer beside it is only
looked for, so an empty file serves unless a test puts the real one there."""

import shutil
import time

from .case import WineTestCase

SHELL, RENDERER = "ゼルヴェイン.scr", "ゼルヴェイン.dll"
SETTINGS, HELP_PAGE = "ゼルヴェイン.ini", "ゼルヴェイン.html"
DIALOG_TITLE, CHOOSER_TITLE = "<ゼルヴェイン>", "ﾌｧｲﾙを開く"
MESSAGE_TITLE = "ゼルヴェイン (ScreenSaver)"
KIND_KEY, REPEAT_KEY, FILE_KEY = "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ"
TIMEOUT = 30

# Points and boxes (left, top, width, height) in the dialog's client area, in pixels.
PANEL_SIZE = (469, 165)  # the marble panel that holds the options
OPTION_PICTURES = [(46, 98), (46, 78), (46, 118)]  # by kind of music: none, CD, file
OPTION_LABELS = [(66, 98), (66, 78), (66, 118)]
FILE_BUTTON = (60, 142)
FILE_LABEL = (84, 132, 373, 33)
SET_BUTTON = (362, 212)
CANCEL_BUTTON = (442, 212)
HELP_LINK = (32, 214)
SELECTED_BLUE = (32, 72, 208)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


class DialogTestCase(WineTestCase):
    """self.folder holds a copy of the shell and an empty renderer file;
    self.settings is the settings file beside them."""

    def setUp(self):
        super().setUp()
        self.folder = self.scratch / "saver"
        self.folder.mkdir()
        shutil.copy2(self.product_path(SHELL), self.folder / SHELL)
        (self.folder / RENDERER).write_bytes(b"")
        self.settings = self.folder / SETTINGS

    def open_dialog(self):
        # As the platform's "Settings" button starts it.
        self.process = self.start_program(self.folder / SHELL, "/c:1234")
        windows = self.probe.wait_for(title=DIALOG_TITLE, visible=True, timeout=TIMEOUT)
        self.assertEqual(len(windows), 1, "the settings dialog was not shown")
        self.dialog = self.x.focus(windows[0])
        border = (self.dialog.width - self.dialog.client_width) // 2
        self.origin = (self.dialog.left + border,
                       self.dialog.bottom - border - self.dialog.client_height)
        time.sleep(0.5)  # the opening animation and the first paint
        return self.dialog

    def at(self, point):
        return self.origin[0] + point[0], self.origin[1] + point[1]

    def click(self, point):
        self.x.move_mouse(*self.at(point))
        self.x.click()

    def track_box(self):
        [panel] = [w for w in self.probe.list_windows(parent=self.dialog.hwnd)
                   if w.client_width == PANEL_SIZE[0] and w.client_height == PANEL_SIZE[1]]
        [combo] = [w for w in self.probe.list_windows(parent=panel.hwnd)
                   if w.cls.lower() == "combobox"]
        return combo

    def file_chooser_opens(self, timeout):
        self.click(FILE_BUTTON)
        return bool(self.probe.wait_for(title=CHOOSER_TITLE, visible=True, timeout=timeout))

    def choose_file(self, path):
        """Picks a music file in the file chooser by typing its path."""
        self.assertTrue(self.file_chooser_opens(timeout=10), "no file chooser")
        self.x.focus(CHOOSER_TITLE)
        self.x.type(windows_path(path))
        self.x.key("Return")
        self.assertTrue(self.probe.wait_gone(title=CHOOSER_TITLE, timeout=10))
        time.sleep(0.3)

    def selected_kinds(self, shot):
        return [k for k, point in enumerate(OPTION_PICTURES)
                if shot.pixel(*self.at(point)) == SELECTED_BLUE]

    def shows_a_path(self, shot):
        left, top = self.at(FILE_LABEL[:2])
        return sum(max(shot.pixel(x, y)) < 100 for y in range(top, top + FILE_LABEL[3])
                   for x in range(left, left + FILE_LABEL[2])) > 20

    def assert_dialog_ends(self):
        self.assertEqual(self.wait_for_exit(self.process, TIMEOUT), 0)
        self.assertTrue(self.probe.wait_gone(title=DIALOG_TITLE, timeout=10))
