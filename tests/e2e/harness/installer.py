"""The installer and uninstaller, run as users and administrators run them
(mostly silently, /S), and what they leave: files in the Wine prefix and,
through `reg export`, registry values. The tests start from a prefix where the
product was never installed."""

import re
import shutil
import time
from pathlib import Path

from .dialog import HELP_PAGE, RENDERER, SETTINGS, SHELL as SAVER, DialogTestCase, windows_path
from .session import REPO_ROOT

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
