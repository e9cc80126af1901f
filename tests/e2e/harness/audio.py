"""Real sound from the Windows programs: a PulseAudio server of the test's own,
whose only output is a null sink, recorded from that sink's monitor.

    server = SoundServer(folder)          # start() once per test module, stop() after it
    session = server.wine_session(wine)   # programs started through it play there
    recording = server.record(path)       # raw 16-bit stereo at 44.1 kHz
    mark = recording.position()           # the file's size is its clock
    recording.wait_for(mark + seconds_to_bytes(2))
    levels = recording.levels(mark)       # loudness of each 100 ms window

Wine picks its PulseAudio driver by itself when it can reach a server. The
server and the recorder write to files only (a pipe that the test read would be
held open by them), and both get SIGTERM should the test process die first.
"""

import array
import copy
import ctypes
import math
import os
import shutil
import signal
import subprocess
from pathlib import Path

from .polling import wait_until

SAMPLE_RATE = 44100
CHANNELS = 2
BYTES_PER_FRAME = 2 * CHANNELS  # 16-bit samples
BYTES_PER_SECOND = SAMPLE_RATE * BYTES_PER_FRAME
WINDOW_SECONDS = 0.1
WINDOW_BYTES = int(BYTES_PER_SECOND * WINDOW_SECONDS)

SINK = "capture"

_PR_SET_PDEATHSIG = 1


def seconds_to_bytes(seconds):
    """Bytes of recording that cover seconds, a whole number of frames."""
    return int(seconds * SAMPLE_RATE) * BYTES_PER_FRAME


def _end_with_parent():
    """Runs in the child before exec: SIGTERM when the test process dies."""
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)


def _end(popen, grace=5.0):
    """Ends a process that this module started: SIGTERM, then SIGKILL."""
    if popen.poll() is not None:
        return
    popen.terminate()
    try:
        popen.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        popen.kill()
        popen.wait(timeout=grace)


class SoundServer:
    """A PulseAudio server whose home and runtime folder lie under folder."""

    def __init__(self, folder):
        self.folder = Path(folder)
        self.home = self.folder / "home"
        self.runtime = self.folder / "runtime"
        self.socket = self.runtime / "pulse" / "native"
        self.client_config = self.folder / "client.conf"
        self._popen = None

    def client_env(self):
        """What a client (Wine included) needs to find this server and only it."""
        return {
            "XDG_RUNTIME_DIR": str(self.runtime),
            "PULSE_SERVER": f"unix:{self.socket}",
            # A client that cannot reach the server must not start one of its own.
            "PULSE_CLIENTCONFIG": str(self.client_config),
        }

    def _env(self):
        return dict(os.environ, HOME=str(self.home), **self.client_env())

    def start(self, timeout=20.0):
        shutil.rmtree(self.folder, ignore_errors=True)
        self.home.mkdir(parents=True)
        self.runtime.mkdir(mode=0o700)
        self.client_config.write_text("autospawn = no\n")
        command = [
            "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
            "--use-pid-file=no", "--realtime=no", "--high-priority=no", "--log-target=stderr",
            "-L", "module-native-protocol-unix auth-anonymous=1",
            "-L", f"module-null-sink sink_name={SINK} rate={SAMPLE_RATE} channels={CHANNELS}",
        ]
        with open(self.folder / "pulseaudio.log", "wb") as log:
            self._popen = subprocess.Popen(command, env=self._env(), stdin=subprocess.DEVNULL,
                                           stdout=log, stderr=log, start_new_session=True,
                                           preexec_fn=_end_with_parent)
        try:
            wait_until(self._answers, timeout, interval=0.2, message="the sound server")
            self._pactl("set-default-sink", SINK)
        except BaseException:
            self.stop()
            raise
        return self

    def _answers(self):
        if self._popen.poll() is not None:
            log = (self.folder / "pulseaudio.log").read_text(errors="replace")
            raise RuntimeError(f"the sound server ended with {self._popen.returncode}: {log}")
        return self.socket.exists() and self._pactl("info", check=False) == 0

    def _pactl(self, *args, check=True):
        with open(self.folder / "pactl.log", "ab") as log:
            status = subprocess.run(["pactl", *args], env=self._env(), stdin=subprocess.DEVNULL,
                                    stdout=log, stderr=log, timeout=20).returncode
        if check and status != 0:
            raise RuntimeError(f"pactl {' '.join(args)} ended with {status}")
        return status

    def stop(self):
        if self._popen is not None:
            _end(self._popen)
            self._popen = None

    def wine_session(self, session):
        """A copy of the Wine session whose programs play through this server."""
        audible = copy.copy(session)
        audible.env = dict(session.env, **self.client_env())
        return audible

    def record(self, path):
        """Starts recording everything the sink plays into path; returns the Recording."""
        return Recording(path, self._env())


class Recording:
    """Raw samples of the sink's monitor, appended to a file as they arrive."""

    def __init__(self, path, env):
        self.path = Path(path)
        command = ["parec", "-d", f"{SINK}.monitor", "--format=s16le", f"--rate={SAMPLE_RATE}",
                   f"--channels={CHANNELS}", "--raw", "--latency-msec=20"]
        with open(self.path, "wb") as out, open(self.path.with_suffix(".log"), "wb") as log:
            self._popen = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                           stderr=log, start_new_session=True,
                                           preexec_fn=_end_with_parent)
        # The sink plays silence when nobody plays, so the file grows from the start.
        try:
            self.wait_for(BYTES_PER_FRAME, timeout=20.0)
        except BaseException:
            self.stop()
            raise

    def position(self):
        """How much has been recorded, in bytes (a whole number of frames)."""
        try:
            size = self.path.stat().st_size
        except FileNotFoundError:
            size = 0
        return size - size % BYTES_PER_FRAME

    def wait_for(self, position, timeout=30.0):
        """Waits until the recording has reached position (bytes)."""

        def reached():
            if self._popen.poll() is not None:
                raise RuntimeError(f"the recorder ended with {self._popen.returncode}")
            return self.position() >= position

        wait_until(reached, timeout, interval=0.05, message="the recording")

    def levels(self, start, end=None):
        """Root-mean-square level of each whole 100 ms window from start to end
        (bytes; end None: what has been recorded so far), in sample units."""
        start -= start % BYTES_PER_FRAME
        end = self.position() if end is None else end
        with open(self.path, "rb") as f:
            f.seek(start)
            data = f.read(max(end - start, 0))
        samples = array.array("h")
        samples.frombytes(data[:len(data) - len(data) % WINDOW_BYTES])
        per_window = WINDOW_BYTES // 2
        result = []
        for i in range(0, len(samples), per_window):
            window = samples[i:i + per_window]
            result.append(math.sqrt(sum(s * s for s in window) / per_window))
        return result

    def stop(self):
        _end(self._popen)


def wait_seconds(recording, start, seconds, timeout=None):
    """Waits until seconds of sound have been recorded after start (bytes)."""
    recording.wait_for(start + seconds_to_bytes(seconds), timeout=timeout or seconds + 30.0)

