"""The shell's start-up: the missing-renderer message, the instance guard, the
settings dialog of a start without arguments and the starts that end at once.
The renderer beside the copy of the shell is only looked for, so an empty file
serves."""

import shutil

from harness import WineTestCase
from harness.dialog import DIALOG_TITLE, MESSAGE_TITLE, RENDERER, SHELL

MISSING_RENDERER_TEXT = "ゼルヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！"
EXIT_TIMEOUT = 30


class StartupTest(WineTestCase):
    def install_shell(self, with_renderer):
        folder = self.scratch / "saver"
        folder.mkdir()
        shutil.copy2(self.product_path(SHELL), folder / SHELL)
        if with_renderer:
            (folder / RENDERER).write_bytes(b"")
        return folder / SHELL

    def assert_ends_at_once(self, process):
        self.assertEqual(self.wait_for_exit(process, EXIT_TIMEOUT), 0)

    def test_run_and_settings_show_the_missing_renderer_and_wait_for_the_answer(self):
        shell = self.install_shell(with_renderer=False)
        for args in (["/s"], ["/c"]):
            with self.subTest(args=args):
                process = self.start_program(shell, *args)
                box = self.probe.read_message_box(title=MESSAGE_TITLE, timeout=30)
                self.assertEqual((box.text, len(box.buttons), box.has_icon),
                                 (MISSING_RENDERER_TEXT, 1, False))
                self.assertIsNone(process.poll())
                self.assertTrue(self.probe.press_button(box.buttons[0], title=MESSAGE_TITLE))
                self.assert_ends_at_once(process)

    def test_an_ending_mode_and_a_preview_without_a_window_end_without_a_word(self):
        # Were a message box shown, nobody would close it and the shell would not end.
        shell = self.install_shell(with_renderer=True)
        for args in (["s"], ["/p", "0"], ["/p", "123456789"]):
            with self.subTest(args=args):
                self.assert_ends_at_once(self.start_program(shell, *args))

    def test_no_arguments_show_the_settings_dialog(self):
        # As the platform's Configure command starts a saver.
        process = self.start_program(self.install_shell(with_renderer=True))
        [dialog] = self.probe.wait_for(title=DIALOG_TITLE, visible=True, timeout=EXIT_TIMEOUT)
        self.assertTrue(self.probe.post(dialog.hwnd, "WM_CLOSE"))
        self.assert_ends_at_once(process)

    def test_an_open_saver_or_dialog_stops_every_start(self):
        # Without the renderer file every mode but the preview would show its
        # message, so ending silently shows that the guard came first.
        shell = self.install_shell(with_renderer=False)
        parent = self.open_test_window(160, 120, x=600, y=400)
        for title, modes in (("Zelvane_Main", (["/s"], ["/p", str(parent.hwnd)])),
                             (DIALOG_TITLE, (["/c"],))):
            guard = self.open_test_window(100, 80, title=title)
            for args in modes:
                with self.subTest(title=title, args=args):
                    self.assert_ends_at_once(self.start_program(shell, *args))
            guard.process.kill()
            self.assertTrue(self.probe.wait_gone(title=title, timeout=10))
