#!/usr/bin/env bash
# Builds every fuzz target with clang and runs each on a copy of its seed corpus.
#   fuzz/run-all.sh BUILD_DIR SECONDS_PER_TARGET
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
seconds=${2:-20}
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEL_FUZZ=ON -DQUORVEL_TESTS=OFF >/dev/null
targets=()
for dir in "$root"/fuzz/*/; do
  [ -f "$dir/CMakeLists.txt" ] || continue
  targets+=("$(sed -n 's/^quorvel_fuzz(\([a-z_0-9]*\).*/\1/p' "$dir/CMakeLists.txt")")
done
cmake --build "$build" --target "${targets[@]}"
failed=0
for dir in "$root"/fuzz/*/; do
  [ -f "$dir/CMakeLists.txt" ] || continue
  name=$(sed -n 's/^quorvel_fuzz(\([a-z_0-9]*\).*/\1/p' "$dir/CMakeLists.txt")
  exe=$(find "$build" -type f -name "$name" -perm -u+x | head -n 1)
  work=$(mktemp -d)
  cp -r "$dir/corpus/." "$work/" 2>/dev/null || true
  if QT_QPA_PLATFORM=offscreen "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$work" \
       >"$work.log" 2>&1; then
    echo "fuzz $name: ok (${seconds}s)"
  else
    echo "fuzz $name: FAILED"; tail -n 40 "$work.log"; failed=1
  fi
  rm -rf "$work" "$work.log"
done
[ $failed -eq 0 ] && echo "fuzz: all targets clean"
exit $failed
