"""What users are handed: the installer, the portable zip and the help page."""

import os
import re
import shutil
import struct
import subprocess
import zipfile

from harness import WineTestCase
from harness.dialog import HELP_PAGE, RENDERER, SET_BUTTON, SETTINGS, SHELL as SAVER, windows_path
from harness.installer import (EXIT_REFUSED, EXIT_RESTART_NEEDED, MACHINE_ENTRY, NEXT,
                               OTHER_SAVER, PREVIEW_TITLE, PRODUCT, RENDERER_TITLE, SAVER_VALUE,
                               SETTINGS_BYTES, SETUP, SHIPPED, TIMEOUT, UNINSTALLER, USER_ENTRY,
                               VERSION, ZIP, InstallerTestCase)


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
