"""What users are handed: the installer, the portable zip and the help page.
The installer runs silently (/S); what it leaves is read from the Wine prefix's
files and, through `reg export`, its registry."""

import re
import shutil
import struct
import time
import zipfile
from pathlib import Path

from harness import WineTestCase
from harness.session import REPO_ROOT

SAVER, RENDERER, HELP_PAGE = "ゼルヴェイン.scr", "ゼルヴェイン.dll", "ゼルヴェイン.html"
SETTINGS = "ゼルヴェイン.ini"
UNINSTALLER = "uninstall.exe"
SHIPPED = (SAVER, RENDERER, HELP_PAGE)
RENDERER_TITLE = "Zelvane_VC"

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvane"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
SAVER_VALUE = "SCRNSAVE.EXE"
# A settings file as the saver writes it (code page 932), with a music file.
SETTINGS_BYTES = "[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=C:\\音楽\\曲.mp3\r\n".encode("cp932")
TIMEOUT = 120

# The version is named once, in the top-level CMakeLists.txt.
VERSION = re.search(r"project\(\s*Zelvane\s+VERSION\s+([0-9.]+)",
                    (REPO_ROOT / "CMakeLists.txt").read_text(encoding="utf-8")).group(1)
SETUP = f"zelvane-{VERSION}-setup.exe"
ZIP = f"zelvane-{VERSION}-win64.zip"


def _unescape(text):
    return re.sub(r"\\(.)", r"\1", text)


def parse_reg_export(text):
    """{name: value} of the one key in a .reg export: strings as str, dwords as int."""
    return {_unescape(name): int(dword, 16) if dword else _unescape(string)
            for name, string, dword in re.findall(
                r'^"((?:[^"\\]|\\.)*)"=(?:"((?:[^"\\]|\\.)*)"|dword:([0-9a-fA-F]{8}))\r?$',
                text, re.M)}


class LifecycleTest(WineTestCase):
    def setUp(self):
        super().setUp()
        # Leaves the prefix as if the product had never been installed.
        entry = self.registry_values(UNINSTALL_KEY)
        users = Path(self.session.prefix, "drive_c", "users")
        folders = [p / "AppData" / "Local" / "Programs" / "ゼルヴェイン" for p in users.iterdir()]
        if entry and "InstallLocation" in entry:
            folders.append(self.unix_path(entry["InstallLocation"]))
        for folder in folders:
            shutil.rmtree(folder, ignore_errors=True)
        self.reg("delete", UNINSTALL_KEY, "/f")
        self.reg("delete", DESKTOP_KEY, "/v", SAVER_VALUE, "/f")

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

    def unix_path(self, windows_path):
        drive, rest = windows_path.split(":", 1)
        return Path(self.session.prefix, "dosdevices", drive.lower() + ":",
                    *[p for p in rest.split("\\") if p])

    def install(self):
        """The uninstall entry and the installation folder of a silent install."""
        status = self.session.run(self.product_path(SETUP), "/S", output_dir=self.scratch,
                                  timeout=TIMEOUT)[0]
        self.assertEqual(status, 0, "the installer failed")
        entry = self.registry_values(UNINSTALL_KEY)
        self.assertIsNotNone(entry, "no uninstall entry")
        return entry, self.unix_path(entry["InstallLocation"])

    def uninstall(self, folder):
        """Runs the uninstaller silently and waits for its end: it goes on in a
        copy of itself, and removing the folder (when empty) is its last step."""
        status = self.session.run(folder / UNINSTALLER, "/S", output_dir=self.scratch,
                                  timeout=TIMEOUT)[0]
        self.assertEqual(status, 0, "the uninstaller failed")
        ours = set(SHIPPED + (SETTINGS, UNINSTALLER))

        def done():
            names = {p.name for p in folder.iterdir()} if folder.exists() else set()
            return not folder.exists() or (names and not names & ours)

        self.wait_until(done, TIMEOUT, interval=0.2, message="the end of the uninstaller")

    def test_silent_install_gives_a_working_saver_and_silent_uninstall_takes_it_away(self):
        entry, folder = self.install()

        # The three files and the uninstaller, in the user's own programs folder,
        # the programs the same as in the zip.
        where = entry["InstallLocation"]
        self.assertTrue(where.lower().endswith(r"\appdata\local\programs\ゼルヴェイン"), where)
        self.assertEqual(sorted(p.name for p in folder.iterdir()), sorted(SHIPPED + (UNINSTALLER,)))
        with zipfile.ZipFile(self.product_path(ZIP)) as z:
            self.assertTrue(all(z.read(n) == (folder / n).read_bytes() for n in SHIPPED),
                            "the installed files differ from the zip's")

        # The entry in the user's list of installed apps.
        uninstaller = f'"{where}\\{UNINSTALLER}"'
        self.assertEqual([entry[k] for k in ("DisplayVersion", "DisplayIcon", "UninstallString",
                                             "QuietUninstallString", "NoModify", "NoRepair")],
                         [VERSION, f"{where}\\{SAVER},0", uninstaller, f"{uninstaller} /S", 1, 1])

        # The saver is the user's screen saver, under the path Windows starts it
        # by: in short form, as right-click "Install" writes it, each name at
        # most 8 + 3 bytes in the system's OEM code page, without blanks.
        desktop = self.registry_values(DESKTOP_KEY)
        self.assertEqual(desktop["ScreenSaveActive"], "1")
        registered = desktop[SAVER_VALUE]
        for part in registered.split("\\")[1:]:
            self.assertRegex(part.encode("cp932"), rb"^[^ .]{1,8}(\.[^ .]{1,3})?$", registered)

        # It runs from there: /s shows the field, and a key ends it.
        process = self.start_program(registered, "/s")
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True, timeout=30))
        time.sleep(1)  # the saver looks for the renderer's window every 500 ms
        self.x.key("space", RENDERER_TITLE)
        self.assertEqual(self.wait_for_exit(process, timeout=15), 0)
        self.wait_until(lambda: not self.session.product_processes(), 15, interval=0.1,
                        message="the end of every process of the saver")

        self.uninstall(folder)
        self.assertFalse(folder.exists(), "the installation folder is left")
        self.assertIsNone(self.registry_values(UNINSTALL_KEY))
        desktop = self.registry_values(DESKTOP_KEY)
        self.assertNotIn(SAVER_VALUE, desktop)
        self.assertEqual(desktop["ScreenSaveActive"], "1", "a value that is not ours was changed")

    def test_upgrade_keeps_the_settings_and_uninstall_spares_what_is_not_its_own(self):
        _, folder = self.install()
        (folder / SETTINGS).write_bytes(SETTINGS_BYTES)
        (folder / HELP_PAGE).write_bytes(b"an older version's page")
        (folder / "notes.txt").write_bytes(b"the user's own file")

        entry, again = self.install()
        self.assertEqual((again, entry["DisplayVersion"]), (folder, VERSION))
        self.assertEqual((folder / SETTINGS).read_bytes(), SETTINGS_BYTES)
        self.assertEqual((folder / HELP_PAGE).read_bytes(),
                         self.product_path(HELP_PAGE).read_bytes())

        # The user has chosen another screen saver since.
        other = r"C:\windows\system32\other.scr"
        self.assertEqual(self.reg("add", DESKTOP_KEY, "/v", SAVER_VALUE, "/t", "REG_SZ",
                                  "/d", other, "/f"), 0)
        self.addCleanup(self.reg, "delete", DESKTOP_KEY, "/v", SAVER_VALUE, "/f")
        self.uninstall(folder)
        self.assertEqual([p.name for p in folder.iterdir()], ["notes.txt"])
        self.assertIsNone(self.registry_values(UNINSTALL_KEY))
        self.assertEqual(self.registry_values(DESKTOP_KEY)[SAVER_VALUE], other)


class PackageTest(WineTestCase):
    def test_zip_and_programs_carry_the_files_and_the_one_version(self):
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
        self.assertIn(f"Ver.{VERSION}", self.product_path(HELP_PAGE).read_text(encoding="utf-8"))

    def test_the_built_page_is_whole_and_self_contained(self):
        text = self.product_path(HELP_PAGE).read_text(encoding="utf-8")
        targets = re.findall(r'\s(?:id|name)="([^"]+)"', text)
        self.assertEqual([href for href in re.findall(r'\shref="#([^"]*)"', text)
                          if href not in targets], [])
        self.assertEqual(re.findall(r'\ssrc=|<link\s', text), [], "resources of its own")
        self.assertEqual(re.findall(r"@[A-Za-z_]+@", text), [], "unfilled placeholders")
