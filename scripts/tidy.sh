#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over the program's own sources, two at a time; any finding fails.
# Tests, fuzz targets, benchmarks and generated code are left out: the checks are for the program.
#   scripts/tidy.sh BUILD_DIR    a configured build folder (its compile_commands.json)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed (scripts/install-deps.sh)" >&2; exit 1; }
mapfile -t files < <(python3 - "$root" "$build/compile_commands.json" <<'PY'
import json, re, sys
root, database = sys.argv[1], sys.argv[2]
program = re.compile(re.escape(root) + r"/((about|frame|intake|logging|mpris|platform|player|resources|runtime|shell)/.*|main)\.cpp$")
for file in sorted({entry["file"] for entry in json.load(open(database))}):
    if program.match(file):
        print(file)
PY
)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${files[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet >"$log" 2>&1 || status=$?
grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Error while processing' "$log" || true
[ "$status" -eq 0 ] && echo "clang-tidy: ${#files[@]} files, no finding"
exit "$status"
