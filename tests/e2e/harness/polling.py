"""Waiting by polling: the tests wait for conditions, never for fixed times."""

import time


def wait_until(condition, timeout=10.0, interval=0.1, message="condition"):
    """Calls condition() until it returns a true value and returns that value.

    Raises TimeoutError when timeout seconds pass first; the condition is
    always tried once more at the deadline.
    """
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            value = condition()
            if value:
                return value
            raise TimeoutError(f"{message}: not reached within {timeout} s")
        time.sleep(interval)


def holds_for(condition, duration, interval=0.1):
    """True when condition() stays true for duration seconds (checked repeatedly)."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not condition():
            return False
        time.sleep(interval)
    return bool(condition())
