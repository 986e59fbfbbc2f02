#!/usr/bin/env bash
# What a fuzz target's corpus reaches: scripts/fuzz_coverage.sh TARGET
# Runs the committed seeds and the working corpus of scripts/fuzz.sh once and lists, for every
# function of our own sources, the edges reached out of its edges.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: $0 TARGET}
build=${FUZZ_BUILD:-build-fuzz}
work=$build/fuzz-corpus/$target
mkdir -p "$work"
"$build/fuzz/fuzz_$target" -runs=0 -print_coverage=1 "$work" "fuzz/corpus/$target" 2>&1 |
    sed -n 's/^\(UN\)\{0,1\}COVERED_FUNC: hits: [0-9]* edges: \([0-9]*\/[0-9]*\) \(.*\) \(\/[^ ]*\)$/\2 \3 \4/p' |
    grep -v -e '/usr/' -e '/fuzz/' | sed "s|$PWD/||" | sort -k3
