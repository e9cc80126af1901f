"""Background music of a saver run, heard for real (see harness.music)."""

from harness.dialog import windows_path
from harness.music import MusicTestCase

WIN_INI = r"C:\windows\win.ini"  # where the system's sounds are named


class MusicTest(MusicTestCase):
    def test_wav_loops_while_the_displays_are_on_and_stops_with_the_saver(self):
        # One second of tone heard for three seconds on end, and two more once
        # the displays are back. Wine opens the file by its name in the ANSI
        # code page, so the name keeps to ASCII here. The settings are in the
        # user's own file, where the dialog of a saver that cannot write beside
        # itself keeps them.
        process, heard = self.play("loop tone.wav", 1.0, repeat=0, span=3.0, per_user=True)
        self.assertGreaterEqual(heard.count("#") / len(heard), 0.9, heard)
        back = self.heard(self.turn_the_displays_off_and_on(), 2.0)
        self.assertEqual(back, "#" * len(back))
        self.assert_ends_in_silence(process)

    def test_mp3_with_blanks_in_its_name_is_restarted_after_each_end_and_rests_in_the_dark(self):
        # The CD repeat setting plays no part for a file. The end is noticed on
        # a one-second rhythm: a 1.5 s play every two seconds.
        process, heard = self.play("音楽 ファイル.mp3", 1.5, repeat=3, span=7.0)
        # Whole plays, each followed by a pause of up to about a second.
        self.assertRegex(heard, r"^(#{12,}\.{1,16}){3}")
        self.turn_the_displays_off_and_on()
        self.assert_ends_in_silence(process)

    def test_wav_that_cannot_be_decoded_is_silence(self):
        # Played as a sound name rather than a file, it would be looked up first
        # among the system's sounds, here a loud tone under its very name, and
        # failing everything it would fall back to the default sound, made loud too.
        broken = self.scratch / "broken.wav"
        broken.write_bytes(b"RIFF\x10\x00\x00\x00not a wave at all" * 64)
        loud = windows_path(self.tone("loud.wav", 1.0))
        for key in ("Default", windows_path(broken)):
            self.probe.profile_write(WIN_INI, "Sounds", key, loud)
            self.addCleanup(self.probe.profile_write, WIN_INI, "Sounds", key, "")
        process = self.start_saver(broken)
        self.assert_silent(self.recording.position(), 3.0)
        self.assert_ends_in_silence(process)
