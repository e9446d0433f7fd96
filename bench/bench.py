#!/usr/bin/env python3
"""Measures Quorvel against mpv and ffplay on the same files, run by run interleaved, and writes
one table (median, min, max, ratio to the best peer) to standard output and bench/RESULTS.md.

Usage: bench.py --quorvel PROGRAM --media DIR --display :2 [--runs 3] [--window 10] [--idle-window 40]
                [--load-driver PROGRAM] [--soak PROGRAM] [--out RESULTS.md]"""

import argparse
import os
import re
import subprocess
import time

import players
import report

FILES = ["h263_320x240.flv", "h264_640x360.flv", "h264_1280x720.flv", "h264_1920x1080.flv"]
SETTLE = 1.5  # seconds after the first frame (and after entering full screen) before measuring


def playback(player, media, mode, window):
    """CPU seconds per second of media, frames dropped, first frame and peak memory for one run."""
    run = player.start(media, mode)
    try:
        first = player.first_frame_ms(run, 30)
        if first is None:
            return {"error": "no first frame"}
        if mode == "full" and player.enter_fullscreen(run) is None:
            return {"error": "full screen not reached"}
        time.sleep(SETTLE)
        # Drops while the player starts or changes its mode are counted apart: the target is
        # about playing at that size.
        d0 = player.drops(run)
        c0, t0 = run.cpu_seconds(), time.monotonic()
        time.sleep(window)
        c1, t1 = run.cpu_seconds(), time.monotonic()
        d1 = player.drops(run)
        result = {"cpu": (c1 - c0) / (t1 - t0), "dropped": d1 - d0, "dropped before": d0,
                  "hwm": run.status_kb("VmHWM") / 1024}
        if mode == "window":
            result["first"] = first
        return result
    finally:
        run.stop()


def idle_cpu(player, media, window):
    """CPU share of one core while paused on media, or with nothing loaded when media is None."""
    run = player.start(media, "window", paused=True)
    try:
        if media is not None:
            if player.first_frame_ms(run, 30) is None:
                return {"error": "no first frame"}
            if not player.pause(run):
                return {"error": "could not pause"}
        elif players.window_of(run) is None:
            return {"error": "no window"}
        time.sleep(SETTLE)
        c0, t0 = run.cpu_seconds(), time.monotonic()
        time.sleep(window)
        c1, t1 = run.cpu_seconds(), time.monotonic()
        return {"share": 100 * (c1 - c0) / (t1 - t0)}
    finally:
        run.stop()


def start_up(player, media):
    """Time to the first frame of one start with media on the command line."""
    run = player.start(media, "window")
    try:
        first = player.first_frame_ms(run, 30)
        return {"error": "no first frame"} if first is None else {"first": first}
    finally:
        run.stop()


def run_driver(argv, env_extra, pattern, timeout):
    env = dict(os.environ, **env_extra)
    out = subprocess.run(argv, env=env, capture_output=True, text=True, timeout=timeout)
    return re.findall(pattern, out.stdout + out.stderr), out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--quorvel", required=True)
    ap.add_argument("--media", required=True)
    ap.add_argument("--display", default=":2")
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--window", type=float, default=10)
    # An idle process runs for microseconds at a time: a long window keeps the share steady.
    ap.add_argument("--idle-window", type=float, default=40)
    ap.add_argument("--load-driver")
    ap.add_argument("--soak")
    ap.add_argument("--test-media", help="the folder tests/media/make-media.sh filled, for the soak")
    # A start-up is over in a quarter second, so a neighbour's burst can add a third to it: more
    # start-ups than playback runs keep its median steady.
    ap.add_argument("--starts", type=int, default=4)
    ap.add_argument("--soak-loads", type=int, default=1000)
    ap.add_argument("--out", default=os.path.join(players.BENCH_DIR, "RESULTS.md"))
    args = ap.parse_args()
    os.environ["DISPLAY"] = args.display

    contenders = [players.Quorvel(args.display, args.quorvel), players.Mpv(args.display),
                  players.Ffplay(args.display)]
    table = report.Table([p.name for p in contenders])
    load_before = os.getloadavg()
    for run in range(args.runs):
        # Rotate who goes first, so no player always meets a warm or a cold cache.
        order = contenders[run % 3:] + contenders[:run % 3]
        for name in FILES:
            media = os.path.join(args.media, name)
            for mode in ("window", "full"):
                for p in order:
                    r = playback(p, media, mode, args.window)
                    label = f"{name} {'320×240 window' if mode == 'window' else 'full screen 1920×1080'}"
                    table.add_run(p.name, label, r, ("cpu", "dropped", "dropped before", "hwm", "first"))
                    print(f"run {run + 1} {p.name:8} {label}: {r}", flush=True)
        for p in order:
            paused = idle_cpu(p, os.path.join(args.media, "h264_1280x720.flv"), args.idle_window)
            table.add_run(p.name, "paused on h264_1280x720.flv", paused, ("share",))
            print(f"run {run + 1} {p.name:8} paused: {paused}", flush=True)
            if p.name != "ffplay":  # ffplay cannot start without a file
                empty = idle_cpu(p, None, args.idle_window)
                table.add_run(p.name, "nothing loaded", empty, ("share",))
                print(f"run {run + 1} {p.name:8} nothing loaded: {empty}", flush=True)

    for start in range(args.starts):
        order = contenders[start % 3:] + contenders[:start % 3]
        for name in FILES:
            for p in order:
                r = start_up(p, os.path.join(args.media, name))
                table.add_run(p.name, f"{name} 320×240 window", r, ("first",))
                print(f"start {start + 1} {p.name:8} {name}: {r}", flush=True)

    extra = {}
    if args.load_driver:
        media = [os.path.join(args.media, f) for f in FILES]
        found, out = run_driver([args.load_driver, *media], {"QUORVEL_AUDIO_OUTPUT": "null"},
                                r"load-to-first-frame (\d+)", 600)
        extra["load"] = [float(v) for v in found] or out.stderr[-2000:]
    if args.soak:
        found, out = run_driver([os.path.join(players.BENCH_DIR, "..", "tests", "isolated.sh"), args.soak],
                                {"QUORVEL_SOAK_LOADS": str(args.soak_loads), "QUORVEL_TEST_MEDIA": args.test_media},
                                r"soak: (\w+) before (\d+) after (\d+)", 3600)
        extra["soak"] = {k: (int(a), int(b)) for k, a, b in found} or out.stdout[-2000:] + out.stderr[-2000:]
        extra["soak_loads"] = args.soak_loads
        extra["soak_passed"] = out.returncode == 0
    text = report.render(table, extra, load_before, os.getloadavg(), args)
    print(text)
    with open(args.out, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
