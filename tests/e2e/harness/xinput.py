"""Real input through the X server with xdotool (XTEST), as a user would give it.

There is no window manager: a window must be given the X input focus before
key presses reach it.
"""

import subprocess

from .polling import wait_until


class XInput:
    def __init__(self, session):
        self.env = session.env

    def _xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, stdin=subprocess.DEVNULL, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
        return result

    def x_windows(self, title):
        """X window ids whose name is exactly title."""
        result = self._xdotool("search", "--name", f"^{_regex_escape(title)}$", check=False)
        return [int(w) for w in result.stdout.split()]

    def focus(self, title, timeout=10.0):
        """Gives the X input focus to the (first) X window named title."""
        windows = wait_until(lambda: self.x_windows(title), timeout,
                             message=f"X window '{title}'")
        self._xdotool("windowfocus", "--sync", windows[0])
        return windows[0]

    def key(self, keysym, title=None):
        """Presses and releases a key; with title, focuses that window first."""
        if title is not None:
            self.focus(title)
        self._xdotool("key", keysym)

    def move_mouse(self, x, y):
        self._xdotool("mousemove", "--sync", x, y)

    def move_mouse_by(self, dx, dy):
        self._xdotool("mousemove_relative", "--sync", "--", dx, dy)

    def click(self, button=1):
        self._xdotool("click", button)

    def mouse_location(self):
        fields = dict(part.split(":", 1) for part in
                      self._xdotool("getmouselocation").stdout.split())
        return int(fields["x"]), int(fields["y"])


def _regex_escape(text):
    return "".join("\\" + c if c in r".^$*+?()[]{}|\\" else c for c in text)
