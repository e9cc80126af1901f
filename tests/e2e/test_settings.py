"""Where the settings are kept, and saves that never lose them: a program folder
that cannot be written (as in the system's or the programs' folder), no place
that can, a music file that is away, and another program holding the settings
file for a moment. Places are made unwritable with chattr +i: Wine running as
root writes anywhere otherwise."""

import getpass

from harness.dialog import (CANCEL_BUTTON, FILE_KEY, KIND_KEY, MESSAGE_TITLE, OPTION_LABELS,
                            RENDERER, REPEAT_KEY, SET_BUTTON, SETTINGS, SHELL, TIMEOUT,
                            DialogTestCase, windows_path)

# The per-user settings file as the shell names it, after the user's folder.
USER_FILE_TAIL = "\\AppData\\Roaming\\ゼルヴェイン\\ゼルヴェイン.ini"


def settings_bytes(kind, repeat, file, more=""):
    """A settings file as the shell writes it, with more lines after its keys."""
    return (f"[Section]\r\n{KIND_KEY}={kind}\r\n{REPEAT_KEY}={repeat}\r\n"
            f"{FILE_KEY}={file}\r\n{more}").encode("cp932")


class SettingsTest(DialogTestCase):
    def folder_contents(self):
        return {path.name: path.read_bytes() for path in self.folder.iterdir()}

    def open_dialog_on_a_music_file(self, name):
        """Opens the dialog and checks that it shows a music file chosen."""
        self.open_dialog()
        shot = self.screenshot(name)
        self.assertEqual(self.selected_kinds(shot), [2])
        self.assertTrue(self.shows_a_path(shot))

    def test_an_unwritable_program_folder_keeps_the_settings_per_user(self):
        # The saver plays what the user's own file names (see the music tests).
        self.settings.write_bytes(settings_bytes(0, 0, "", "Other=kept\r\n"))
        music = self.scratch / "song.wav"
        music.write_bytes(b"")
        self.make_unwritable(self.settings, self.folder)
        before = self.folder_contents()

        self.open_dialog()
        self.click(OPTION_LABELS[2])
        self.choose_file(music)
        self.click(SET_BUTTON)
        self.assert_dialog_ends()
        # The new per-user file starts from the program folder's: no key is lost.
        saved = settings_bytes(2, 0, windows_path(music), "Other=kept\r\n")
        self.assertEqual((self.user_settings / SETTINGS).read_bytes(), saved)
        self.assertEqual(self.folder_contents(), before)

        # Reopened, it shows the choice; another one cancelled is not written.
        self.open_dialog_on_a_music_file("reopened")
        self.click(OPTION_LABELS[0])
        self.click(CANCEL_BUTTON)
        self.assert_dialog_ends()
        self.assertEqual((self.user_settings / SETTINGS).read_bytes(), saved)

    def test_where_nothing_can_be_written_the_dialog_says_so_and_stays_open(self):
        self.settings.write_bytes(settings_bytes(0, 0, ""))
        self.make_unwritable(self.settings, self.folder, self.session.appdata)
        before = self.folder_contents()
        self.open_dialog()
        self.click(OPTION_LABELS[1])
        self.click(SET_BUTTON)

        box = self.probe.read_message_box(title=MESSAGE_TITLE, timeout=TIMEOUT)
        self.assertIsNotNone(box, "no message")
        self.assertTrue(box.text.startswith("設定を保存できませんでした。"), box.text)
        self.assertIn(windows_path(self.settings), box.text)
        self.assertIn(f"C:\\users\\{getpass.getuser()}{USER_FILE_TAIL}", box.text)
        self.assertEqual((len(box.buttons), box.has_icon), (1, False))
        self.assertTrue(self.probe.press_button(box.buttons[0], title=MESSAGE_TITLE))
        self.assertTrue(self.probe.wait_gone(title=MESSAGE_TITLE, timeout=10))
        self.assertIsNone(self.process.poll(), "the dialog closed")
        self.assertEqual(self.folder_contents(), before)
        self.assertFalse(self.user_settings.exists())

        self.click(CANCEL_BUTTON)
        self.assert_dialog_ends()

    def test_a_music_file_that_is_away_is_shown_and_saved_back_unchanged(self):
        stored = settings_bytes(2, 0, windows_path(self.scratch / "away" / "song.mp3"))
        self.settings.write_bytes(stored)
        self.open_dialog_on_a_music_file("away")
        self.click(SET_BUTTON)
        self.assert_dialog_ends()
        self.assertEqual(self.settings.read_bytes(), stored)

    def test_a_save_lands_once_a_program_holding_the_file_lets_go(self):
        self.settings.write_bytes(settings_bytes(0, 0, ""))
        self.open_dialog()
        self.click(OPTION_LABELS[1])
        # Held as a search indexer holds it, and let go 300 ms after the save
        # has made its new file beside it.
        holder = self.hold_file(windows_path(self.settings), share_writers=True,
                                until=windows_path(self.settings) + ".*.tmp", then_ms=300)
        self.click(SET_BUTTON)
        self.assert_dialog_ends()
        self.assertEqual(self.wait_for_exit(holder), 0, "the save began after the file was let go")
        self.assertEqual(self.settings.read_bytes(), settings_bytes(1, 0, ""))
        self.assertEqual(sorted(self.folder_contents()), sorted([SHELL, RENDERER, SETTINGS]))
