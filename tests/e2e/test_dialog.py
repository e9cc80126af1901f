"""The settings dialog (/c) of a copy of the shell, driven by real mouse clicks
and key presses; the renderer beside it is only looked for, so an empty file serves."""

import os
import shutil
import time

from harness import WineTestCase

SHELL, RENDERER = "ゼルヴェイン.scr", "ゼルヴェイン.dll"
SETTINGS, HELP_PAGE = "ゼルヴェイン.ini", "ゼルヴェイン.html"
DIALOG_TITLE, CHOOSER_TITLE = "<ゼルヴェイン>", "ﾌｧｲﾙを開く"
KIND_KEY, REPEAT_KEY, FILE_KEY = "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ"

WS_DISABLED = 0x08000000
TWIPS_PER_PIXEL = 15
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


class DialogTest(WineTestCase):
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

    def test_window_reflects_the_settings_and_options_switch_the_controls(self):
        # Settings written by the platform's own profile functions; on the Western
        # system in UTF-16, where they would write the Japanese keys as '?'.
        if self.session.locale != "ja":
            self.settings.write_bytes(b"\xff\xfe")
        music = self.scratch / "song.mp3"
        music.write_bytes(b"")
        for key, value in ((KIND_KEY, "1"), (REPEAT_KEY, "5"), (FILE_KEY, windows_path(music))):
            self.probe.profile_write(windows_path(self.settings), "Section", key, value)
        dialog = self.open_dialog()

        # 496 x 246, centred across and a third of the free height from the top.
        self.assertEqual((dialog.client_width, dialog.client_height), (496, 246))
        screen = self.screenshot("screen")
        left_twips = (screen.width - dialog.width) * TWIPS_PER_PIXEL // 2
        top_twips = (screen.height - dialog.height) * TWIPS_PER_PIXEL // 3
        self.assertEqual((dialog.left, dialog.top), (int(left_twips / TWIPS_PER_PIXEL + 0.5),
                                                     int(top_twips / TWIPS_PER_PIXEL + 0.5)))

        # Audio CD is selected, track 5 shows, the file's path is written out.
        self.assertEqual(self.selected_kinds(screen), [1])
        combo = self.track_box()
        self.assertEqual((self.probe.text(combo.hwnd), combo.style & WS_DISABLED), ("5", 0))
        self.assertTrue(self.shows_a_path(screen))

        # "MP3、WAV" on its label enables the file button and disables the track
        # box, "音楽CD" on its image does the reverse, "なし" on its label neither.
        for kind, point in ((2, OPTION_LABELS[2]), (1, OPTION_PICTURES[1]), (0, OPTION_LABELS[0])):
            with self.subTest(option=point):
                self.click(point)
                self.assertEqual(not self.track_box().style & WS_DISABLED, kind == 1)
                self.assertEqual(self.selected_kinds(self.screenshot("option")), [kind])
                opened = self.file_chooser_opens(timeout=10 if kind == 2 else 2)
                if opened:
                    self.x.key("Escape", CHOOSER_TITLE)
                    self.assertTrue(self.probe.wait_gone(title=CHOOSER_TITLE, timeout=10))
                self.assertEqual(opened, kind == 2, "the file button")

        # The close box: nothing is written.
        before = self.settings.read_bytes()
        self.x.move_mouse(dialog.right - 12, dialog.top + 11)
        self.x.click()
        self.assert_dialog_ends()
        self.assertEqual(self.settings.read_bytes(), before)

    def test_confirm_writes_the_three_keys_in_order_and_ends(self):
        # A file whose path has 258 bytes, beyond the 255 the settings file keeps
        # of a value: its short form is stored. (Wine's file chooser itself
        # fails beyond the platform's 260.)
        name = "chosen.wav"
        folder = self.scratch / ("x" * (258 - len(windows_path(self.scratch)) - 2 - len(name)))
        folder.mkdir()
        chosen = folder / name
        chosen.write_bytes(b"")
        self.open_dialog()  # no settings file yet

        # Audio CD with a typed track, then a music file chosen by typing its path.
        self.click(OPTION_PICTURES[1])
        combo = self.track_box()
        self.click((combo.left - self.origin[0] + 10, combo.top - self.origin[1] + 8))
        self.x.type("3.5")
        self.click(OPTION_PICTURES[2])
        self.assertTrue(self.file_chooser_opens(timeout=10), "no file chooser")
        self.x.focus(CHOOSER_TITLE)
        self.x.type(windows_path(chosen))
        self.x.key("Return")
        self.assertTrue(self.probe.wait_gone(title=CHOOSER_TITLE, timeout=10))
        time.sleep(0.3)
        self.assertIsNone(self.process.poll(), "the dialog ended")
        shot = self.screenshot("chosen")
        self.assertGreater(sum(shot.pixel(*self.at((212, 26)))), 300)  # the panel shows
        self.assertTrue(self.shows_a_path(shot))

        self.click(SET_BUTTON)
        self.assert_dialog_ends()
        stored = self.settings.read_bytes().decode("cp932").split("\r\n")[3][len(FILE_KEY) + 1:]
        expected = "\r\n".join(["[Section]", f"{KIND_KEY}=2", f"{REPEAT_KEY}=4",
                                f"{FILE_KEY}={stored}", ""])
        self.assertEqual(self.settings.read_bytes(), expected.encode("cp932"))
        self.assertLessEqual(len(stored), 255)
        self.assertEqual(self.session.run("cmd", "/c", "type", stored, output_dir=self.scratch,
                                          name="type")[0], 0, f"{stored} does not open")

    def test_the_help_link_opens_the_page_and_cancel_writes_nothing(self):
        (self.folder / HELP_PAGE).write_text("<html></html>", encoding="utf-8")
        opened = self.scratch / "opened.txt"
        # The platform opens .html files with the probe, which writes down the
        # path. The test systems have no .html association of their own.
        command = f'"{windows_path(os.environ["ZELVANE_PROBE"])}" record --to ' \
                  f'"{windows_path(opened)}" "%1"'
        for key, value in ((r"HKCR\ZelvaneTest.Page\shell\open\command", command),
                           (r"HKCR\.html", "ZelvaneTest.Page")):
            self.addCleanup(self.session.run, "reg", "delete", key.split("\\shell")[0], "/f",
                            output_dir=self.scratch, name="reg")
            self.assertEqual(self.session.run("reg", "add", key, "/ve", "/d", value, "/f",
                                              output_dir=self.scratch, name="reg")[0], 0)
        self.open_dialog()
        self.click(OPTION_LABELS[1])
        # The page opens, and the dialog stays.
        self.click(HELP_LINK)
        self.wait_until(opened.exists, timeout=20, message="the help page opened")
        path = opened.read_text(encoding="utf-8").splitlines()[0]
        self.assertEqual(path.lower(), windows_path(self.folder / HELP_PAGE).lower())
        self.assertIsNone(self.process.poll())

        self.click(CANCEL_BUTTON)
        self.assert_dialog_ends()
        self.assertFalse(self.settings.exists())
