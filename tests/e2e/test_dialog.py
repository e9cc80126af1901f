"""The settings dialog: its look and place, its options, its file chooser and
link, and its three ways to close (each of which must report no failure)."""

import os

from harness.dialog import (CANCEL_BUTTON, CHOOSER_TITLE, FILE_KEY, HELP_LINK, HELP_PAGE,
                            KIND_KEY, OPTION_LABELS, OPTION_PICTURES, REPEAT_KEY, SET_BUTTON,
                            DialogTestCase, windows_path)

WS_DISABLED = 0x08000000
TWIPS_PER_PIXEL = 15


class DialogTest(DialogTestCase):
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
        self.choose_file(chosen)
        shot = self.screenshot("chosen")
        self.assertGreater(sum(shot.pixel(*self.at((212, 26)))), 300)  # the panel shows
        self.assertTrue(self.shows_a_path(shot))

        self.click(SET_BUTTON)
        self.assert_dialog_ends()
        stored = self.settings.read_bytes().decode("cp932").split("\r\n")[3][len(FILE_KEY) + 1:]
        expected = "\r\n".join(["[Section]", f"{KIND_KEY}=2", f"{REPEAT_KEY}=4",
                                f"{FILE_KEY}={stored}", ""])
        self.assertEqual(self.settings.read_bytes(), expected.encode("cp932"))
        self.assertFalse(self.user_settings.exists(), "a per-user settings file was made")
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
