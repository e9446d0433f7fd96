#!/usr/bin/env bash
# Rewrites the reference pictures of tst_desktop_look (tests/desktop/look/) from what the program
# shows now, in the test's own desktop session. A changed reference is looked at, by eye, before it
# is committed: this lists them. Usage: tests/desktop/regenerate-look.sh [build folder]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-test}
cmake --build "$build" --target quorvel tst_desktop_look
QUORVEL_LOOK_REGENERATE=1 ctest --test-dir "$build" -R '^tst_desktop_look$' --output-on-failure
git -C "$root" status --short -- tests/desktop/look
