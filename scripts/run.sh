#!/usr/bin/env bash
# Sets up a fresh Debian machine (needs sudo or root), builds, and starts the screen saver
# in interactive mode.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    g++ cmake make pkg-config \
    libfltk1.3-dev libgl1-mesa-dev libglu1-mesa-dev libegl-dev libegl-mesa0 \
    libgl1-mesa-dri libsdl2-dev libgtest-dev libbenchmark-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target solvantrix product
exec ./build/solvantrix "$@"
