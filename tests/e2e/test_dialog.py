"""The settings dialog (/c) with the real shell program, driven by real mouse
clicks and key presses: its window, how it reflects the settings file, the
option presses, the file chooser, confirming, cancelling, the help link and
how its buttons and panel look.

Each test runs a copy of the shell in a folder of its own; the renderer file is
only tested for existence in configure mode, so an empty stand-in serves.
"""

import os
import shutil
import time

from harness import WineTestCase

SHELL = "ゼルヴェイン.scr"
RENDERER = "ゼルヴェイン.dll"
SETTINGS = "ゼルヴェイン.ini"
HELP_PAGE = "ゼルヴェイン.html"
DIALOG_TITLE = "<ゼルヴェイン>"
CHOOSER_TITLE = "ﾌｧｲﾙを開く"
SECTION = "Section"
KIND_KEY, REPEAT_KEY, FILE_KEY = "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ"

WS_DISABLED = 0x08000000
TWIPS_PER_PIXEL = 15

# Places in the dialog's client area, in pixels: the panel holds the options.
PANEL = (12, 16)
PANEL_SIZE = (469, 165)
OPTION_IMAGES = [(28, 76), (28, 56), (28, 96)]  # by kind of music: none, CD, file
OPTION_LABELS = [(44, 76), (44, 56), (44, 96)]
FILE_BUTTON = (28, 116, 41, 21)
FILE_LABEL = (72, 116, 373, 33)
SET_BUTTON = (324, 200, 77, 25)
CANCEL_BUTTON = (404, 200, 77, 25)
HELP_LINK = (12, 208, 207, 13)
SELECTED_BLUE = (32, 72, 208)

START_TIMEOUT = 30
EXIT_TIMEOUT = 30


def in_panel(x, y):
    return PANEL[0] + x, PANEL[1] + y


def centre(box):
    x, y, w, h = box
    return x + w // 2, y + h // 2


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def round_half_away(value):
    return int(value + 0.5) if value >= 0 else -int(-value + 0.5)


class DialogTestCase(WineTestCase):
    def setUp(self):
        super().setUp()
        self.folder = self.scratch / "saver"
        self.folder.mkdir()
        shutil.copy2(self.product_path(SHELL), self.folder / SHELL)
        (self.folder / RENDERER).write_bytes(b"")
        self.settings = self.folder / SETTINGS

    def write_settings(self, kind, repeat, file):
        """The settings file, written by the platform's own profile functions. On
        the Western system they would write the Japanese keys as '?', so there
        the file starts as UTF-16, which they keep."""
        if self.session.locale != "ja":
            self.settings.write_bytes(b"\xff\xfe")
        for key, value in ((KIND_KEY, kind), (REPEAT_KEY, repeat), (FILE_KEY, file)):
            self.probe.profile_write(windows_path(self.settings), SECTION, key, str(value))
        return self.settings.read_bytes()

    def open_dialog(self):
        self.process = self.start_program(self.folder / SHELL, "/c")
        windows = self.probe.wait_for(title=DIALOG_TITLE, visible=True, timeout=START_TIMEOUT)
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

    def shown(self, point):
        return self.screenshot("look").pixel(*self.at(point))

    def track_box(self):
        [panel] = [w for w in self.probe.list_windows(parent=self.dialog.hwnd)
                   if w.client_width == PANEL_SIZE[0] and w.client_height == PANEL_SIZE[1]]
        [combo] = [w for w in self.probe.list_windows(parent=panel.hwnd)
                   if w.cls.lower() == "combobox"]
        return combo

    def file_chooser_opens(self, timeout):
        return bool(self.probe.wait_for(title=CHOOSER_TITLE, visible=True, timeout=timeout))

    @property
    def file_label(self):
        return (PANEL[0] + FILE_LABEL[0], PANEL[1] + FILE_LABEL[1], *FILE_LABEL[2:])

    def choose_file(self, path):
        """Picks the music file option and types path into the file chooser;
        the path (or what the dialog makes of it) then shows."""
        self.click(in_panel(OPTION_IMAGES[2][0] + 6, OPTION_IMAGES[2][1] + 6))
        self.click(in_panel(*centre(FILE_BUTTON)))
        self.assertTrue(self.file_chooser_opens(timeout=10), "no file chooser")
        self.x.focus(CHOOSER_TITLE)
        self.x.type(windows_path(path))
        self.x.key("Return")
        self.assertTrue(self.probe.wait_gone(title=CHOOSER_TITLE, timeout=10))
        time.sleep(0.3)
        self.assertIsNone(self.process.poll(), "the dialog ended")
        shot = self.screenshot("chosen")
        self.assertGreater(sum(shot.pixel(*self.at(in_panel(200, 10)))), 300)  # the panel shows
        self.assertGreater(self.dark_pixels(shot, self.file_label), 20)

    def assert_dialog_ends(self):
        self.assertEqual(self.wait_for_exit(self.process, EXIT_TIMEOUT), 0)
        self.assertTrue(self.probe.wait_gone(title=DIALOG_TITLE, timeout=10))

    def dark_pixels(self, shot, box):
        x, y, w, h = box
        left, top = self.at((x, y))
        return sum(1 for yy in range(top, top + h) for xx in range(left, left + w)
                   if max(shot.pixel(xx, yy)) < 100)


class DialogWindowTest(DialogTestCase):
    def test_window_reflects_the_settings_and_options_switch_the_controls(self):
        music = self.scratch / "song.mp3"
        music.write_bytes(b"")
        self.write_settings(1, 5, windows_path(music))
        dialog = self.open_dialog()

        self.assertEqual((dialog.client_width, dialog.client_height), (496, 246))
        screen = self.screenshot("screen")
        left_twips = (screen.width * TWIPS_PER_PIXEL - dialog.width * TWIPS_PER_PIXEL) // 2
        top_twips = (screen.height * TWIPS_PER_PIXEL - dialog.height * TWIPS_PER_PIXEL) // 3
        self.assertEqual(dialog.left, round_half_away(left_twips / TWIPS_PER_PIXEL))
        self.assertEqual(dialog.top, round_half_away(top_twips / TWIPS_PER_PIXEL))

        # Audio CD is selected, track 5 shows, the file's path is written out.
        for kind, image in enumerate(OPTION_IMAGES):
            colour = screen.pixel(*self.at(in_panel(image[0] + 6, image[1] + 6)))
            with self.subTest(option=kind):
                self.assertEqual(colour == SELECTED_BLUE, kind == 1, colour)
        combo = self.track_box()
        self.assertEqual(self.probe.text(combo.hwnd), "5")
        self.assertFalse(combo.style & WS_DISABLED)
        self.assertGreater(self.dark_pixels(screen, self.file_label), 20)

        # "MP3、WAV" on its label: the file button works, the track box does not.
        self.click(in_panel(OPTION_LABELS[2][0] + 10, OPTION_LABELS[2][1] + 6))
        self.assertTrue(self.track_box().style & WS_DISABLED)
        self.assertEqual(self.shown(in_panel(OPTION_IMAGES[2][0] + 6, OPTION_IMAGES[2][1] + 6)),
                         SELECTED_BLUE)
        self.click(in_panel(*centre(FILE_BUTTON)))
        self.assertTrue(self.file_chooser_opens(timeout=10), "no file chooser")
        self.x.key("Escape", CHOOSER_TITLE)
        self.assertTrue(self.probe.wait_gone(title=CHOOSER_TITLE, timeout=10))

        # "音楽CD" on its image: the reverse.
        self.click(in_panel(OPTION_IMAGES[1][0] + 6, OPTION_IMAGES[1][1] + 6))
        self.assertFalse(self.track_box().style & WS_DISABLED)
        self.click(in_panel(*centre(FILE_BUTTON)))
        self.assertFalse(self.file_chooser_opens(timeout=2), "the file button took a click")

        # "なし": neither.
        self.click(in_panel(OPTION_LABELS[0][0] + 8, OPTION_LABELS[0][1] + 6))
        self.assertTrue(self.track_box().style & WS_DISABLED)
        self.click(in_panel(*centre(FILE_BUTTON)))
        self.assertFalse(self.file_chooser_opens(timeout=2), "the file button took a click")

        # The close box: nothing is written.
        before = self.settings.read_bytes()
        self.x.move_mouse(dialog.right - 12, dialog.top + 11)
        self.x.click()
        self.assert_dialog_ends()
        self.assertEqual(self.settings.read_bytes(), before)

    def test_help_link_opens_the_help_page_beside_the_programs(self):
        (self.folder / HELP_PAGE).write_text("<html></html>", encoding="utf-8")
        opened = self.scratch / "opened.txt"
        # The platform opens .html files with the probe, which writes down the
        # path. The test systems have no .html association of their own.
        classes = "HKCR"
        command = f'"{windows_path(os.environ["ZELVANE_PROBE"])}" record --to ' \
                  f'"{windows_path(opened)}" "%1"'
        self.addCleanup(self.reg, "delete", f"{classes}\\.html", "/f")
        self.addCleanup(self.reg, "delete", f"{classes}\\ZelvaneTest.Page", "/f")
        self.reg("add", f"{classes}\\ZelvaneTest.Page\\shell\\open\\command", "/ve", "/d",
                 command, "/f")
        self.reg("add", f"{classes}\\.html", "/ve", "/d", "ZelvaneTest.Page", "/f")

        self.open_dialog()
        self.click((HELP_LINK[0] + 20, HELP_LINK[1] + 6))
        self.wait_until(opened.exists, timeout=20, message="the help page opened")
        path = opened.read_text(encoding="utf-8").splitlines()[0]
        self.assertEqual(path.lower(), windows_path(self.folder / HELP_PAGE).lower())
        self.assertIsNone(self.process.poll())  # the dialog stays open
        self.click(centre(CANCEL_BUTTON))
        self.assert_dialog_ends()

    def reg(self, *args):
        status, _, err = self.session.run("reg", *args, output_dir=self.scratch, name="reg")
        if status != 0 and args[0] != "delete":
            self.fail(f"reg {' '.join(args)}: {err}")


class DialogSavingTest(DialogTestCase):
    def test_confirm_writes_the_three_keys_in_order_and_ends(self):
        chosen = self.scratch / "chosen.wav"
        chosen.write_bytes(b"")
        self.open_dialog()  # no settings file yet

        # Audio CD with a typed track, then a music file chosen by typing its path.
        self.click(in_panel(OPTION_IMAGES[1][0] + 6, OPTION_IMAGES[1][1] + 6))
        combo = self.track_box()
        self.click((combo.left - self.origin[0] + 10, combo.top - self.origin[1] + 8))
        self.x.type("3.5")
        self.choose_file(chosen)

        self.click(centre(SET_BUTTON))
        self.assert_dialog_ends()
        expected = "\r\n".join(["[Section]", f"{KIND_KEY}=2", f"{REPEAT_KEY}=4",
                                f"{FILE_KEY}={windows_path(chosen)}", ""])
        self.assertEqual(self.settings.read_bytes(), expected.encode("cp932"))

    def test_a_path_too_long_for_the_file_is_stored_in_its_short_form(self):
        # The settings file keeps 255 bytes of a value; this path has 258. (Wine's
        # file chooser itself fails on a path beyond the platform's 260.)
        name = "chosen.mp3"
        folder = self.scratch / ("x" * (258 - len(windows_path(self.scratch)) - 2 - len(name)))
        folder.mkdir()
        chosen = folder / name
        chosen.write_bytes(b"")
        self.assertEqual(len(windows_path(chosen)), 258)
        self.open_dialog()
        self.choose_file(chosen)
        self.click(centre(SET_BUTTON))
        self.assert_dialog_ends()
        stored = self.settings.read_bytes().decode("cp932").split("\r\n")[3]
        self.assertTrue(stored.startswith(FILE_KEY + "="), stored)
        self.assertLessEqual(len(stored) - len(FILE_KEY) - 1, 255)
        self.assertIn("~", stored)

        # It reads back as a file that opens: the next start shows it.
        self.open_dialog()
        self.assertGreater(self.dark_pixels(self.screenshot("again"), self.file_label), 20)
        self.click(centre(CANCEL_BUTTON))
        self.assert_dialog_ends()

    def test_cancel_writes_nothing_and_the_buttons_light_up_and_press(self):
        before = self.write_settings(2, 0, "")
        self.open_dialog()
        self.x.move_mouse(0, 0)
        time.sleep(0.3)
        away = self.screenshot("away")
        # The marble panel is textured, not flat.
        left, top = self.at(in_panel(200, 90))
        levels = {away.pixel(x, top + y)[0] for x in range(left, left + 200) for y in range(40)}
        self.assertGreater(len(levels), 8)

        self.click(in_panel(OPTION_LABELS[1][0] + 10, OPTION_LABELS[1][1] + 6))
        button = CANCEL_BUTTON
        box = (*self.at(button[:2]), self.at(button[:2])[0] + button[2],
               self.at(button[:2])[1] + button[3])
        self.x.move_mouse(*self.at(centre(button)))
        time.sleep(0.4)  # the pointer watch looks every 100 ms
        hover = self.screenshot("hover")
        self.x.press()
        time.sleep(0.3)
        held = self.screenshot("held")
        self.assertGreater(region_difference(away, hover, box), 0.05, "no light on hover")
        self.assertGreater(region_difference(hover, held, box), 0.05, "no pressed look")
        self.x.release()
        self.assert_dialog_ends()
        self.assertEqual(self.settings.read_bytes(), before)


def region_difference(a, b, box, tolerance=12):
    """Fraction of pixels in box (left, top, right, bottom) that differ."""
    left, top, right, bottom = box
    changed = total = 0
    for y in range(top, bottom):
        for x in range(left, right):
            total += 1
            pa, pb = a.pixel(x, y), b.pixel(x, y)
            changed += any(abs(p - q) > tolerance for p, q in zip(pa, pb))
    return changed / total


if __name__ == "__main__":
    import unittest
    unittest.main()
