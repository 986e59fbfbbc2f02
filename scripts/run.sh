#!/usr/bin/env bash
# Sets up a fresh Debian machine (needs sudo or root), builds, and starts the editor playing
# the demo module.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target solvantrix product
exec ./build/solvantrix "$@"
