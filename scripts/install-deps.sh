#!/usr/bin/env bash
# Installs the Debian 12 packages Quorvel needs to build, run and test; does nothing when all are present.
set -eu
packages=(
  build-essential cmake ninja-build pkg-config ccache git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev qt6-translations-l10n
  libmpv-dev zlib1g-dev
  ffmpeg mpv
  xvfb xauth x11-utils imagemagick xdotool
  fonts-comic-neue fonts-dejavu-core fonts-urw-base35
  xdg-utils file desktop-file-utils shared-mime-info appstream
  clang clang-tidy clang-format libclang-rt-14-dev libbenchmark-dev
  openbox weston qt6-wayland xwayland pulseaudio pulseaudio-utils sox
  nginx-light libnginx-mod-rtmp
  dbus playerctl
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "quorvel: missing packages: ${missing[*]} (run this script as root)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
