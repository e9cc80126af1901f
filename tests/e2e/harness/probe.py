"""The probe program (tests/probe) run through the Wine session, and its output."""

import os
import subprocess
from dataclasses import dataclass, field
from pathlib import Path

from .polling import wait_until

_UNESCAPES = {"\\": "\\", "n": "\n", "r": "\r", "t": "\t"}


def unescape(value):
    out, chars = [], iter(value)
    for c in chars:
        if c == "\\":
            nxt = next(chars, "")
            out.append(_UNESCAPES.get(nxt, "\\" + nxt))
        else:
            out.append(c)
    return "".join(out)


def parse_records(text):
    """The probe's key=value lines as a list of dicts, one per record.

    Records are separated by empty lines; a key repeated within a record
    (event lines of a test window) keeps its last value.
    """
    records, current = [], {}
    for line in text.splitlines():
        if not line:
            if current:
                records.append(current)
            current = {}
            continue
        key, _, value = line.partition("=")
        current[key] = unescape(value)
    if current:
        records.append(current)
    return records


@dataclass(frozen=True)
class Window:
    """A window as the probe described it."""
    hwnd: int
    title: str
    cls: str
    left: int
    top: int
    right: int
    bottom: int
    client_width: int
    client_height: int
    style: int
    exstyle: int
    visible: bool
    topmost: bool
    pid: int          # Windows process id (not the Unix one)
    tid: int
    parent: int       # 0 for a top-level window
    owner: int
    x11_window: int   # the X window that shows it (0 for a child window)

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @classmethod
    def from_record(cls, r):
        return cls(hwnd=int(r["hwnd"]), title=r["title"], cls=r["class"],
                   left=int(r["left"]), top=int(r["top"]), right=int(r["right"]),
                   bottom=int(r["bottom"]), client_width=int(r["client_width"]),
                   client_height=int(r["client_height"]), style=int(r["style"], 16),
                   exstyle=int(r["exstyle"], 16), visible=r["visible"] == "1",
                   topmost=r["topmost"] == "1", pid=int(r["pid"]), tid=int(r["tid"]),
                   parent=int(r["parent"]), owner=int(r["owner"]),
                   x11_window=int(r["x11_window"]))


@dataclass(frozen=True)
class MessageBox:
    """A message box (#32770 dialog) as the probe read it."""
    hwnd: int
    caption: str
    text: str
    has_icon: bool
    pid: int
    buttons: list = field(default_factory=list)  # labels, left to right

    @classmethod
    def from_record(cls, r):
        count = int(r["button_count"])
        return cls(hwnd=int(r["hwnd"]), caption=r["caption"], text=r["text"],
                   has_icon=r["icon"] == "1", pid=int(r["pid"]),
                   buttons=[r[f"button{i}"] for i in range(1, count + 1)])


@dataclass
class ProbeResult:
    status: int
    records: list
    stdout: str
    stderr: str


class TestWindow:
    """A plain window kept alive by a probe process (see Probe.open_test_window)."""

    def __init__(self, process, window):
        self.process = process
        self.window = window
        self.hwnd = window.hwnd


def _window_filter(title, cls, parent, visible=False):
    args = ["--visible"] if visible else []
    if title is not None:
        args += ["--title", title]
    if cls is not None:
        args += ["--class", cls]
    if parent is not None:
        args += ["--parent", str(parent)]
    return args


class Probe:
    """Runs the probe program in a Wine session.

    Windows are matched exactly by title and/or class; handles are numbers.
    """

    def __init__(self, session, output_dir, executable=None):
        self.session = session
        self.output_dir = Path(output_dir)
        self.executable = executable or os.environ["ZELVANE_PROBE"]

    def run(self, *args, timeout=60.0):
        status, out, err = self.session.run(self.executable, *args, output_dir=self.output_dir,
                                            name="probe", timeout=timeout)
        if status not in (0, 1):
            # 2 is a usage error; anything else a crash of the probe or of Wine.
            raise RuntimeError(f"probe {' '.join(map(str, args))} ended with {status}: {err}")
        return ProbeResult(status, parse_records(out), out, err)

    def find(self, title=None, cls=None, parent=None, visible=False):
        """Every window matching; top-level ones unless parent (a handle) is given;
        only visible ones if visible."""
        result = self.run("find", *_window_filter(title, cls, parent, visible))
        return [Window.from_record(r) for r in result.records]

    def list_windows(self, parent=None, visible=False):
        result = self.run("list", *_window_filter(None, None, parent, visible))
        return [Window.from_record(r) for r in result.records]

    def wait_for(self, title=None, cls=None, parent=None, visible=False, timeout=10.0):
        """The matching windows once at least one exists; [] after timeout seconds."""
        result = self.run("wait", *_window_filter(title, cls, parent, visible),
                          "--timeout", str(int(timeout * 1000)), timeout=timeout + 60)
        return [Window.from_record(r) for r in result.records] if result.status == 0 else []

    def wait_gone(self, title=None, cls=None, parent=None, visible=False, timeout=10.0):
        """True once no matching window exists; False if one is left after timeout."""
        result = self.run("wait", *_window_filter(title, cls, parent, visible), "--gone",
                          "--timeout", str(int(timeout * 1000)), timeout=timeout + 60)
        return result.status == 0

    def foreground(self):
        """The foreground window, or None."""
        result = self.run("foreground")
        return Window.from_record(result.records[0]) if result.status == 0 else None

    def activate(self, hwnd):
        """SetForegroundWindow on another program's window; True if it took."""
        return self.run("activate", str(hwnd)).status == 0

    def post(self, hwnd, message, wparam=0, lparam=0):
        """PostMessage; message is a number or a name such as 'WM_CLOSE'."""
        return self.run("post", str(hwnd), str(message), str(wparam), str(lparam)).status == 0

    def text(self, hwnd):
        """The window's text as it answers WM_GETTEXT (an edit field's or combo
        box's content), or None if it did not answer."""
        result = self.run("text", str(hwnd))
        return result.records[0]["text"] if result.status == 0 else None

    def open_test_window(self, width, height, x=0, y=0, title=None, timeout=30.0):
        """Starts a probe process that shows a plain window; returns a TestWindow.

        The window lives until destroy() or until its process is killed (the
        test case does that at the end of the test).
        """
        args = ["window", "--width", str(width), "--height", str(height),
                "--x", str(x), "--y", str(y)]
        if title is not None:
            args += ["--title", title]
        process = self.session.start(self.executable, *args, output_dir=self.output_dir,
                                     name="probe-window")

        def described():
            # Only a record ended by its empty line is whole.
            text = process.stdout_text()
            if "\n\n" in text:
                return parse_records(text)[0]
            if not process.is_running():
                raise RuntimeError(f"the probe window ended: {process.stderr_text()}")
            return None

        try:
            return TestWindow(process, Window.from_record(
                wait_until(described, timeout, message="probe test window")))
        except Exception:
            process.kill()
            raise

    def shortcut(self, path):
        """What a shortcut (.lnk, a Windows path) starts: {target, arguments,
        working_dir, icon}, or None when it cannot be read."""
        result = self.run("shortcut", path)
        return result.records[0] if result.status == 0 else None

    def destroy(self, hwnd):
        """Destroys a test window of the probe (by its own thread, as Windows requires)."""
        return self.run("destroy", str(hwnd)).status == 0

    def read_message_box(self, title=None, pid=None, timeout=10.0):
        """The first visible message box (with that caption / of that Windows pid), or None."""
        args = ["msgbox", "--timeout", str(int(timeout * 1000))]
        if title is not None:
            args += ["--title", title]
        if pid is not None:
            args += ["--pid", str(pid)]
        result = self.run(*args, timeout=timeout + 60)
        return MessageBox.from_record(result.records[0]) if result.status == 0 else None

    def press_button(self, label, title=None, pid=None, timeout=10.0):
        """Clicks the message box button with that label (as read_message_box gives it)."""
        args = ["press", "--button", label, "--timeout", str(int(timeout * 1000))]
        if title is not None:
            args += ["--title", title]
        if pid is not None:
            args += ["--pid", str(pid)]
        return self.run(*args, timeout=timeout + 60).status == 0

    def hold(self, path, share_writers=False, until=None, then_ms=0, timeout=30.0):
        """Starts a probe process that holds the file at path (a Windows path)
        open and returns it once it does. With share_writers others may read and
        write the file but not replace it, as a search indexer does; otherwise
        it can be neither replaced nor removed. Without until it is held until
        the process is killed; with it, it is let go then_ms milliseconds after
        a file matching until (a Windows path with wildcards) appears, and the
        exit status is 0 if that file appeared within timeout seconds."""
        args = ["hold", "--file", path, "--share", "indexer" if share_writers else "none"]
        if until is not None:
            args += ["--until", until, "--then", str(then_ms),
                     "--timeout", str(int(timeout * 1000))]
        process = self.session.start(self.executable, *args, output_dir=self.output_dir,
                                     name="probe-hold")

        def holding():
            if "held=1" in process.stdout_text():
                return True
            if not process.is_running():
                raise RuntimeError(f"the probe could not hold {path}: {process.stderr_text()}")
            return False

        try:
            wait_until(holding, 30.0, message=f"the probe holding {path}")
        except Exception:
            process.kill()
            raise
        return process

    def profile_write(self, path, section, key, value):
        """WritePrivateProfileStringW: sets key in section of the file at path (a
        Windows path), as any program of the platform would."""
        result = self.run("profile-write", "--file", path, "--section", section, "--key", key,
                          "--value", value)
        if result.status != 0:
            raise RuntimeError(f"probe profile-write failed: {result.stderr}")

