"""Real input through the X server with xdotool (XTEST), as a user would give it.

There is no window manager. Wine sends key presses to its foreground window,
so before a key press the target window gets the X input focus and the
harness waits until Wine has made it the foreground window.
"""

import subprocess

from .polling import wait_until


class XInput:
    def __init__(self, session, probe):
        self.env = session.env
        self.probe = probe

    def _xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, stdin=subprocess.DEVNULL, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
        return result

    def focus(self, target, timeout=10.0):
        """Makes target the foreground window: a probe Window, or the title of one.

        Returns the Window.
        """
        if isinstance(target, str):
            found = self.probe.wait_for(title=target, visible=True, timeout=timeout)
            if not found:
                raise TimeoutError(f"no window titled '{target}' to focus")
            target = found[0]  # the top one
        if not target.x11_window:
            raise ValueError(f"window {target.hwnd} has no X window of its own")

        def in_front():
            foreground = self.probe.foreground()
            if foreground and foreground.hwnd == target.hwnd:
                return True
            self._xdotool("windowfocus", "--sync", target.x11_window, check=False)
            return False

        wait_until(in_front, timeout, interval=0.2, message=f"window {target.hwnd} in front")
        return target

    def key(self, keysym, target=None):
        """Presses and releases a key; with target (Window or title), focuses it first."""
        if target is not None:
            self.focus(target)
        self._xdotool("key", keysym)

    def move_mouse(self, x, y):
        self._xdotool("mousemove", "--sync", x, y)

    def click(self, button=1):
        self._xdotool("click", button)

    def type(self, text):
        """Types text into the foreground window, key by key."""
        self._xdotool("type", "--delay", 20, "--", text)
