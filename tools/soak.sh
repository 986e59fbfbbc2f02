#!/usr/bin/env bash
# Soak run of the real screen saver: tools/soak.sh PROGRAM PRODUCT_DIR SECONDS
# Plays every module of PRODUCT_DIR's library full screen under a private Xvfb, the module
# timer at its minimum, for SECONDS. Prints once a minute the resident memory, the frame rate
# of that minute and the modules shown so far; at the end the resident memory at the start,
# its peak over the first whole cycle through the library, and at the end. Fails when the
# program ends, stops drawing or stops changing modules, or when its resident memory at the
# end exceeds the first cycle's peak (checked only when a cycle was completed).
set -euo pipefail
if [ "${1:-}" != --inside ]; then
    [ $# -eq 3 ] || { echo "usage: $0 PROGRAM PRODUCT_DIR SECONDS" >&2; exit 2; }
    here=$(cd "$(dirname "$0")" && pwd)
    exec "$here/../tests/e2e/with_xvfb.sh" 800x600x24 "$0" --inside "$(realpath "$1")" \
        "$(realpath "$2")" "$3"
fi
program=$2
product=$3
seconds=$4
here=$(cd "$(dirname "$0")" && pwd)

source "$here/saver_sandbox.sh"

modules=()
for file in "$product"/library/*.sv; do modules+=("$(basename "$file")"); done
count=${#modules[@]}
[ "$count" -gt 0 ] || { echo "no modules in $product/library"; exit 1; }
{
    printf '[data]\npath=%s/\nmodule=%s/library/%s\nmodsel=0\ntimer=1\n[cycle]\n' \
        "$product" "$product" "${modules[0]}"
    for module in "${modules[@]}"; do printf '%s=1\n' "$module"; done
} >"$settings"

LD_PRELOAD=$swapcount "$program" /s 2>"$root/frames.log" &
saver=$!

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$saver/status" 2>/dev/null || echo 0; }
# The frames drawn so far and the seconds since the first, from the counter's last report.
frames_now() { sed -n 's/^SWAPS \([0-9]*\) in \([0-9.]*\)s.*/\1 \2/p' "$root/frames.log" | tail -1; }
current_module() { sed -n 's/^module=.*\///p' "$settings" 2>/dev/null | tr -d '\r' | head -1; }

sleep 5
kill -0 "$saver" 2>/dev/null || { echo "the screen saver ended at start"; cat "$root/frames.log"; exit 1; }
start_rss=$(rss_kb)
first_cycle_rss=""
peak_rss=$start_rss
floor_rss=""
changes=0
shown=$(current_module)
last_frames=0
last_time=0
status=0
echo "start: resident ${start_rss} kB, $count modules, timer 1"
elapsed=0
while [ "$elapsed" -lt "$seconds" ]; do
    for _ in $(seq 60); do
        [ "$elapsed" -lt "$seconds" ] || break
        sleep 1
        elapsed=$((elapsed + 1))
        kill -0 "$saver" 2>/dev/null || { echo "the screen saver ended after ${elapsed} s"; exit 1; }
        rss=$(rss_kb)
        if [ -z "$first_cycle_rss" ]; then
            [ "$rss" -le "$peak_rss" ] || peak_rss=$rss
        fi
        if [ "$((seconds - elapsed))" -lt 60 ] && { [ -z "$floor_rss" ] || [ "$rss" -lt "$floor_rss" ]; }; then
            floor_rss=$rss
        fi
        module=$(current_module)
        if [ -n "$module" ] && [ "$module" != "$shown" ]; then
            changes=$((changes + 1))
            shown=$module
            if [ -z "$first_cycle_rss" ] && [ "$changes" -ge "$count" ]; then
                first_cycle_rss=$peak_rss
                echo "first cycle through the library done after ${elapsed} s: peak resident ${first_cycle_rss} kB"
            fi
        fi
    done
    read -r frames time <<<"$(frames_now)" || true
    frames=${frames:-0}
    time=${time:-0}
    rate=$(awk -v f=$((frames - last_frames)) -v t="$time" -v l="$last_time" \
        'BEGIN { printf "%.1f", (t > l) ? f / (t - l) : 0 }')
    echo "minute $(((elapsed + 59) / 60)): resident $(rss_kb) kB, ${rate} frames/s, $changes module changes"
    [ "$frames" -gt "$last_frames" ] || { echo "no frame drawn in the last minute"; status=1; }
    last_frames=$frames
    last_time=$time
done
end_rss=$(rss_kb)
echo "end: resident ${end_rss} kB, lowest of the last minute ${floor_rss} kB (start ${start_rss} kB, first cycle's peak ${first_cycle_rss:-not reached}), $changes module changes"
[ "$changes" -gt 0 ] || { echo "the modules never changed"; status=1; }
if [ -n "$first_cycle_rss" ] && [ "$floor_rss" -gt "$first_cycle_rss" ]; then
    echo "resident memory grew past the first cycle's peak"
    status=1
fi
exit "$status"
