"""A saver run with background music, heard for real: the shell plays through a
sound server of the test module's own, whose sink is recorded and measured in
100 ms windows. The music is a 440 Hz tone at half of full scale (a level of
about 11,600); silence on the null sink is exact zeros."""

import re
import shutil
import subprocess

from .audio import SoundServer, WINDOW_SECONDS, seconds_to_bytes, wait_seconds
from .case import WineTestCase
from .dialog import RENDERER, SETTINGS, SHELL, windows_path

HOST_TITLE, RENDERER_TITLE = "Zelvane_Main", "Zelvane_VC"
KIND_FILE = 2
LOUD_LEVEL, QUIET_LEVEL = 2000, 100
START_TIMEOUT, END_TIMEOUT = 30, 15
END_MARGIN = 0.3  # sound still in flight when the shell's end is noticed
WM_SYSCOMMAND, SC_MONITORPOWER = 0x0112, 0xF170
DISPLAY_OFF, DISPLAY_ON = 2, -1


class MusicTestCase(WineTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.sound = SoundServer(cls.scratch_root / cls.session.locale / "sound-server").start()

    @classmethod
    def tearDownClass(cls):
        cls.sound.stop()
        super().tearDownClass()

    def setUp(self):
        super().setUp()
        self.session = self.sound.wine_session(WineTestCase.session)
        self.recording = self.sound.record(self.scratch / "capture.raw")
        self.addCleanup(self.recording.stop)

    def tone(self, name, seconds):
        tone = self.scratch / name
        subprocess.run(["sox", "-n", "-r", "44100", "-c", "2", str(tone), "synth",
                        str(seconds), "sine", "440", "vol", "0.5"],
                       check=True, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
        return tone

    def start_saver(self, music, repeat=0, per_user=False):
        """Runs the saver with music (a path) as its music file, in a folder of its
        own, with its settings beside it or (per_user) in the user's own file while
        that folder cannot be written; returns the shell's process once the
        renderer window shows."""
        folder = self.scratch / f"saver {music.name}"
        folder.mkdir()
        for name in (SHELL, RENDERER):
            shutil.copy2(self.product_path(name), folder / name)
        settings = f"[Section]\r\nBGM区分={KIND_FILE}\r\nBGMﾘﾋﾟｰﾄ={repeat}\r\n" \
                   f"BGMﾌｧｲﾙ={windows_path(music)}\r\n"
        if per_user:
            self.user_settings.mkdir()
            self.make_unwritable(folder)
        ((self.user_settings if per_user else folder) / SETTINGS).write_bytes(
            settings.encode("cp932"))
        process = self.start_program(folder / SHELL, "/s")
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True,
                                            timeout=START_TIMEOUT), "no renderer window")
        return process

    def first_window(self, mark, loud, what):
        """The recording's position of the first 100 ms window from mark on that
        is loud (or, with loud False, quiet)."""
        def found():
            nonlocal mark
            for level in self.recording.levels(mark):
                if (level >= LOUD_LEVEL if loud else level < QUIET_LEVEL):
                    return mark
                mark += seconds_to_bytes(WINDOW_SECONDS)
            return None

        return self.wait_until(found, START_TIMEOUT, interval=0.2, message=what)

    def heard(self, start, span):
        """span seconds heard from start on, "#" loud and "." quiet (one quiet
        window inside loud sound, on a loaded machine, counts as loud)."""
        wait_seconds(self.recording, start, span)
        levels = self.recording.levels(start, start + seconds_to_bytes(span))
        heard = "".join(".#"[level >= LOUD_LEVEL] for level in levels)
        return re.sub(r"(?<=#)\.(?=#)", "#", heard)

    def assert_silent(self, start, span):
        wait_seconds(self.recording, start, span)
        levels = self.recording.levels(start, start + seconds_to_bytes(span))
        self.assertLess(max(levels), QUIET_LEVEL, f"sound: {levels}")

    def play(self, tone_name, tone_seconds, repeat, span, per_user=False):
        """Runs the saver with a tone file as its music; returns the shell's process
        and span seconds heard from the first loud window on."""
        tone = self.tone(tone_name, tone_seconds)
        mark = self.recording.position()
        process = self.start_saver(tone, repeat, per_user)
        heard_from = self.first_window(mark, True, "sound from the saver")
        heard = self.heard(heard_from, span)
        self.assertIsNone(process.poll(), "the shell ended before it was dismissed")
        return process, heard

    def assert_ends_in_silence(self, process):
        self.x.key("space", RENDERER_TITLE)
        self.assertEqual(self.wait_for_exit(process, END_TIMEOUT), 0)
        start = self.recording.position() + seconds_to_bytes(END_MARGIN)
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        message="the end of every process of the saver")
        self.assert_silent(start, 1.5)

    def turn_the_displays_off_and_on(self):
        """Silence while the displays are off; gives where sound is heard again
        once they are back."""
        [host] = self.probe.find(title=HOST_TITLE)
        mark = self.recording.position()
        self.assertTrue(self.probe.post(host.hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, DISPLAY_OFF))
        self.assert_silent(self.first_window(mark, False, "silence"), 2.0)
        mark = self.recording.position()
        self.assertTrue(self.probe.post(host.hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, DISPLAY_ON))
        return self.first_window(mark, True, "sound once the displays are back")
