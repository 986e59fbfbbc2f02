#!/usr/bin/env bash
# Sets up a fresh Debian machine if needed, builds everything and runs every test (the
# end-to-end ones under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
