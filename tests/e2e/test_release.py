"""What users are handed: the installer, the portable zip and the help page.

The installer runs silently (/S) in the locale's Wine prefix, as an
administrator deploying it would run it; what it leaves is read from the
prefix's files and, through `reg export` into a file, from its registry. Each
lifecycle test starts from a prefix without an installation.
"""

import html.parser
import os
import re
import shutil
import struct
import time
import unittest
import zipfile
from pathlib import Path

from harness import WineTestCase
from harness.session import REPO_ROOT

SAVER = "ゼルヴェイン.scr"
RENDERER = "ゼルヴェイン.dll"
HELP_PAGE = "ゼルヴェイン.html"
SETTINGS = "ゼルヴェイン.ini"
UNINSTALLER = "uninstall.exe"
SHIPPED = (SAVER, RENDERER, HELP_PAGE)

RENDERER_TITLE = "Zelvane_VC"
DIALOG_TITLE = "<ゼルヴェイン>"

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvane"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
SAVER_VALUE = "SCRNSAVE.EXE"
SAVER_ACTIVE_VALUE = "ScreenSaveActive"
# Where a per-user installation goes, below the user's profile.
USER_PROGRAMS_TAIL = r"\appdata\local\programs\ゼルヴェイン"

# A settings file as the saver writes it (code page 932), with a music file.
SETTINGS_BYTES = "[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=C:\\音楽\\曲.mp3\r\n".encode("cp932")

INSTALL_TIMEOUT = 120
START_TIMEOUT = 30
END_TIMEOUT = 15


def project_version():
    """The version named once, in the top-level CMakeLists.txt."""
    text = (REPO_ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(\s*Zelvane\s+VERSION\s+([0-9.]+)", text).group(1)


VERSION = project_version()
SETUP = f"zelvane-{VERSION}-setup.exe"
ZIP = f"zelvane-{VERSION}-win64.zip"


def dist_folder():
    return Path(os.environ.get("ZELVANE_DIST", REPO_ROOT / "dist"))


def _unescape(text):
    return re.sub(r"\\(.)", r"\1", text)


def parse_reg_export(text):
    """{name: value} of the one key in a .reg export: strings as str, dwords as int."""
    values = {}
    for line in text.splitlines():
        match = re.fullmatch(r'"((?:[^"\\]|\\.)*)"=(?:"((?:[^"\\]|\\.)*)"|dword:([0-9a-fA-F]{8}))',
                             line)
        if match:
            name, string, dword = match.groups()
            values[_unescape(name)] = int(dword, 16) if dword is not None else _unescape(string)
    return values


def file_version(path):
    """The file version numbers (four) of a Windows program's version resource."""
    data = Path(path).read_bytes()
    at = data.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        return None
    _, _, most, least = struct.unpack_from("<IIII", data, at)
    return (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)


class ReleaseTestCase(WineTestCase):
    def setUp(self):
        super().setUp()
        self.remove_any_installation()

    # The registry, through files ---------------------------------------------

    def reg(self, *args):
        status, _, _ = self.session.run("reg", *args, output_dir=self.scratch / "reg", timeout=60)
        return status

    def registry_values(self, key):
        """The values of key, or None when it does not exist."""
        exported = self.scratch / "reg" / "export.reg"
        exported.parent.mkdir(exist_ok=True)
        exported.unlink(missing_ok=True)
        if self.reg("export", key, exported, "/y") != 0:
            return None
        return parse_reg_export(exported.read_bytes().decode("utf-16"))

    def saver_setting(self):
        return (self.registry_values(DESKTOP_KEY) or {}).get(SAVER_VALUE)

    # Paths ---------------------------------------------------------------------

    def unix_path(self, windows_path):
        drive, rest = windows_path.split(":", 1)
        parts = [p for p in rest.split("\\") if p]
        return Path(self.session.prefix, "dosdevices", drive.lower() + ":", *parts)

    def default_folders(self):
        users = Path(self.session.prefix, "drive_c", "users")
        return [p / "AppData" / "Local" / "Programs" / "ゼルヴェイン" for p in users.iterdir()]

    # Installing and removing ---------------------------------------------------

    def remove_any_installation(self):
        """Leaves the prefix as if the product had never been installed."""
        entry = self.registry_values(UNINSTALL_KEY)
        folders = self.default_folders()
        if entry and "InstallLocation" in entry:
            folders.append(self.unix_path(entry["InstallLocation"]))
        for folder in folders:
            shutil.rmtree(folder, ignore_errors=True)
        self.reg("delete", UNINSTALL_KEY, "/f")
        self.reg("delete", DESKTOP_KEY, "/v", SAVER_VALUE, "/f")

    def install(self):
        """Runs the installer silently; returns its uninstall entry and the
        installation folder (Unix path)."""
        status, _, _ = self.session.run(self.product_path(SETUP), "/S", output_dir=self.scratch,
                                        timeout=INSTALL_TIMEOUT)
        self.assertEqual(status, 0, "the installer failed")
        entry = self.registry_values(UNINSTALL_KEY)
        self.assertIsNotNone(entry, "no uninstall entry")
        return entry, self.unix_path(entry["InstallLocation"])

    def uninstall(self, folder):
        """Runs the uninstaller silently and waits for its end. It goes on in a
        copy of itself after its own process has ended; removing the folder
        (when nothing else is in it) is its last step."""
        status, _, _ = self.session.run(folder / UNINSTALLER, "/S", output_dir=self.scratch,
                                        timeout=INSTALL_TIMEOUT)
        self.assertEqual(status, 0, "the uninstaller failed")
        ours = set(SHIPPED + (SETTINGS, UNINSTALLER))

        def done():
            if not folder.exists():
                return True
            names = {p.name for p in folder.iterdir()}
            return names and not names & ours

        self.wait_until(done, INSTALL_TIMEOUT, interval=0.2, message="the end of the uninstaller")


class LifecycleTest(ReleaseTestCase):
    def test_silent_install_gives_a_working_saver_and_silent_uninstall_takes_it_away(self):
        entry, folder = self.install()

        # The three files and the uninstaller, in the user's own programs folder.
        self.assertTrue(entry["InstallLocation"].lower().endswith(USER_PROGRAMS_TAIL),
                        entry["InstallLocation"])
        self.assertEqual(sorted(p.name for p in folder.iterdir()),
                         sorted(SHIPPED + (UNINSTALLER,)))
        with zipfile.ZipFile(self.product_path(ZIP)) as z:
            for name in SHIPPED:
                with self.subTest(file=name):
                    self.assertEqual(z.read(name), (folder / name).read_bytes())

        # The entry in the user's list of installed apps.
        windows_folder = entry["InstallLocation"]
        uninstaller = f"{windows_folder}\\{UNINSTALLER}"
        size_kb = sum(p.stat().st_size for p in folder.iterdir()) / 1024
        self.assertEqual(entry["DisplayVersion"], VERSION)
        self.assertIn("ゼルヴェイン", entry["DisplayName"])
        self.assertEqual(entry["DisplayIcon"], f"{windows_folder}\\{SAVER},0")
        self.assertEqual(entry["UninstallString"], f'"{uninstaller}"')
        self.assertEqual(entry["QuietUninstallString"], f'"{uninstaller}" /S')
        self.assertEqual((entry["NoModify"], entry["NoRepair"]), (1, 1))
        self.assertAlmostEqual(entry["EstimatedSize"], size_kb, delta=8)

        # The saver is the user's screen saver, under the path Windows starts it by.
        desktop = self.registry_values(DESKTOP_KEY)
        self.assertEqual(desktop[SAVER_ACTIVE_VALUE], "1")
        registered = desktop[SAVER_VALUE]
        self.assertTrue(registered.upper().endswith(".SCR"), registered)
        # In short form, as right-click "Install" writes it: each name at most
        # 8 + 3 bytes in the system's OEM code page, without blanks.
        for part in registered.split("\\")[1:]:
            stem, _, extension = part.partition(".")
            self.assertNotIn(" ", part, registered)
            self.assertLessEqual(len(stem.encode("cp932")), 8, registered)
            self.assertLessEqual(len(extension.encode("cp932")), 3, registered)
        self.run_saver_and_dismiss(registered)
        self.open_and_close_settings(folder / SAVER)

        self.uninstall(folder)
        self.assertFalse(folder.exists(), "the installation folder is left")
        self.assertIsNone(self.registry_values(UNINSTALL_KEY))
        desktop = self.registry_values(DESKTOP_KEY)
        self.assertNotIn(SAVER_VALUE, desktop)
        self.assertEqual(desktop[SAVER_ACTIVE_VALUE], "1", "a value that is not ours was changed")

    def test_upgrade_keeps_the_settings_and_uninstall_spares_what_is_not_its_own(self):
        _, folder = self.install()
        (folder / SETTINGS).write_bytes(SETTINGS_BYTES)
        (folder / HELP_PAGE).write_bytes(b"an older version's page")
        (folder / "notes.txt").write_bytes(b"the user's own file")

        entry, again = self.install()
        self.assertEqual(again, folder)
        self.assertEqual((folder / SETTINGS).read_bytes(), SETTINGS_BYTES)
        self.assertEqual((folder / HELP_PAGE).read_bytes(),
                         self.product_path(HELP_PAGE).read_bytes())
        self.assertEqual(entry["DisplayVersion"], VERSION)

        # The user has chosen another screen saver since.
        other = r"C:\windows\system32\other.scr"
        self.assertEqual(self.reg("add", DESKTOP_KEY, "/v", SAVER_VALUE, "/t", "REG_SZ",
                                  "/d", other, "/f"), 0)
        self.uninstall(folder)
        self.assertEqual(sorted(p.name for p in folder.iterdir()), ["notes.txt"])
        self.assertIsNone(self.registry_values(UNINSTALL_KEY))
        self.assertEqual(self.saver_setting(), other)
        self.reg("delete", DESKTOP_KEY, "/v", SAVER_VALUE, "/f")

    # The installed saver at work -------------------------------------------------

    def run_saver_and_dismiss(self, saver_path):
        process = self.start_program(saver_path, "/s")
        self.assertTrue(self.probe.wait_for(title=RENDERER_TITLE, visible=True,
                                            timeout=START_TIMEOUT), "no renderer window")
        # The saver looks for the renderer's window every 500 ms: it must have
        # seen it before it goes.
        time.sleep(1)
        self.x.key("space", RENDERER_TITLE)
        self.assertEqual(self.wait_for_exit(process, timeout=END_TIMEOUT), 0)
        self.wait_until(lambda: not self.session.product_processes(), END_TIMEOUT,
                        interval=0.1, message="the end of every process of the saver")
        self.assertEqual(self.probe.find(title=RENDERER_TITLE), [])

    def open_and_close_settings(self, saver_path):
        process = self.start_program(saver_path, "/c")
        windows = self.probe.wait_for(title=DIALOG_TITLE, visible=True, timeout=START_TIMEOUT)
        self.assertEqual(len(windows), 1, "the settings were not shown")
        self.assertTrue(self.probe.post(windows[0].hwnd, "WM_CLOSE"))
        self.assertEqual(self.wait_for_exit(process, timeout=END_TIMEOUT), 0)


class InstallerPagesTest(WineTestCase):
    # The installer's window title in each system's language.
    TITLES = {"ja": "ゼルヴェイン セットアップ", "en": "ゼルヴェイン Setup"}

    def test_pages_speak_the_systems_language(self):
        installer = self.start_program(self.product_path(SETUP))
        try:
            title = self.TITLES[self.session.locale]
            windows = self.probe.wait_for(title=title, visible=True, timeout=START_TIMEOUT)
            self.assertEqual(len(windows), 1, f"no window titled '{title}'")
        finally:
            installer.kill()


class PackageTest(unittest.TestCase):
    """The files in dist/, without running them."""

    @classmethod
    def setUpClass(cls):
        cls.dist = dist_folder()

    def test_zip_holds_exactly_the_shipped_files_under_unicode_names(self):
        with zipfile.ZipFile(self.dist / ZIP) as z:
            members = z.infolist()
            self.assertEqual(sorted(m.filename for m in members), sorted(SHIPPED))
            for member in members:
                with self.subTest(file=member.filename):
                    self.assertTrue(member.flag_bits & 0x800, "name not marked as UTF-8")

    def test_every_release_file_carries_the_one_version(self):
        numbers = tuple(int(n) for n in VERSION.split(".")) + (0,)
        for program in (SAVER, RENDERER, SETUP):
            with self.subTest(file=program):
                self.assertEqual(file_version(self.dist / program), numbers)
        self.assertIn(f"Ver.{VERSION}", (self.dist / HELP_PAGE).read_text(encoding="utf-8"))


class _PageReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.targets = []       # every id (and <a name>) in order
        self.links = []         # every href
        self.resources = []     # every src, and the href of <link>
        self.languages = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for name in ("id",) + (("name",) if tag == "a" else ()):
            if attrs.get(name):
                self.targets.append(attrs[name])
        if "lang" in attrs:
            self.languages.append(attrs["lang"])
        if tag == "link" and "href" in attrs:
            self.resources.append(attrs["href"])
        elif "href" in attrs:
            self.links.append(attrs["href"])
        if "src" in attrs:
            self.resources.append(attrs["src"])


def page_faults(text):
    """What is wrong with a help page, as a list of sentences."""
    reader = _PageReader()
    reader.feed(text)
    faults = []
    known = set(reader.targets)
    faults += [f"duplicate id '{t}'" for t in sorted(known) if reader.targets.count(t) > 1]
    faults += [f"broken link '{href}'" for href in reader.links
               if href.startswith("#") and href[1:] not in known]
    faults += [f"outside resource '{r}'" for r in reader.resources]
    faults += [f"unfilled placeholder '{p}'" for p in re.findall(r"@[A-Za-z_]+@", text)]
    if reader.languages[:1] != ["ja"] or "en" not in reader.languages:
        faults.append("not Japanese first with an English section")
    return faults


class HelpPageTest(unittest.TestCase):
    def test_the_built_page_has_no_fault(self):
        text = (dist_folder() / HELP_PAGE).read_text(encoding="utf-8")
        self.assertEqual(page_faults(text), [])
        for name in SHIPPED + (SETTINGS, SETUP, ZIP):
            with self.subTest(mentions=name):
                self.assertIn(name, text)

    def test_faults_are_found(self):
        good = '<html lang="ja"><p id="a"><a href="#a">x</a></p><div lang="en"></div></html>'
        self.assertEqual(page_faults(good), [])
        for fault, page in {
            "broken link '#b'": good.replace('href="#a"', 'href="#b"'),
            "unfilled placeholder '@PROJECT_VERSION@'": good.replace("x", "@PROJECT_VERSION@"),
        }.items():
            with self.subTest(fault=fault):
                self.assertEqual(page_faults(page), [fault])
