"""Background music of a saver run, heard for real: the shell plays through a
sound server of this module's own, and what reaches its sink is recorded and
measured in 100 ms windows.

Each test runs a copy of the shell and the renderer in a folder of its own,
with a settings file written there as the settings dialog would write it.
"""

import shutil
import subprocess

from harness import WineTestCase
from harness.audio import (SoundServer, WINDOW_SECONDS, runs, seconds_to_bytes,
                           wait_seconds)

SHELL = "ゼルヴェイン.scr"
RENDERER = "ゼルヴェイン.dll"
SETTINGS = "ゼルヴェイン.ini"
HOST_TITLE = "Zelvane_Main"
RENDERER_TITLE = "Zelvane_VC"

KIND_AUDIO_CD = 1
KIND_FILE = 2

# The test tone is at half of full scale: a level of about 11,600. Silence is
# exact zeros on a null sink.
TONE_VOLUME = 0.5
LOUD_LEVEL = 2000
QUIET_LEVEL = 100

START_TIMEOUT = 30
END_TIMEOUT = 15
# Sound still in flight when the shell's end is noticed.
END_MARGIN = 0.3
SILENCE_CHECKED_FOR = 1.5


def windows_path(path):
    """The path as the shell sees it under Wine (drive Z: is the Unix root)."""
    return "Z:" + str(path).replace("/", "\\")


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
        # Programs this test starts play through the module's sound server.
        self.session = self.sound.wine_session(WineTestCase.session)
        self.recording = self.sound.record(self.scratch / "capture.raw")
        self.addCleanup(self.recording.stop)

    def make_tone(self, name, seconds):
        """A 440 Hz stereo tone file made by sox; its type follows the name."""
        path = self.scratch / name
        subprocess.run(["sox", "-n", "-r", "44100", "-c", "2", str(path), "synth", str(seconds),
                        "sine", "440", "vol", str(TONE_VOLUME)],
                       check=True, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
        return path

    def install(self, kind, repeat=0, music_file=None):
        """The shell and the renderer in a folder with a settings file; the shell's path."""
        folder = self.scratch / "saver"
        folder.mkdir()
        for name in (SHELL, RENDERER):
            shutil.copy2(self.product_path(name), folder / name)
        lines = ["[Section]", f"BGM区分={kind}", f"BGMﾘﾋﾟｰﾄ={repeat}"]
        if music_file is not None:
            lines.append(f"BGMﾌｧｲﾙ={windows_path(music_file)}")
        (folder / SETTINGS).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp932"))
        return folder / SHELL

    def start_saver(self, shell):
        """Starts a run; returns the shell's process and the recording position at its start."""
        mark = self.recording.position()
        process = self.start_program(shell, "/s")
        self.assertTrue(self.probe.wait_for(title=HOST_TITLE, timeout=START_TIMEOUT),
                        "no saver host")
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True,
                                            timeout=START_TIMEOUT), "no renderer window")
        return process, mark

    def end_saver(self, process):
        """Dismisses the renderer; returns the recording position at the shell's end,
        once no process of the saver is left."""
        self.assertIsNone(process.poll(), "the shell ended before it was dismissed")
        self.x.key("space", RENDERER_TITLE)
        self.assertEqual(self.wait_for_exit(process, END_TIMEOUT), 0)
        ended = self.recording.position()
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        message="the end of every process of the saver")
        return ended

    def assert_silent_after(self, position):
        start = position + seconds_to_bytes(END_MARGIN)
        wait_seconds(self.recording, start, SILENCE_CHECKED_FOR)
        levels = self.recording.levels(start, start + seconds_to_bytes(SILENCE_CHECKED_FOR))
        self.assertLess(max(levels), QUIET_LEVEL, f"sound after the saver ended: {rounded(levels)}")

    def first_loud(self, mark, timeout=START_TIMEOUT):
        """The position of the first loud window after mark."""
        window = seconds_to_bytes(WINDOW_SECONDS)
        checked = mark

        def found():
            nonlocal checked
            for level in self.recording.levels(checked):
                if level >= LOUD_LEVEL:
                    return checked
                checked += window
            return None

        return self.wait_until(found, timeout, interval=0.2, message="sound from the saver")

def rounded(levels):
    return [int(level) for level in levels]


class FileMusicTest(MusicTestCase):
    def test_wav_loops_while_the_saver_runs_and_stops_with_it(self):
        # One second of tone heard for three seconds on end: it loops. Wine
        # opens the sound file by its name in the system's ANSI code page, so
        # the name keeps to ASCII to be found on the Western system too.
        tone = self.make_tone("loop tone.wav", 1.0)
        process, mark = self.start_saver(self.install(KIND_FILE, music_file=tone))
        heard_from = self.first_loud(mark)
        span = 3.0
        wait_seconds(self.recording, heard_from, span)
        levels = self.recording.levels(heard_from, heard_from + seconds_to_bytes(span))
        loud = sum(level >= LOUD_LEVEL for level in levels)
        self.assertGreaterEqual(loud / len(levels), 0.9, f"levels {rounded(levels)}")
        self.assertIsNone(process.poll())
        self.assert_silent_after(self.end_saver(process))

    def test_mp3_with_blanks_in_its_name_is_restarted_after_each_end(self):
        tone_seconds = 1.5
        tone = self.make_tone("音楽 ファイル.mp3", tone_seconds)
        # The CD repeat setting plays no part for a file.
        process, mark = self.start_saver(self.install(KIND_FILE, repeat=3, music_file=tone))
        heard_from = self.first_loud(mark)
        # Three plays with the checks' one-second rhythm: a play every two seconds.
        span = 7.0
        wait_seconds(self.recording, heard_from, span)
        levels = self.recording.levels(heard_from, heard_from + seconds_to_bytes(span))
        pattern = bridged(runs(levels, LOUD_LEVEL))
        described = f"runs of 100 ms windows (loud, count): {pattern}"
        # Whole plays, each followed by a pause of up to about a second before
        # the next; the last run may be cut by the end of the span.
        plays = [count * WINDOW_SECONDS for loud, count in pattern[:-1] if loud]
        pauses = [count * WINDOW_SECONDS for loud, count in pattern[:-1] if not loud]
        self.assertGreaterEqual(len(plays), 3, described)
        for seconds in plays:
            self.assertGreaterEqual(seconds, tone_seconds - 0.3, described)
        for seconds in pauses:
            self.assertGreaterEqual(seconds, 0.2, described)
            self.assertLessEqual(seconds, 1.6, described)
        self.assertIsNone(process.poll())
        self.assert_silent_after(self.end_saver(process))


class AudioCdTest(MusicTestCase):
    def test_without_a_drive_the_saver_runs_silently_and_ends(self):
        process, mark = self.start_saver(self.install(KIND_AUDIO_CD, repeat=2))
        # Long enough for many CD checks once the renderer runs.
        wait_seconds(self.recording, self.recording.position(), 2.0)
        levels = self.recording.levels(mark)
        self.assertLess(max(levels), QUIET_LEVEL, f"levels {rounded(levels)}")
        self.assert_silent_after(self.end_saver(process))


def bridged(pattern):
    """Runs with single quiet windows inside loud sound counted as loud: a
    moment without sound on a loaded machine is not a pause of the music."""
    result = []
    for i, (loud, count) in enumerate(pattern):
        inner = 0 < i < len(pattern) - 1
        if not loud and count == 1 and inner:
            loud = True
        if result and result[-1][0] == loud:
            result[-1] = (loud, result[-1][1] + count)
        else:
            result.append((loud, count))
    return result
