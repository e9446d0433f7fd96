#!/usr/bin/env bash
# Makes Quorvel's demo clip from ffmpeg's synthetic sources: 10 seconds of a test pattern with a
# moving clock, Sorenson H.263 video 320 x 240 at 25 frames a second, with MP3 sound.
set -eu
out=${1:-"$(dirname "$0")/demo.flv"}
ffmpeg -hide_banner -loglevel error -y \
  -f lavfi -i "testsrc2=size=320x240:rate=25:duration=10" \
  -f lavfi -i "sine=frequency=330:beep_factor=4:sample_rate=44100:duration=10" \
  -c:v flv1 -q:v 9 -g 50 -c:a libmp3lame -b:a 64k -ar 44100 -ac 1 \
  -metadata title="Quorvel démo" "$out"
