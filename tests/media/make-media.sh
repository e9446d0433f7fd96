#!/usr/bin/env bash
# Makes the media the tests play, from ffmpeg's synthetic sources. Idempotent per output folder.
set -eu
out=$1
mkdir -p "$out"
cd "$out"
ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }
video() { echo "-f lavfi -i testsrc2=size=$1:rate=${3:-25}:duration=$2"; }
audio() { echo "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=$1"; }

# shellcheck disable=SC2046
[ -s h263_mp3.flv ] || ff $(video 320x240 3) $(audio 3) -c:v flv1 -q:v 4 -c:a libmp3lame -b:a 64k -ar 44100 h263_mp3.flv
# shellcheck disable=SC2046
[ -s h264_aac.flv ] || ff $(video 640x360 3) $(audio 3) -c:v libx264 -preset veryfast -pix_fmt yuv420p -g 25 -c:a aac -b:a 64k h264_aac.flv
# shellcheck disable=SC2046
[ -s audio_only.flv ] || ff $(audio 3) -c:a libmp3lame -b:a 64k -ar 44100 audio_only.flv
# shellcheck disable=SC2046
[ -s audio_only_long.flv ] || ff $(audio 30) -c:a libmp3lame -b:a 32k -ar 22050 audio_only_long.flv
# shellcheck disable=SC2046
[ -s video_only.flv ] || ff $(video 320x240 3) -an -c:v flv1 video_only.flv
# shellcheck disable=SC2046
[ -s long.flv ] || ff $(video 320x240 30) $(audio 30) -c:v flv1 -q:v 8 -c:a libmp3lame -b:a 32k -ar 22050 long.flv
# The MP4 family Flash Player 9 and later played: the same H.264 and AAC, another container.
[ -s h264_aac.mp4 ] || ff -i h264_aac.flv -c copy h264_aac.mp4
[ -s h264_aac.f4v ] || ff -i h264_aac.flv -c copy -f mp4 h264_aac.f4v
# nginx-rtmp seeks in a served .flv only by the keyframe index of its metadata.
[ -s long_indexed.flv ] || ff -i long.flv -c copy -flvflags add_keyframe_index long_indexed.flv
[ -s audio.mp3 ] || ff $(audio 3) -c:a libmp3lame -b:a 64k audio.mp3
[ -e zero.flv ] || : > zero.flv
[ -s truncated.flv ] || head -c 6000 h263_mp3.flv > truncated.flv
[ -s text.flv ] || echo "ceci n'est pas une vidéo" > text.flv
# shellcheck disable=SC2046
[ -s keyframes.flv ] || ff $(video 320x240 4) -an -c:v flv1 -g 25 -flvflags add_keyframe_index keyframes.flv
# shellcheck disable=SC2046
[ -s short.flv ] || ff $(video 320x240 1) $(audio 1) -c:v flv1 -q:v 6 -g 10 -c:a libmp3lame -b:a 32k -ar 22050 -flvflags add_keyframe_index short.flv
# One colour throughout, to read back from a screen.
[ -s solid.flv ] || ff -f lavfi -i "color=c=0x2050C0:size=320x240:rate=25:duration=30" -c:v flv1 -q:v 2 solid.flv
echo "test media ready in $out"
