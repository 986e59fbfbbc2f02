#!/usr/bin/env bash
# Frame rate of the real screen saver on every module:
#   tools/frame_rates.sh PROGRAM PRODUCT_DIR [SECONDS [WIDTHxHEIGHT]]
# Plays each module of PRODUCT_DIR's library alone, full screen on a private Xvfb of the given
# size (default 1280x720), with the frame delay at its default of 60, and counts the frames it
# shows after the first two seconds of SECONDS (default 12). Prints one line per module and
# the modules below 95% of the best rate seen. Fails when a module draws no frame.
set -euo pipefail
if [ "${1:-}" != --inside ]; then
    [ $# -ge 2 ] || { echo "usage: $0 PROGRAM PRODUCT_DIR [SECONDS [WIDTHxHEIGHT]]" >&2; exit 2; }
    here=$(cd "$(dirname "$0")" && pwd)
    exec "$here/../tests/e2e/with_xvfb.sh" "${4:-1280x720}x24" "$0" --inside "$(realpath "$1")" \
        "$(realpath "$2")" "${3:-12}"
fi
program=$2
product=$3
seconds=$4
here=$(cd "$(dirname "$0")" && pwd)

source "$here/saver_sandbox.sh"

# The counter reports the frames since the first every two seconds: the rate is taken between
# its first and its last report, past the module load and the first View's settling.
rate_of() {
    sed -n 's/^SWAPS \([0-9]*\) in \([0-9.]*\)s.*/\1 \2/p' "$1" |
        awk 'NR == 1 { f0 = $1; t0 = $2 } { f = $1; t = $2 }
             END { if (t > t0) printf "%.1f", (f - f0) / (t - t0); else print 0 }'
}

status=0
results=()
for file in "$product"/library/*.sv; do
    module=$(basename "$file")
    printf '[data]\npath=%s/\nmodule=%s\nmodsel=0\ntimer=1000\n[cycle]\n%s=1\n' \
        "$product" "$file" "$module" >"$settings"
    LD_PRELOAD=$swapcount "$program" /s 2>"$root/frames.log" &
    saver=$!
    sleep "$seconds"
    kill "$saver" 2>/dev/null || true
    wait "$saver" 2>/dev/null || true
    saver=""
    rate=$(rate_of "$root/frames.log")
    printf '%-24s %6s frames/s\n' "${module%.sv}" "$rate"
    results+=("${module%.sv} $rate")
    awk -v r="$rate" 'BEGIN { exit !(r > 0) }' || { echo "  no frame drawn"; status=1; }
done
printf '%s\n' "${results[@]}" | awk '
    { name[NR] = $1; rate[NR] = $2; if ($2 > best) best = $2 }
    END {
        for (i = 1; i <= NR; ++i) if (rate[i] < 0.95 * best) slow = slow " " name[i] "(" rate[i] ")"
        printf "best %.1f frames/s; below 95%% of it:%s\n", best, slow == "" ? " none" : slow
    }'
exit "$status"
