"""How each player is started, how its reports are read from standard error, and how it is
driven into full screen or pause on the benchmark's X display."""

import os
import re
import subprocess
import tempfile
import threading
import time

BENCH_DIR = os.path.dirname(os.path.abspath(__file__))

# Quorvel's window after a load: 320 x 260 pixels of player under a 25-pixel title strip, above a
# 49-pixel bottom bar; the full-screen button sits in that bar (twips / 15 from the composition).
QUORVEL_FULLSCREEN_BUTTON = (64 + 35, 285 + 8 + 10)


class Running:
    """A started player whose standard error is read line by line (carriage returns split too)."""

    def __init__(self, argv, env):
        self.started = time.monotonic()
        self.proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.PIPE)
        self.lines = []  # (seconds since start, text)
        self._cond = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            chunk = self.proc.stderr.read1(65536)
            if not chunk:
                break
            pending += chunk
            parts = re.split(rb"[\r\n]", pending)
            pending = parts.pop()
            now = time.monotonic() - self.started
            with self._cond:
                self.lines.extend((now, p.decode("utf-8", "replace")) for p in parts if p.strip())
                self._cond.notify_all()

    def wait_for(self, pattern, timeout):
        """The first match of pattern in a line and when it was read, or (None, None)."""
        regex = re.compile(pattern)
        deadline = time.monotonic() + timeout
        seen = 0
        with self._cond:
            while True:
                for when, text in self.lines[seen:]:
                    m = regex.search(text)
                    if m:
                        return m, when
                seen = len(self.lines)
                left = deadline - time.monotonic()
                if left <= 0 or self.proc.poll() is not None:
                    return None, None
                self._cond.wait(min(left, 0.05))

    def last(self, pattern):
        regex = re.compile(pattern)
        with self._cond:
            for _, text in reversed(self.lines):
                m = regex.search(text)
                if m:
                    return m
        return None

    def cpu_seconds(self):
        """Run time of all live threads, from the scheduler's own nanosecond count: utime and stime
        come in 10 ms steps, sampled at 4 ms ticks, too coarse for a process that wakes briefly."""
        total = 0
        for tid in os.listdir(f"/proc/{self.proc.pid}/task"):
            try:
                with open(f"/proc/{self.proc.pid}/task/{tid}/schedstat") as f:
                    total += int(f.read().split()[0])
            except (FileNotFoundError, ProcessLookupError):
                pass  # the thread ended meanwhile
        return total / 1e9

    def status_kb(self, key):
        with open(f"/proc/{self.proc.pid}/status") as f:
            for line in f:
                if line.startswith(key + ":"):
                    return int(line.split()[1])
        return None

    def alive(self):
        return self.proc.poll() is None

    def stop(self):
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, env=os.environ).stdout.split()


def window_of(running, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        ids = xdotool("search", "--onlyvisible", "--pid", str(running.proc.pid))
        if ids:
            return ids[-1]
        time.sleep(0.05)
    return None


def window_width(wid):
    out = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True).stdout
    m = re.search(r"Width:\s+(\d+)", out)
    return int(m.group(1)) if m else 0


class Player:
    name = ""
    first_frame = ""  # regex with one group: ms from process start, or None when read from the clock
    dropped = ""      # regex with one group: frames dropped so far

    def __init__(self, display):
        self.display = display

    def env(self):
        env = dict(os.environ, DISPLAY=self.display)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def start(self, media, mode, paused=False):
        return Running(self.argv(media, mode, paused), self.env())

    def first_frame_ms(self, running, timeout):
        m, _ = running.wait_for(self.first_frame, timeout)
        return float(m.group(1)) if m else None

    def enter_fullscreen(self, running):
        """Returns how full screen was reached, or None when it was not."""
        return "option"

    def pause(self, running):
        return True

    def drops(self, running):
        m = running.last(self.dropped)
        return int(m.group(1)) if m else 0


class Mpv(Player):
    name = "mpv"
    first_frame = r"^bench: first-frame (\d+)"
    dropped = r"^bench: dropped (\d+)"

    def argv(self, media, mode, paused):
        argv = ["mpv", "--no-config", "--vo=x11", "--ao=null", "--really-quiet", "--keep-open=yes",
                "--script=" + os.path.join(BENCH_DIR, "mpv-stats.lua")]
        if media is None:
            return argv + ["--idle=yes", "--force-window=yes", "--geometry=320x240+0+0"]
        argv += ["--fs"] if mode == "full" else ["--geometry=320x240+0+0"]
        if paused:
            argv.append("--pause")
        return argv + [media]


class Ffplay(Player):
    name = "ffplay"
    # With no sound and the video as master clock, the clock stays "nan" until a frame is shown.
    first_frame = r"^\s*(-?\d+\.\d+) M-V:"
    dropped = r"fd=\s*(\d+)"

    def env(self):
        return dict(super().env(), SDL_AUDIODRIVER="dummy")

    def argv(self, media, mode, paused):
        argv = ["ffplay", "-hide_banner", "-an", "-sync", "video"]
        argv += ["-fs"] if mode == "full" else ["-x", "320", "-y", "240", "-left", "0", "-top", "0"]
        return argv + [media]

    def first_frame_ms(self, running, timeout):
        # ffplay reports nothing of its own: the time the first clocked status line was read.
        _, when = running.wait_for(self.first_frame, timeout)
        return when * 1000 if when is not None else None

    def pause(self, running):
        wid = window_of(running)
        if wid is None:
            return False
        xdotool("key", "--window", wid, "p")
        return True


class Quorvel(Player):
    name = "quorvel"
    first_frame = r"^quorvel\.video: first-frame (\d+)"
    dropped = r"^quorvel\.video: frames \d+ dropped (\d+)"

    def __init__(self, display, program):
        super().__init__(display)
        self.program = program
        self.scratch = tempfile.mkdtemp(prefix="quorvel-bench-")

    def env(self):
        # A private profile, so the benchmark neither reads nor changes the user's settings.
        env = super().env()
        for var, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                         ("XDG_CACHE_HOME", "cache"), ("TMPDIR", "tmp")):
            env[var] = os.path.join(self.scratch, sub)
            os.makedirs(env[var], exist_ok=True)
        env.update(QT_QPA_PLATFORM="xcb", QUORVEL_AUDIO_OUTPUT="null", QUORVEL_REPORT_FRAMES="1")
        return env

    def argv(self, media, mode, paused):
        return [self.program] + ([media] if media else [])

    def enter_fullscreen(self, running):
        # The user's way: a click on the window's own full-screen button.
        wid = window_of(running)
        if wid is None:
            return None
        x, y = QUORVEL_FULLSCREEN_BUTTON
        # A click that comes while the window still settles its size can miss: try again.
        for _ in range(3):
            xdotool("mousemove", "--window", wid, str(x), str(y), "click", "1")
            deadline = time.monotonic() + 2
            while time.monotonic() < deadline:
                if any(window_width(w) >= 1900 for w in xdotool("search", "--onlyvisible", "--pid",
                                                                str(running.proc.pid))):
                    return "button"
                time.sleep(0.05)
        return None

    def pause(self, running):
        # The movie's control bar: its play/pause button is the leftmost, on the bar's bottom row.
        wid = window_of(running)
        if wid is None:
            return False
        xdotool("mousemove", "--window", wid, "8", str(25 + 260 - 10), "click", "1")
        # Paused when no further report comes: one is written every 30 frames shown.
        time.sleep(1.5)
        reports = len([1 for _, text in list(running.lines) if text.startswith("quorvel.video: frames")])
        time.sleep(1.5)
        return reports == len([1 for _, text in list(running.lines) if text.startswith("quorvel.video: frames")])
