#!/usr/bin/env bash
# Installs the Debian packages the classroom needs to build, run and test; only what is missing.
set -euo pipefail
packages=(
  build-essential cmake ccache pkg-config libgtest-dev
  qt6-base-dev qt6-svg-dev libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont libsndfile1-dev
  flite sox fonts-liberation python3-pocketsphinx pocketsphinx-en-us
  xvfb xauth xdotool x11-utils openbox
  dbus-daemon dbus-bin at-spi2-core gir1.2-atspi-2.0 python3-gi imagemagick
  cups printer-driver-cups-pdf poppler-utils
  qt6-wayland qt6-base-private-dev libwayland-dev wayland-protocols
  lintian desktop-file-utils appstream man-db
  # the real desktops the escape tests start headless, their key injectors and screenshot tools, and
  # cage for the child login session
  sway xwayland wtype grim gnome-shell gnome-screenshot python3-dbus kwin-x11 kwin-wayland icewm cage
  x11-xserver-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
