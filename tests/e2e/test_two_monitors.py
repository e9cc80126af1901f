"""The saver on two monitors side by side, a 1280 x 1024 primary and a
1024 x 768 one right of it (tools/wine-env.sh with ZELVANE_MONITORS=2): a
field of its own on each, or the second one black where the settings file asks
for the primary monitor only; a display change lays the windows out again and
the run goes on."""

import shutil

from harness import WineTestCase, holds_for

SHELL, RENDERER, SETTINGS = "ゼルヴェイン.scr", "ゼルヴェイン.dll", "ゼルヴェイン.ini"
TITLE = "Zelvane_VC"
FIELD_CLASS, COVER_CLASS = "ZelvaneField", "ZelvaneCover"
PRIMARY = (0, 0, 1280, 1024)
SECOND = (1280, 0, 2304, 768)
WM_DISPLAYCHANGE = 0x007E
EXITS_WITHIN = 15.0  # generous: Wine on a loaded machine


def area(window):
    return (window.left, window.top, window.right, window.bottom)


class TwoMonitorTest(WineTestCase):
    def start_renderer(self):
        return self.wait_for_primary(self.start_product(RENDERER))

    def start_saver_for_the_primary_monitor_only(self):
        folder = self.scratch / "saver"
        folder.mkdir()
        for name in (SHELL, RENDERER):
            shutil.copy2(self.product_path(name), folder / name)
        (folder / SETTINGS).write_bytes("[Section]\r\nﾓﾆﾀｰ区分=1\r\n".encode("cp932"))
        return self.wait_for_primary(self.start_program(folder / SHELL, "/s"))

    def wait_for_primary(self, process):
        [primary] = self.probe.wait_for(title=TITLE, visible=True, timeout=30) or [None]
        self.assertIsNotNone(primary, "no renderer window")
        self.assertEqual(area(primary), PRIMARY)
        return process, primary

    def wait_for_second(self, cls, owner):
        def placed():
            found = [w for w in self.probe.find(cls=cls, visible=True) if area(w) == SECOND]
            return found[0] if found else None
        window = self.wait_until(placed, timeout=10, interval=0.3,
                                 message=f"a {cls} window over the second monitor")
        self.assertEqual(window.owner, owner.hwnd)
        return window

    def picture(self, name):
        shot = self.screenshot(name)
        return shot.stats(PRIMARY), shot.stats(SECOND)

    def end_with_key_on(self, process, window):
        # Wine does not take every X focus change for a change of foreground
        # window, so the window is brought forward the Windows way first.
        def in_front():
            foreground = self.probe.foreground()
            return (foreground and foreground.hwnd == window.hwnd) or not self.probe.activate(
                window.hwnd)
        self.wait_until(in_front, timeout=10, interval=0.3, message=f"window {window.hwnd} in front")
        self.x.key("space")
        self.assertEqual(self.wait_for_exit(process, EXITS_WITHIN), 0)
        self.assertTrue(self.probe.wait_gone(title=TITLE, timeout=EXITS_WITHIN))

    # A key on the primary monitor ends the run in the test below.
    def test_each_monitor_shows_a_field_of_its_own_and_a_key_on_the_second_ends_the_run(self):
        def glows(stats):
            return stats.black_fraction > 0.6 and stats.coloured_fraction > 0.003

        process, primary = self.start_renderer()
        second = self.wait_for_second(FIELD_CLASS, primary)
        self.assertEqual([w.hwnd for w in self.probe.find(title=TITLE)], [primary.hwnd],
                         "the one window the saver shell looks for")
        self.wait_until(lambda: all(map(glows, self.picture("fields"))), timeout=20,
                        interval=0.5, message="coloured glows on black on both monitors")
        self.end_with_key_on(process, second)

    def test_primary_only_keeps_the_second_monitor_black_through_a_display_change(self):
        process, primary = self.start_saver_for_the_primary_monitor_only()
        cover = self.wait_for_second(COVER_CLASS, primary)
        self.assertEqual(self.probe.find(cls=FIELD_CLASS), [])

        def field_and_black():
            field, second = self.picture("primary-only")
            return field.coloured_fraction > 0.003 and second.black_fraction > 0.999
        self.wait_until(field_and_black, timeout=20, interval=0.5,
                        message="glows on the primary monitor, the second black")

        # Laid out again for the same monitors: a new cover, the run goes on.
        self.assertTrue(self.probe.post(primary.hwnd, WM_DISPLAYCHANGE, 24, 1024 << 16 | 1280))
        self.assertTrue(holds_for(process.is_running, 1.5), "a display change ended the run")
        self.wait_until(lambda: self.wait_for_second(COVER_CLASS, primary).hwnd != cover.hwnd,
                        timeout=10, interval=0.3, message="the covers laid out again")
        [still] = self.probe.find(title=TITLE)
        self.assertEqual(area(still), PRIMARY)
        self.end_with_key_on(process, primary)
