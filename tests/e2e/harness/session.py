"""The Wine session of one locale, and the Windows programs started in it."""

import getpass
import os
import re
import shlex
import signal
import subprocess
import time
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[3]
WINE_ENV_SCRIPT = REPO_ROOT / "tools" / "wine-env.sh"

# The shipped programs; a process running one of them belongs to the product.
PRODUCT_FILES = ("ゼルヴェイン.scr", "ゼルヴェイン.dll")

# The Wine debug channel that shows what a program writes to the debugger
# output (OutputDebugString), where the programs' failure trace goes.
DEBUGGER_OUTPUT_CHANNEL = "warn+seh"
# One failure report of the trace in Wine's log: "Zelvane <program>: failure:
# <what>", non-ASCII bytes escaped.
_FAILURE_REPORT = re.compile(
    r'warn:seh:OutputDebugStringA "Zelvane (\w+): failure: (.*?)(?:\\n)?"$', re.M)


def failure_reports(log_text):
    """The failure reports in a Wine log, each as "<program>: <what>"."""
    return [f"{program}: {what}" for program, what in _FAILURE_REPORT.findall(log_text)]


class ProgramProcess:
    """A Windows program running under Wine in a process group of its own.

    Its standard output and error go to files (Wine's helper processes would
    keep a pipe open and stall the reader). Wine's log, with the debugger
    output of the program and of the programs it starts, is in the error file.
    """

    def __init__(self, popen, name, stdout_path, stderr_path):
        self._popen = popen
        self.name = name
        self.stdout_path = stdout_path
        self.stderr_path = stderr_path

    @property
    def pid(self):
        return self._popen.pid

    def poll(self):
        """The exit status, or None while the program runs."""
        return self._popen.poll()

    def is_running(self):
        return self._popen.poll() is None

    def wait(self, timeout=10.0):
        """The exit status; raises subprocess.TimeoutExpired if it runs on."""
        return self._popen.wait(timeout=timeout)

    def kill(self):
        """Ends the program and everything it started in its process group."""
        try:
            os.killpg(self._popen.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        try:
            self._popen.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass

    def stdout_text(self):
        return _read_text(self.stdout_path)

    def stderr_text(self):
        return _read_text(self.stderr_path)

    def failure_reports(self):
        """The failure trace of the program and of the programs it started."""
        return failure_reports(self.stderr_text())


def _read_text(path):
    try:
        return Path(path).read_bytes().decode("utf-8", errors="replace")
    except FileNotFoundError:
        return ""


class WineSession:
    """The environment that tools/wine-env.sh prepared for one locale.

    ZELVANE_WINE_STATE and ZELVANE_LOCALE select the session, as they do for
    the script; the session must have been started (ctest's fixture does it).
    """

    def __init__(self, locale=None, state=None):
        self.locale = locale or os.environ.get("ZELVANE_LOCALE", "ja")
        self.state = state or os.environ.get("ZELVANE_WINE_STATE",
                                              str(REPO_ROOT / "build" / "windows" / "wine"))
        base = dict(os.environ, ZELVANE_LOCALE=self.locale, ZELVANE_WINE_STATE=self.state)
        listing = subprocess.run([str(WINE_ENV_SCRIPT), "env"], env=base, check=True,
                                 stdin=subprocess.DEVNULL, capture_output=True, text=True)
        self.env = dict(base)
        for word in shlex.split(listing.stdout):
            if "=" in word and word != "export":
                key, value = word.split("=", 1)
                self.env[key] = value
        debug = self.env.get("WINEDEBUG", "")
        self.env["WINEDEBUG"] = f"{debug},{DEBUGGER_OUTPUT_CHANNEL}" if debug \
            else DEBUGGER_OUTPUT_CHANNEL
        self.display = self.env.get("DISPLAY", "")
        self.prefix = self.env["WINEPREFIX"]
        # %APPDATA%: Wine names the user's profile after the Unix user.
        self.appdata = (Path(self.prefix) / "drive_c" / "users" / getpass.getuser() / "AppData"
                        / "Roaming")
        if not self.display:
            raise RuntimeError(f"the Wine session '{self.locale}' under {self.state} "
                               "is not started (tools/wine-env.sh start)")

    def start(self, program, *args, output_dir, name=None, debug_channels=None):
        """Starts program (a path) with args; returns its ProgramProcess.

        debug_channels (for example "fps") are added to Wine's log channels."""
        name = name or Path(program).name
        env = self.env
        if debug_channels:
            env = dict(self.env, WINEDEBUG=f"{self.env['WINEDEBUG']},{debug_channels}")
        output_dir = Path(output_dir)
        output_dir.mkdir(parents=True, exist_ok=True)
        stem = _unique_stem(output_dir, name)
        stdout_path = output_dir / f"{stem}.stdout"
        stderr_path = output_dir / f"{stem}.stderr"
        with open(stdout_path, "wb") as out, open(stderr_path, "wb") as err:
            popen = subprocess.Popen(["wine", str(program), *map(str, args)], env=env,
                                     stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                                     start_new_session=True)
        return ProgramProcess(popen, name, stdout_path, stderr_path)

    def run(self, program, *args, output_dir, name=None, timeout=60.0):
        """Runs a short program to its end; returns (exit status, stdout, stderr).

        A program still running after timeout seconds is killed and
        subprocess.TimeoutExpired raised.
        """
        process = self.start(program, *args, output_dir=output_dir, name=name)
        try:
            status = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            raise
        return status, process.stdout_text(), process.stderr_text()

    def product_processes(self):
        """(pid, command) of every running process of the product in this session."""
        return self.processes_running(PRODUCT_FILES)

    def processes_running(self, file_names):
        """(pid, command) of every running process in this session whose program
        file has one of file_names (compared without case)."""
        wanted = {name.lower() for name in file_names}
        found = []
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit():
                continue
            try:
                argv0 = (entry / "cmdline").read_bytes().split(b"\0")[0].decode("utf-8", "replace")
                if _base_name(argv0) not in wanted:
                    continue
                environ = (entry / "environ").read_bytes().split(b"\0")
                state = (entry / "stat").read_text().rsplit(")", 1)[1].split()[0]
            except OSError:
                continue
            if state != "Z" and f"WINEPREFIX={self.prefix}".encode() in environ:
                found.append((int(entry.name), argv0))
        return found


def processor_seconds(pid):
    """User plus system time of a process (a Unix pid) so far, in seconds."""
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    # utime and stime are fields 14 and 15 of the line; here 11 and 12 after the name.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def _base_name(argv0):
    return argv0.replace("\\", "/").rsplit("/", 1)[-1].lower()


def _unique_stem(folder, name):
    stem = name.replace("/", "_").replace("\\", "_")
    candidate, n = stem, 1
    while (folder / f"{candidate}.stdout").exists():
        n += 1
        candidate = f"{stem}.{n}"
    return candidate


def end_process(pid):
    """Kills one process by pid (used for strays the test did not start itself)."""
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline and Path(f"/proc/{pid}").exists():
        time.sleep(0.05)
