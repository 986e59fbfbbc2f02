#!/usr/bin/env bash
# Sets up a fresh Debian machine (needs sudo or root), builds the program and its setup
# program, and starts the editor playing the demo module.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target solvantrix product raftsetup
exec ./build/solvantrix "$@"
