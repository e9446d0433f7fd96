"""The benchmark's table: per measure, each player's median, min and max over the runs, and
Quorvel's median as a ratio to the best peer's; with the machine's description."""

import os
import platform
import re
import statistics
import subprocess

import targets

MEASURES = {
    "cpu": ("CPU s per s of media", "{:.3f}"),
    "dropped": ("frames dropped", "{:.0f}"),
    "dropped before": ("frames dropped before (start, full-screen switch)", "{:.0f}"),
    "hwm": ("peak memory MB (VmHWM)", "{:.0f}"),
    "first": ("first frame ms from start", "{:.0f}"),
    "share": ("% of one core", "{:.2f}"),
}


class Table:
    def __init__(self, names):
        self.names = names
        self.rows = {}    # (measure, label) -> {player: [values]}
        self.errors = []  # "player label: error"

    def add_run(self, player, label, result, measures):
        if "error" in result:
            self.errors.append(f"{player} {label}: {result['error']}")
            return
        for m in measures:
            if m in result:
                self.rows.setdefault((m, label), {}).setdefault(player, []).append(result[m])

    def lines(self):
        out = ["| measure | file and size | " + " | ".join(f"{n} median (min–max)" for n in self.names) +
               " | Quorvel / best peer |", "|---|---|" + "---|" * (len(self.names) + 1)]
        for (m, label), values in self.rows.items():
            title, fmt = MEASURES[m]
            cells = []
            for n in self.names:
                v = values.get(n)
                cells.append(f"{fmt.format(statistics.median(v))} ({fmt.format(min(v))}–{fmt.format(max(v))})"
                             if v else "—")
            peers = [statistics.median(v) for n, v in values.items() if n != "quorvel" and v]
            own = values.get("quorvel")
            ratio = "—"
            if own and peers:
                best = min(peers)
                ratio = f"{statistics.median(own) / best:.2f}" if best > 0 else (
                    "equal" if statistics.median(own) == 0 else f"{fmt.format(statistics.median(own))} vs 0")
            out.append(f"| {title} | {label} | " + " | ".join(cells) + f" | {ratio} |")
        return out


def _first_line(argv):
    try:
        out = subprocess.run(argv, capture_output=True, text=True, timeout=20)
        return (out.stdout + out.stderr).strip().splitlines()[0]
    except (OSError, IndexError, subprocess.TimeoutExpired):
        return "unknown"


def machine():
    cpu = "unknown"
    with open("/proc/cpuinfo") as f:
        m = re.search(r"model name\s*:\s*(.*)", f.read())
        cpu = m.group(1) if m else cpu
    with open("/proc/meminfo") as f:
        mem_gb = int(f.readline().split()[1]) / 1024 / 1024
    xvfb = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", "xvfb"], capture_output=True, text=True).stdout
    return [
        f"- CPU: {cpu}, {subprocess.run(['nproc'], capture_output=True, text=True).stdout.strip()} cores online",
        f"- Memory: {mem_gb:.1f} GB; kernel {platform.release()}",
        f"- Display: Xvfb {xvfb or 'version unknown'}, screen 1920x1080x24, no window manager",
        f"- {_first_line(['mpv', '--version'])}",
        f"- {_first_line(['ffplay', '-version'])}",
        f"- libmpv {_first_line(['pkg-config', '--modversion', 'mpv'])}, Qt {_first_line(['pkg-config', '--modversion', 'Qt6Core'])}",
    ]


def render(table, extra, load_before, load_after, args):
    out = ["# Benchmark results", "",
           "Written by `bench/run.sh`. Quorvel with `QUORVEL_AUDIO_OUTPUT=null` (libmpv, software render); "
           "mpv with `--vo=x11 --ao=null`; ffplay with `-an -sync video` (SDL, no sound decoded). "
           f"{args.runs} runs, interleaved player by player; CPU measured over {args.window:g} s of playback "
           "starting 1.5 s after the first frame (the run time of all the process's threads from "
           f"/proc/<pid>/task/*/schedstat), idle CPU over {args.idle_window:g} s.", "",
           "Windowed means a 320×240 video area, the size Quorvel's window takes after a load; full screen "
           "is Quorvel's own full-screen button (clicked with xdotool), mpv's `--fs` and ffplay's `-fs`. "
           "Frames dropped are counted within the measuring window, and apart those dropped before it "
           "(while starting and, for Quorvel, switching to full screen): Quorvel's and "
           "mpv's are libmpv's decoder and output drops, ffplay's its `fd=` counter. First frame, from the "
           f"windowed runs and {args.starts} more start-ups of each player per file: Quorvel "
           "and mpv report it themselves from the kernel's process start time (10 ms steps); ffplay's is "
           "when its first clocked status line was read (status lines come every 30 ms at most).", "",
           "## Machine", *machine(),
           f"- Load average before and after: {load_before[0]:.2f} / {load_after[0]:.2f} (the machine is shared)",
           "", "## Playback, start-up and idle", *table.lines(), ""]
    if table.errors:
        out += ["Runs that failed:", *[f"- {e}" for e in table.errors], ""]
    if "load" in extra:
        load = extra["load"]
        out += ["## Loading a new file while a video plays (GotADrop to its first frame)", ""]
        if isinstance(load, list):
            out.append(f"- {len(load)} loads: median {statistics.median(load):.0f} ms, min {min(load):.0f} ms, "
                       f"max {max(load):.0f} ms")
        else:
            out += ["Driver failed:", "```", load, "```"]
        out.append("")
    if "soak" in extra:
        soak = extra["soak"]
        out += [f"## {extra['soak_loads']} consecutive loads (soak driver, offscreen)", ""]
        if isinstance(soak, dict):
            for key, (before, after) in soak.items():
                unit = " kB" if key in ("rss", "anonymous") else ""
                out.append(f"- {key}: {before}{unit} before, {after}{unit} after, growth {after - before}{unit}")
            out.append(f"- soak checks {'passed' if extra['soak_passed'] else 'FAILED'}")
        else:
            out += ["Driver failed:", "```", soak, "```"]
        out.append("")
    out += ["## Targets", "", *targets.judge(table, extra), ""]
    # What the profiles of the missed targets showed is written by hand and kept with each result.
    profiles = os.path.join(os.path.dirname(os.path.abspath(__file__)), "PROFILES.md")
    if os.path.exists(profiles):
        with open(profiles) as f:
            out.append(f.read())
    return "\n".join(out)
