#!/usr/bin/env bash
# The sanitizer pass: builds the clang tree with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-fuzz, or $FUZZ_BUILD), runs the logic and program tests in it, then every fuzz target
# over its committed corpus plus $FUZZ_RUNS (default 10000) new inputs, at most $FUZZ_SECONDS
# (default 60) each, so the pass stays bounded on a slow machine. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD:-build-fuzz}
runs=${FUZZ_RUNS:-10000}
seconds=${FUZZ_SECONDS:-60}
layers=(platform model engine shell setup)
targets=()
for layer in "${layers[@]}"; do targets+=("${layer}_tests"); done
scripts/sanitizer_build.sh "$build" "${targets[@]}" fuzz_targets

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Leaks inside the system's GL and X libraries are theirs, not ours.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0}
for layer in "${layers[@]}"; do
    echo "== ${layer}_tests under ASan+UBSan"
    "$build/tests/${layer}_tests" --gtest_brief=1
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for source in fuzz/*.cpp; do
    target=$(basename "$source" .cpp)
    if [ ! -x "$build/fuzz/fuzz_$target" ]; then
        echo "== fuzz_$target: its reader is not in this tree yet"
        continue
    fi
    echo "== fuzz_$target: corpus and $runs runs (at most $seconds s)"
    mkdir -p "$scratch/$target"
    options=(-runs="$runs" -max_total_time="$seconds" -artifact_prefix="$scratch/" -print_final_stats=0)
    [ -f "fuzz/dict/$target.dict" ] && options+=("-dict=fuzz/dict/$target.dict")
    if ! "$build/fuzz/fuzz_$target" "${options[@]}" "$scratch/$target" "fuzz/corpus/$target" \
        >"$scratch/$target.log" 2>&1; then
        tail -60 "$scratch/$target.log"
        echo "fuzz_$target found a fault; the input is above"
        exit 1
    fi
    grep -E '^#[0-9]+ +DONE' "$scratch/$target.log" || tail -2 "$scratch/$target.log"
done
