#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and starts it on its bundled demo clip.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_TESTS=OFF >/dev/null
cmake --build "$root/build" --target quorvel
exec "$root/build/quorvel" "$root/resources/demo/demo.flv"
