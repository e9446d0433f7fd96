#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it (.clang-format),
# and names the files.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/install-deps.sh)" >&2; exit 1; }
mapfile -t files < <(find . -path './build*' -prune -o -path './.git' -prune -o \
                          \( -name '*.cpp' -o -name '*.h' \) -print | sort)
differing=$(clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: .*clang-format-violations.*/\1/p' | sort -u)
if [ -n "$differing" ]; then
  echo "$differing" >&2
  echo "these files differ from .clang-format: clang-format -i them" >&2
  exit 1
fi
echo "${#files[@]} files formatted"
