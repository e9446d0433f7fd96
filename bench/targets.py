"""Quorvel's targets, each judged from the benchmark's figures: a line per target saying met or
missed, with the figures it was judged on."""

import statistics

LOAD_LIMIT_MS = 150
PAUSED_LIMIT = 0.5  # % of one core
EMPTY_LIMIT = 0.2
MEMORY_MARGIN_MB = 40
GROWTH_LIMIT_KB = 10 * 1024
NO_DROPS_AT = ("h264_1280x720.flv", "h264_1920x1080.flv")


def _median(values, player):
    v = values.get(player)
    return statistics.median(v) if v else None


def _against_mpv(table, measure, ok, fmt):
    """Every row of the measure that both Quorvel and mpv have, judged by ok(own, mpv)."""
    met, details = True, []
    for (m, label), values in table.rows.items():
        own, mpv = _median(values, "quorvel"), _median(values, "mpv")
        if m != measure or own is None or mpv is None:
            continue
        good = ok(own, mpv)
        met &= good
        details.append(f"{label}: {fmt.format(own)} vs mpv {fmt.format(mpv)}{'' if good else ' (missed)'}")
    return met and bool(details), details


def _no_drops(table):
    met, details = True, []
    for (m, label), values in table.rows.items():
        if m != "dropped" or "full screen" not in label or label.split()[0] not in NO_DROPS_AT:
            continue
        worst = max(values.get("quorvel", [1]))
        met &= worst == 0
        before = max(table.rows.get(("dropped before", label), {}).get("quorvel", [0]))
        details.append(f"{label}: at most {worst:.0f} dropped in a run while playing at that size "
                       f"({before:.0f} at most at the switch to it)")
    return met and bool(details), details


def _load(extra):
    load = extra.get("load")
    if not isinstance(load, list) or not load:
        return False, ["no figures"]
    median = statistics.median(load)
    return median < LOAD_LIMIT_MS, [f"median {median:.0f} ms over {len(load)} loads, max {max(load):.0f} ms"]


def _share(table, label, limit):
    own = _median(table.rows.get(("share", label), {}), "quorvel")
    return own is not None and own < limit, [f"{own:.2f} %" if own is not None else "no figures"]


def _soak(extra):
    soak = extra.get("soak")
    if not isinstance(soak, dict) or "rss" not in soak:
        return False, ["no figures"]
    growth = soak["rss"][1] - soak["rss"][0]
    leaked = [k for k in ("threads", "fds") if k in soak and soak[k][1] > soak[k][0]]
    return (growth < GROWTH_LIMIT_KB and not leaked and extra.get("soak_passed", False),
            [f"{growth} kB growth; threads {soak.get('threads')}, fds {soak.get('fds')} (before, after)"])


def judge(table, extra):
    """The targets section's lines."""
    checks = [
        ("playback CPU per second of media at most mpv's, every file and size",
         _against_mpv(table, "cpu", lambda own, mpv: own <= mpv, "{:.3f}")),
        ("no dropped frames at 1280×720 and 1920×1080 full screen", _no_drops(table)),
        ("first frame of a command-line file no later than mpv's",
         _against_mpv(table, "first", lambda own, mpv: own <= mpv, "{:.0f} ms")),
        (f"a new file's first frame under {LOAD_LIMIT_MS} ms after GotADrop", _load(extra)),
        (f"under {PAUSED_LIMIT} % of one core paused", _share(table, "paused on h264_1280x720.flv", PAUSED_LIMIT)),
        (f"under {EMPTY_LIMIT} % of one core with nothing loaded", _share(table, "nothing loaded", EMPTY_LIMIT)),
        (f"peak memory at most mpv's plus {MEMORY_MARGIN_MB} MB",
         _against_mpv(table, "hwm", lambda own, mpv: own <= mpv + MEMORY_MARGIN_MB, "{:.0f} MB")),
        (f"under 10 MB growth over {extra.get('soak_loads', 'the soak')} loads, no thread or file-descriptor leak",
         _soak(extra)),
    ]
    lines = []
    for what, (met, details) in checks:
        lines.append(f"- {'met' if met else 'MISSED'}: {what}")
        lines.extend(f"  - {d}" for d in details)
    return lines
