#!/usr/bin/env bash
# Installs what is missing, builds Quorvel with warnings as errors and runs the whole test suite
# headless (the tree's formatting and include boundaries among it); then checks that every header
# stands alone, runs clang-tidy over the program's sources, the same suite under AddressSanitizer
# (with leak detection) and UndefinedBehaviorSanitizer, and each fuzz target briefly on its seed
# corpus.
#   scripts/test.sh            everything
#   scripts/test.sh --quick    the plain build and its tests only
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
quick=false
[ "${1:-}" = "--quick" ] && quick=true
"$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen

build_and_test() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja -DQUORVEL_WERROR=ON "$@" >/dev/null
  cmake --build "$dir"
  ctest --test-dir "$dir" -j2 --output-on-failure --timeout 600
}

build_and_test "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
$quick && exit 0

# Every header compiled on its own, so none leans on what its includers happen to include.
cmake --build "$root/build-test" --target quorvel_header_check

"$root/scripts/tidy.sh" "$root/build-test"

# Leak detection is on; the few leaks accepted, all inside system libraries, are named with their
# reason in tests/lsan.supp.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$root/tests/lsan.supp":print_suppressions=0 \
  build_and_test "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON

"$root/fuzz/run-all.sh" "$root/build-fuzz" 20
