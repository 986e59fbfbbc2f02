#!/usr/bin/env bash
# Builds the Debian package build/solvantrix_<version>-1_<arch>.deb: only the program, its
# product tree and the packaging files are built (in the same build directory as the tests),
# then CPack installs them into its staging tree, computes the dependencies from the binary
# and writes the package, which lintian then checks.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
# A package installs under /usr, where the screen-saver hosts look; the build type of an
# existing build directory is kept.
build_type=()
[ -f build/CMakeCache.txt ] || build_type=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
cmake -S . -B build "${build_type[@]}" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build -j"$(nproc)" --target solvantrix product packaging_files
(cd build && cpack -G DEB -B package >/dev/null)
mv build/package/solvantrix_*.deb build/
rm -rf build/package
deb=$(ls build/solvantrix_*.deb)
echo "$deb"
# Debian's own checks: any error fails the build of the package.
if command -v lintian >/dev/null; then
    status=0
    report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
    grep -v 'running with root privileges' <<< "$report" || true
    exit "$status"
fi
