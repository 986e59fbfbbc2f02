#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, unless they are
# all there already (with sudo unless run as root). With --list it only names them.
set -euo pipefail
packages=(g++ cmake make pkg-config
          libfltk1.3-dev libgl1-mesa-dev libglu1-mesa-dev libegl-dev libegl-mesa0
          libgl1-mesa-dri libsdl2-dev libgtest-dev libbenchmark-dev
          libxrandr-dev xdg-utils xvfb xauth x11-utils xdotool imagemagick xscreensaver xscreensaver-gl
          xsecurelock desktop-file-utils openbox i3-wm
          dpkg-dev libxml2-utils man-db lintian mate-screensaver dbus-x11
          libwayland-dev wayland-protocols sway swayidle grim wtype
          clang-14 libclang-rt-14-dev llvm-14)
if [ "${1:-}" = --list ]; then
    echo "${packages[@]}"
    exit 0
fi
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
