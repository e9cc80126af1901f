"""The saver shell's start-up: the instance guard, the missing-renderer message
and the modes that end at once, with the real shell program.

Each test runs a copy of the shell in a folder of its own, so that the
renderer file beside it is there or not as the test needs. The renderer file
is only tested for existence here, so an empty stand-in serves.
"""

import shutil
import subprocess

from harness import WineTestCase

SHELL = "ゼルヴェイン.scr"
RENDERER = "ゼルヴェイン.dll"
APP_TITLE = "ゼルヴェイン (ScreenSaver)"
MISSING_RENDERER_TEXT = "ゼルヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！"
SAVER_HOST_TITLE = "Zelvane_Main"
DIALOG_TITLE = "<ゼルヴェイン>"

WS_SYSMENU = 0x00080000  # the close box

# Generous limits: Wine starts programs slowly on a loaded machine.
START_TIMEOUT = 30
EXIT_TIMEOUT = 30


class StartupTestCase(WineTestCase):
    def install_shell(self, with_renderer):
        """A folder holding a copy of the shell, and the renderer file if asked."""
        folder = self.scratch / "saver"
        folder.mkdir()
        shutil.copy2(self.product_path(SHELL), folder / SHELL)
        if with_renderer:
            (folder / RENDERER).write_bytes(b"")
        return folder / SHELL

    def assert_ends_at_once(self, process):
        try:
            status = process.wait(timeout=EXIT_TIMEOUT)
        except subprocess.TimeoutExpired:
            process.kill()  # so that it cannot disturb the cases that follow
            self.fail(f"the shell still runs {EXIT_TIMEOUT} s later")
        self.assertEqual(status, 0)


class MissingRendererTest(StartupTestCase):
    def test_every_mode_but_preview_shows_the_message_and_ends_when_it_is_closed(self):
        shell = self.install_shell(with_renderer=False)
        for args in (["/s"], ["/c"], ["/a"]):
            with self.subTest(args=args):
                process = self.start_program(shell, *args)
                box = self.probe.read_message_box(title=APP_TITLE, timeout=START_TIMEOUT)
                self.assertIsNotNone(box, "no message box")
                self.assertEqual(box.caption, APP_TITLE)
                self.assertEqual(box.text, MISSING_RENDERER_TEXT)
                self.assertEqual(len(box.buttons), 1)
                self.assertFalse(box.has_icon)
                # The shell waits for the answer...
                self.assertIsNone(process.poll())
                self.assertTrue(self.probe.press_button(box.buttons[0], title=APP_TITLE))
                # ...and ends once it has it.
                self.assert_ends_at_once(process)


class SilentEndTest(StartupTestCase):
    def test_unknown_mode_and_one_character_end_without_a_word(self):
        # Were a message box shown, nobody would close it and the shell would not end.
        shell = self.install_shell(with_renderer=True)
        for args in (["/a"], ["s"], ["-x:1234"]):
            with self.subTest(args=args):
                self.assert_ends_at_once(self.start_program(shell, *args))

    def test_preview_without_a_usable_parent_ends(self):
        shell = self.install_shell(with_renderer=True)
        for args in (["/p", "0"], ["/p"], ["/p", "123456789"], ["/p:abc"]):
            with self.subTest(args=args):
                self.assert_ends_at_once(self.start_program(shell, *args))


class InstanceGuardTest(StartupTestCase):
    def test_an_open_saver_or_dialog_stops_every_start(self):
        # Without the renderer file every mode but the preview would show its
        # message, so ending silently shows that the guard came first.
        shell = self.install_shell(with_renderer=False)
        parent = self.open_test_window(160, 120, x=600, y=400)
        for title in (SAVER_HOST_TITLE, DIALOG_TITLE):
            guard = self.open_test_window(100, 80, title=title)
            try:
                for args in (["/s"], ["/c"], [], ["/p", str(parent.hwnd)], ["/a"]):
                    with self.subTest(title=title, args=args):
                        self.assert_ends_at_once(self.start_program(shell, *args))
                        self.assertEqual(self.probe.list_windows(parent=parent.hwnd), [])
            finally:
                guard.process.kill()
            self.assertTrue(self.probe.wait_gone(title=title, timeout=10))


class ConfigureTest(StartupTestCase):
    def test_settings_dialog_is_shown_and_its_closing_ends_the_shell(self):
        shell = self.install_shell(with_renderer=True)
        process = self.start_program(shell, "/c:1234")
        # The form's window exists hidden from its load on; wait until it is shown.
        windows = self.probe.wait_for(title=DIALOG_TITLE, visible=True, timeout=START_TIMEOUT)
        self.assertEqual(len(windows), 1, "the settings dialog was not shown")
        [dialog] = windows
        self.assertEqual(dialog.owner, 0)
        self.assertTrue(dialog.style & WS_SYSMENU)
        self.assertIsNone(process.poll())

        self.assertTrue(self.probe.post(dialog.hwnd, "WM_CLOSE"))
        self.assert_ends_at_once(process)
        self.assertTrue(self.probe.wait_gone(title=DIALOG_TITLE, timeout=10))
