#!/usr/bin/env bash
# Fuzzes one reader: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
# TARGET is a file name of fuzz/ without ".cpp". Builds the sanitizer tree (build-fuzz, or
# $FUZZ_BUILD) when needed. Inputs it finds new coverage with go to a working corpus in that
# tree, beside the committed seeds; a crashing input is written to findings/TARGET/ there and
# the script fails. Add the input to fuzz/corpus/TARGET/ once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
    echo "usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
    echo "targets: $(cd fuzz && ls -- *.cpp | sed 's/\.cpp$//' | tr '\n' ' ')" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
[ -f "fuzz/$target.cpp" ] || { echo "no fuzz target $target" >&2; exit 2; }
build=${FUZZ_BUILD:-build-fuzz}
scripts/sanitizer_build.sh "$build" "fuzz_$target" >/dev/null

work=$build/fuzz-corpus/$target
findings=$build/findings/$target
mkdir -p "$work" "$findings"
options=()
[ -f "fuzz/dict/$target.dict" ] && options+=("-dict=fuzz/dict/$target.dict")
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "${options[@]}" "$@" "$work" "fuzz/corpus/$target"
