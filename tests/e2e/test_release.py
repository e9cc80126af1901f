"""What users are handed: the installer, the portable zip and the help page.
The installer runs as users and administrators run it (mostly silently, /S);
what it leaves is read from the Wine prefix's files and, through `reg export`,
its registry."""

import os
import re
import shutil
import struct
import subprocess
import time
import zipfile
from pathlib import Path

from harness import WineTestCase
from harness.dialog import (HELP_PAGE, RENDERER, SET_BUTTON, SETTINGS, SHELL as SAVER,
                            DialogTestCase, windows_path)
from harness.session import REPO_ROOT

UNINSTALLER = "uninstall.exe"
PRODUCT = "ゼルヴェイン"
SHIPPED = (SAVER, RENDERER, HELP_PAGE)
RENDERER_TITLE, PREVIEW_TITLE = "Zelvane_VC", "Preview Window"

ENTRY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvane"
USER_ENTRY, MACHINE_ENTRY = "HKCU\\" + ENTRY, "HKLM\\" + ENTRY
RUN_ONCE_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
SAVER_VALUE, ACTIVE_VALUE = "SCRNSAVE.EXE", "ScreenSaveActive"
OTHER_SAVER = r"C:\windows\system32\other.scr"
# A settings file as the saver writes it (code page 932), with a music file.
SETTINGS_BYTES = "[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=C:\\音楽\\曲.mp3\r\n".encode("cp932")
# The Start-menu entries, named in the system's language.
SHORTCUTS = {
    "ja": ("ゼルヴェインの設定", "ゼルヴェインをスクリーン セーバーにする", "ゼルヴェインのヘルプ"),
    "en": ("ゼルヴェイン Settings", "Make ゼルヴェイン my screen saver", "ゼルヴェイン Help"),
}
ANSWERS = {"ja": ("はい(&Y)", "いいえ(&N)"), "en": ("&Yes", "&No")}
# The installer's buttons that go on: to the next page, to installing.
NEXT = {"ja": "次へ(&N) >", "en": "&Next >"}
# Wine hands Linux the low 8 bits of an exit status: 3010 ("restart needed") is 194.
EXIT_REFUSED, EXIT_RESTART_NEEDED = 2, 3010 % 256
TIMEOUT = 120

# The version is named once, in the top-level CMakeLists.txt.
VERSION = re.search(r"project\(\s*Zelvane\s+VERSION\s+([0-9.]+)",
                    (REPO_ROOT / "CMakeLists.txt").read_text(encoding="utf-8")).group(1)
SETUP = f"zelvane-{VERSION}-setup.exe"
ZIP = f"zelvane-{VERSION}-win64.zip"


def parse_reg_export(text):
    """{name: value} of the string values of the one key in a .reg export."""
    pairs = re.findall(r'^"((?:[^"\\]|\\.)*)"="((?:[^"\\]|\\.)*)"\r?$', text, re.M)
    return {re.sub(r"\\(.)", r"\1", n): re.sub(r"\\(.)", r"\1", v) for n, v in pairs}


class InstallerTestCase(DialogTestCase):
    """Each test starts from a prefix where the product was never installed,
    screen saving off and no saver chosen. The dialog helpers open the settings
    dialog of the saver in self.folder, which a test points at an installed one."""

    def setUp(self):
        super().setUp()
        drive = Path(self.session.prefix, "drive_c")
        self.system32 = drive / "windows" / "system32"
        self.program_files = drive / "Program Files" / PRODUCT
        self.user_programs = self.session.appdata.parent / "Local" / "Programs" / PRODUCT
        start_menu = Path("Microsoft", "Windows", "Start Menu", "Programs", PRODUCT)
        self.user_menu = self.session.appdata / start_menu
        self.common_menu = drive / "ProgramData" / start_menu
        for key in (USER_ENTRY, MACHINE_ENTRY):
            self.reg("delete", key, "/f")
        for folder in (self.program_files, self.user_programs, self.user_menu, self.common_menu):
            shutil.rmtree(folder, ignore_errors=True)
        for name in (SAVER, RENDERER, SETTINGS):
            (self.system32 / name).unlink(missing_ok=True)
        self.reg("delete", RUN_ONCE_KEY, "/va", "/f")
        self.reg("delete", DESKTOP_KEY, "/v", SAVER_VALUE, "/f")
        self.set_desktop(ACTIVE_VALUE, "0")

    # The registry -------------------------------------------------------------

    def reg(self, *args):
        return self.session.run("reg", *args, output_dir=self.scratch / "reg", timeout=60)[0]

    def registry_values(self, key):
        """The values of key, or None when it does not exist."""
        exported = self.scratch / "reg" / "export.reg"
        exported.parent.mkdir(exist_ok=True)
        exported.unlink(missing_ok=True)
        if self.reg("export", key, exported, "/y") != 0:
            return None
        return parse_reg_export(exported.read_bytes().decode("utf-16"))

    def set_desktop(self, name, value):
        self.assertEqual(self.reg("add", DESKTOP_KEY, "/v", name, "/t", "REG_SZ", "/d", value,
                                  "/f"), 0)

    def desktop(self):
        values = self.registry_values(DESKTOP_KEY)
        return values.get(SAVER_VALUE), values.get(ACTIVE_VALUE)

    def unix_path(self, windows_path):
        drive, rest = windows_path.split(":", 1)
        return Path(self.session.prefix, "dosdevices", drive.lower() + ":",
                    *[p for p in rest.split("\\") if p]).resolve()

    # Installing and removing ------------------------------------------------------

    def setup_status(self, *args):
        return self.session.run(self.product_path(SETUP), *args, output_dir=self.scratch,
                                timeout=TIMEOUT)[0]

    def install(self, *args):
        """A silent install; gives the installation folder its entry names."""
        self.assertEqual(self.setup_status("/S", *args), 0, "the installer failed")
        found = [e for e in map(self.registry_values, (USER_ENTRY, MACHINE_ENTRY)) if e is not None]
        self.assertEqual(len(found), 1, f"uninstall entries: {found}")
        return self.unix_path(found[0]["InstallLocation"])

    def uninstall(self, folder):
        """Runs the uninstaller silently, as the list of apps does, and waits for
        the end of the copy of itself that it goes on in."""
        status = self.session.run(folder / UNINSTALLER, "/S", output_dir=self.scratch,
                                  timeout=TIMEOUT)[0]
        self.assertEqual(status, 0, "the uninstaller failed")
        self.wait_for_uninstaller()

    def wait_for_uninstaller(self):
        self.wait_until(lambda: not self.session.processes_running(["Un.exe"]), TIMEOUT,
                        interval=0.2, message="the end of the uninstaller")

    def answer(self, yes):
        """Reads the installer's question and answers it; gives its text."""
        box = self.probe.read_message_box(timeout=60)
        self.assertIsNotNone(box, "the installer asked nothing")
        self.assertEqual(box.buttons, list(ANSWERS[self.session.locale]))
        self.assertTrue(self.probe.press_button(box.buttons[0 if yes else 1], pid=box.pid))
        return box.text

    # What is left --------------------------------------------------------------

    def assert_same_as_shipped(self, folder, names):
        for name in names:
            self.assertEqual((folder / name).read_bytes(), self.product_path(name).read_bytes(),
                             f"{folder / name} is not the shipped file")

    def shortcuts(self, menu):
        """What the Start-menu folder's entries start (see Probe.shortcut): the
        settings, making it the screen saver, the help page."""
        self.assertEqual(sorted(p.name for p in menu.iterdir()),
                         sorted(f"{n}.lnk" for n in SHORTCUTS[self.session.locale]))
        return [self.probe.shortcut(windows_path(menu / f"{n}.lnk"))
                for n in SHORTCUTS[self.session.locale]]

    def nothing_of_ours_left(self):
        """What any installation may have left: files, folders, entries, values."""
        left = [str(p) for p in (self.user_programs, self.program_files, self.user_menu,
                                 self.common_menu, self.user_settings) if p.exists()]
        left += [str(self.system32 / n) for n in (SAVER, RENDERER, SETTINGS)
                 if (self.system32 / n).exists()]
        left += [key for key in (USER_ENTRY, MACHINE_ENTRY) if self.registry_values(key)]
        left += [f"{RUN_ONCE_KEY} {v}" for v in self.registry_values(RUN_ONCE_KEY) or {}]
        return left

    def run_saver_until_a_key(self, path):
        process = self.start_program(path, "/s")
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True, timeout=30))
        time.sleep(1)  # the saver looks for the renderer's window every 500 ms
        self.x.key("space", RENDERER_TITLE)
        self.assertEqual(self.wait_for_exit(process, timeout=15), 0)
        self.wait_until(lambda: not self.session.product_processes(), 15, interval=0.1,
                        message="the end of every process of the saver")


class PerUserTest(InstallerTestCase):
    def test_chosen_brought_back_upgraded_and_removed_while_the_dialog_is_open(self):
        # /D takes the rest of the command line, unquoted: a folder without blanks.
        where = r"C:\ZelvaneTest\ゼルヴェイン"
        saver = f"{where}\\{SAVER}"
        shutil.rmtree(self.unix_path(where).parent, ignore_errors=True)
        self.addCleanup(shutil.rmtree, self.unix_path(where).parent, ignore_errors=True)
        self.folder = self.install(f"/D={where}")
        self.assertEqual(self.folder, self.unix_path(where))
        entry = self.registry_values(USER_ENTRY)
        self.assertEqual((entry["DisplayVersion"], entry["QuietUninstallString"]),
                         (VERSION, f'"{where}\\{UNINSTALLER}" /S'))

        # The saver is the user's screen saver (under its short path, as Windows'
        # own handler below writes it), and it runs from there.
        registered, active = self.desktop()
        self.assertEqual(active, "1")
        self.run_saver_until_a_key(registered)

        # Another saver was chosen; the Start menu's entry makes ours the saver
        # once more through Windows' own handler.
        settings, choose, help_page = self.shortcuts(self.user_menu)
        self.assertEqual((settings["target"], settings["arguments"]), (saver, "/c"))
        self.assertEqual(help_page["target"], f"{where}\\{HELP_PAGE}")
        self.assertEqual(choose["target"].lower(), r"c:\windows\system32\rundll32.exe")
        self.assertEqual(choose["arguments"], f"desk.cpl,InstallScreenSaver {saver}")
        self.set_desktop(SAVER_VALUE, OTHER_SAVER)
        desk_cpl, log = self.system32 / "desk.cpl", self.system32 / "desk.cpl.log"
        shutil.copy2(os.environ["ZELVANE_FAKE_DESK_CPL"], desk_cpl)
        self.addCleanup(desk_cpl.unlink)
        log.unlink(missing_ok=True)
        self.addCleanup(log.unlink, missing_ok=True)
        self.assertEqual(self.session.run(choose["target"], *choose["arguments"].split(" ", 1),
                                          output_dir=self.scratch)[0], 0)
        self.assertEqual(log.read_text(encoding="utf-8"), f"{saver}\n")
        self.assertEqual(self.desktop(), (registered, "1"))

        # An older version's files, the user's settings and a file of the user's
        # own. Installing again, with no folder given, while the settings dialog
        # is open: it is closed, and every file replaced in the same place.
        for name in SHIPPED:
            with open(self.folder / name, "ab") as f:
                f.write(b"an older version")
        (self.folder / SETTINGS).write_bytes(SETTINGS_BYTES)
        (self.folder / "notes.txt").write_bytes(b"the user's own file")
        self.open_dialog()
        self.assertEqual(self.install(), self.folder)
        self.wait_for_exit(self.process)
        self.assert_same_as_shipped(self.folder, SHIPPED)
        self.assertEqual((self.folder / SETTINGS).read_bytes(), SETTINGS_BYTES)
        self.assertEqual(sorted(p.name for p in self.folder.iterdir()),
                         sorted(SHIPPED + (UNINSTALLER, SETTINGS, "notes.txt")))

        # The user has chosen another screen saver since; removing ours while
        # its dialog is open closes it and leaves that choice and the user's file.
        self.set_desktop(SAVER_VALUE, OTHER_SAVER)
        self.open_dialog()
        self.uninstall(self.folder)
        self.wait_for_exit(self.process)
        self.assertEqual([p.name for p in self.folder.iterdir()], ["notes.txt"])
        self.assertEqual(self.nothing_of_ours_left(), [])
        self.assertEqual(self.desktop(), (OTHER_SAVER, "1"))


class AllUsersTest(InstallerTestCase):
    def test_the_saver_runs_from_system32_and_removal_leaves_nothing(self):
        folder = self.install("/AllUsers")
        self.assertEqual(folder, self.program_files)
        self.assertEqual(sorted(p.name for p in folder.iterdir()), sorted([HELP_PAGE, UNINSTALLER]))
        self.assertIsNone(self.registry_values(USER_ENTRY))
        settings, choose, help_page = self.shortcuts(self.common_menu)
        self.assertEqual(settings["target"].lower(), rf"c:\windows\system32\{SAVER}".lower())
        self.assertTrue(choose["arguments"].lower().endswith(rf"\system32\{SAVER}".lower()))
        self.assertEqual(help_page["target"], rf"C:\Program Files\{PRODUCT}\{HELP_PAGE}")

        # It runs and previews from there, and without the administrator's
        # rights "設定" keeps the settings in the user's own file.
        saver = rf"C:\windows\system32\{SAVER}"
        self.run_saver_until_a_key(self.desktop()[0])
        parent = self.open_test_window(300, 200, x=200, y=150)
        preview = self.start_program(saver, "/p", str(parent.hwnd))
        self.assertTrue(self.probe.wait_for(title=PREVIEW_TITLE, parent=parent.hwnd, timeout=30))
        self.assertTrue(self.probe.destroy(parent.hwnd))
        self.assertEqual(self.wait_for_exit(preview, timeout=10), 0)
        self.folder = self.system32
        self.make_unwritable(self.system32)
        self.open_dialog()
        self.click(SET_BUTTON)
        self.assert_dialog_ends()
        subprocess.run(["chattr", "-i", self.system32], check=True)
        self.assertFalse((self.system32 / SETTINGS).exists())
        saved = (self.user_settings / SETTINGS).read_bytes().decode("cp932")
        self.assertEqual(saved.split("\r\n")[:3], ["[Section]", "BGM区分=0", "BGMﾘﾋﾟｰﾄ=0"])

        # Installing again while the saver runs: the saver and its renderer are
        # closed and the files replaced.
        running = self.start_program(saver, "/s")
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True, timeout=30))
        with open(self.system32 / RENDERER, "ab") as f:
            f.write(b"an older version")
        self.assertEqual(self.install("/AllUsers"), folder)
        self.wait_for_exit(running)
        self.assertEqual(self.session.product_processes(), [])
        self.assert_same_as_shipped(self.system32, (SAVER, RENDERER))

        # Removing the saver in use, with the user's own settings file: nothing
        # is left and the desktop is as choosing "(None)" leaves it.
        (self.user_settings / SETTINGS).write_bytes(SETTINGS_BYTES)
        self.uninstall(folder)
        self.assertEqual(self.nothing_of_ours_left(), [])
        self.assertEqual(self.desktop(), (None, "0"))

    def test_without_the_rights_nothing_is_installed_unless_for_the_user(self):
        # Only a program with administrator rights can write System32.
        self.make_unwritable(self.system32)
        self.assertEqual(self.setup_status("/S", "/AllUsers"), EXIT_REFUSED)
        self.assertEqual(self.nothing_of_ours_left(), [])

        # Asked, the user declines the installation for himself.
        setup = self.start_program(self.product_path(SETUP), "/AllUsers")
        self.answer(yes=False)
        self.assertEqual(self.wait_for_exit(setup, timeout=30), EXIT_REFUSED)
        self.assertEqual(self.nothing_of_ours_left(), [])


class OneKindTest(InstallerTestCase):
    def test_a_second_kind_replaces_the_first_only_when_the_user_says_so(self):
        folder = self.install()
        self.assertEqual(folder, self.user_programs)
        (folder / SETTINGS).write_bytes(SETTINGS_BYTES)

        # A silent run keeps the installation there and installs nothing.
        self.assertEqual(self.setup_status("/S", "/AllUsers"), EXIT_REFUSED)
        self.assertIsNone(self.registry_values(MACHINE_ENTRY))
        self.assertFalse((self.system32 / SAVER).exists())

        # Asked, the user keeps it...
        setup = self.start_program(self.product_path(SETUP), "/AllUsers")
        self.assertIn(str(self.registry_values(USER_ENTRY)["InstallLocation"]),
                      self.answer(yes=False))
        self.assertEqual(self.wait_for_exit(setup, timeout=30), EXIT_REFUSED)
        self.assertIsNone(self.registry_values(MACHINE_ENTRY))
        self.assertEqual((folder / SETTINGS).read_bytes(), SETTINGS_BYTES)

        # ...or replaces it: the first is removed as its uninstaller removes it.
        setup = self.start_program(self.product_path(SETUP), "/AllUsers")
        self.answer(yes=True)
        for _ in range(2):  # the welcome page, the choice of parts
            self.assertTrue(self.probe.press_button(NEXT[self.session.locale], timeout=60))
        self.wait_until(lambda: self.registry_values(MACHINE_ENTRY), TIMEOUT, interval=0.5,
                        message="the installation for all users")
        setup.kill()
        self.assertFalse(folder.exists())
        # The settings go with the user: a saver in System32 reads them there.
        self.assertEqual((self.user_settings / SETTINGS).read_bytes(), SETTINGS_BYTES)
        self.assertIsNone(self.registry_values(USER_ENTRY))
        self.assertFalse(self.user_menu.exists())
        self.assert_same_as_shipped(self.system32, (SAVER, RENDERER))


class FilesInUseTest(InstallerTestCase):
    def restart_windows(self):
        """What a restart does to files: the renames and removals that waited for it."""
        self.assertEqual(self.session.run("wineboot", "-r", output_dir=self.scratch)[0], 0)

    def log_on(self):
        """What the user's next logon does: each command of the user's RunOnce
        key, its value removed first."""
        for name, command in self.registry_values(RUN_ONCE_KEY).items():
            self.reg("delete", RUN_ONCE_KEY, "/v", name, "/f")
            program, arguments = re.fullmatch(r'"([^"]+)" ?(.*)', command).groups()
            self.session.run(program, *arguments.split(), output_dir=self.scratch,
                             timeout=TIMEOUT)
        self.wait_for_uninstaller()

    def test_a_file_that_stays_in_use_is_replaced_and_removed_at_the_restart(self):
        folder = self.install()
        help_page = folder / HELP_PAGE
        with open(help_page, "ab") as f:
            f.write(b"an older version")
        held = self.hold_file(windows_path(help_page))
        self.assertEqual(self.setup_status("/S"), EXIT_RESTART_NEEDED)
        held.kill()
        self.restart_windows()
        self.assert_same_as_shipped(folder, SHIPPED)
        self.assertEqual(sorted(p.name for p in folder.iterdir()), sorted(SHIPPED + (UNINSTALLER,)))

        # Removing: run in place (so its status is seen), it removes what it can;
        # the entry and the uninstaller stay, and it runs again at the next logon.
        held = self.hold_file(windows_path(help_page))
        location = self.registry_values(USER_ENTRY)["InstallLocation"]
        status = self.session.run(folder / UNINSTALLER, "/S", f"_?={location}",
                                  output_dir=self.scratch, timeout=TIMEOUT)[0]
        self.assertEqual(status, EXIT_RESTART_NEEDED)
        self.assertEqual(sorted(p.name for p in folder.iterdir()), sorted([HELP_PAGE, UNINSTALLER]))
        self.assertIsNotNone(self.registry_values(USER_ENTRY))
        held.kill()
        self.restart_windows()
        self.log_on()
        self.assertEqual(self.nothing_of_ours_left(), [])


class PackageTest(WineTestCase):
    def test_zip_programs_and_page_carry_the_files_and_the_one_version(self):
        with zipfile.ZipFile(self.product_path(ZIP)) as z:
            self.assertEqual(sorted(m.filename for m in z.infolist()), sorted(SHIPPED))
            for member in z.infolist():
                self.assertTrue(member.flag_bits & 0x800, f"{member.filename} not marked as UTF-8")
        numbers = tuple(int(n) for n in VERSION.split(".")) + (0,)
        for program in (SAVER, RENDERER, SETUP):
            data = self.product_path(program).read_bytes()
            at = data.find(struct.pack("<I", 0xFEEF04BD))  # the version resource
            self.assertGreaterEqual(at, 0, program)
            most, least = struct.unpack_from("<II", data, at + 8)
            self.assertEqual((most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF), numbers,
                             program)

        # The page: its version, every link inside it and nothing from outside.
        page = self.product_path(HELP_PAGE).read_text(encoding="utf-8")
        self.assertIn(f"Ver.{VERSION}", page)
        targets = re.findall(r'\s(?:id|name)="([^"]+)"', page)
        self.assertEqual([href for href in re.findall(r'\shref="#([^"]*)"', page)
                          if href not in targets], [])
        self.assertEqual(re.findall(r'\ssrc=|<link\s', page), [], "resources of its own")
        self.assertEqual(re.findall(r"@[A-Za-z_]+@", page), [], "unfilled placeholders")
