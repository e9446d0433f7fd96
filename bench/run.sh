#!/usr/bin/env bash
# Builds Quorvel and the benchmark's drivers, makes the bench media, starts Xvfb and measures
# Quorvel against mpv and ffplay; prints the table and writes bench/RESULTS.md.
#   bench/run.sh                 3 runs of everything, 1,000-load soak
#   BENCH_RUNS=1 BENCH_STARTS=1 BENCH_SOAK_LOADS=100 bench/run.sh    a quicker pass
# Needs: mpv, ffplay, ffmpeg, Xvfb, xdotool, xwininfo, python3 (scripts/install-deps.sh).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$root/build-bench}
display=${BENCH_DISPLAY:-:2}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON >/dev/null
cmake --build "$build" --target quorvel quorvel_load_latency tst_soak
"$root/bench/make-bench-media.sh" "$root/bench/media"
bash "$root/tests/media/make-media.sh" "$build/tests/media" >/dev/null

number=${display#:}
if [ -e "/tmp/.X$number-lock" ]; then
  echo "display $display is taken; set BENCH_DISPLAY to a free one below :10" >&2
  exit 1
fi
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done

python3 "$root/bench/bench.py" --quorvel "$build/quorvel" --media "$root/bench/media" --display "$display" \
  --runs "${BENCH_RUNS:-3}" --window "${BENCH_WINDOW:-10}" --idle-window "${BENCH_IDLE_WINDOW:-40}" --starts "${BENCH_STARTS:-4}" --load-driver "$build/bench/quorvel_load_latency" \
  --soak "$build/tests/soak/tst_soak" --test-media "$build/tests/media" --soak-loads "${BENCH_SOAK_LOADS:-1000}" --out "$root/bench/RESULTS.md"
