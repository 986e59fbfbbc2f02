#!/usr/bin/env bash
# Configures and builds the sanitizer tree: scripts/sanitizer_build.sh DIRECTORY [TARGET...]
# clang with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's coverage hooks; the
# normal build directory is not touched.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
shift
if [ ! -f "$build/CMakeCache.txt" ]; then
    # Light optimisation and line tables only: quick to build, and still every finding has its
    # source line.
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
        -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" -DSOLVANTRIX_FUZZ=ON
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
