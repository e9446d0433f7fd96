#!/usr/bin/env bash
# Makes the clips the benchmark plays: 30 frames a second, 24 s each, so that a measuring window
# of a dozen seconds never reaches the end. Idempotent per output folder.
set -eu
out=$1
seconds=${BENCH_MEDIA_SECONDS:-24}
mkdir -p "$out"
cd "$out"
ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }
video() { echo "-f lavfi -i testsrc2=size=$1:rate=30:duration=$seconds"; }
audio() { echo "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=$seconds"; }

# shellcheck disable=SC2046
[ -s h263_320x240.flv ] || ff $(video 320x240) $(audio) -c:v flv1 -q:v 4 -g 60 \
  -c:a libmp3lame -b:a 64k -ar 44100 h263_320x240.flv
for size in 640x360 1280x720 1920x1080; do
  # shellcheck disable=SC2046
  [ -s "h264_$size.flv" ] || ff $(video "$size") $(audio) -c:v libx264 -preset veryfast -pix_fmt yuv420p \
    -g 60 -c:a aac -b:a 96k "h264_$size.flv"
done
echo "bench media ready in $out"
