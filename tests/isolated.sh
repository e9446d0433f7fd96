#!/usr/bin/env bash
# Runs one test program in a scratch user profile that is removed afterwards.
set -u
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/tmp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch/home"
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
export XDG_CACHE_HOME="$scratch/cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
export TMPDIR="$scratch/tmp"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export QUORVEL_AUDIO_OUTPUT=null
export QUORVEL_TEST_SCRATCH="$scratch"
"$@"
