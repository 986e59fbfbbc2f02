#!/usr/bin/env bash
# `solvantrix --wayland` on a headless sway with two outputs (one scaled): the starfield moves
# on both and on outputs that come and go while it runs, a key ends it with exit 0, SIGTERM
# ends it with exit 0, swayidle's timeout starts it, and it ends with exit 0 when the
# compositor goes away, leaving no work copy behind.
set -euo pipefail
program=$(realpath "$1") fixtures=$2
here=$(realpath "$(dirname "$0")")
source "$here/e2e_env.sh"
install_fixture "$fixtures"
source "$here/wayland_helpers.sh"
saver=""
idle=""
trap 'for p in $saver $idle ${sway:-}; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null; rm -rf "$root"' EXIT
fail() { echo "$1"; [ -f "$root/saver.log" ] && { echo "--- saver:"; cat "$root/saver.log"; }; exit 1; }

start_sway || exit 1
add_scaled_output
touch "$root/before"

start_saver() {
    $as_user "$program" --wayland > "$root/saver.log" 2>&1 &
    saver=$!
}
# ends_with_zero WHAT: the saver has ended within 5 s with exit code 0.
ends_with_zero() {
    wait_for_exit "$saver" 5 || fail "the saver still runs after $1"
    [ "$exit_code" -eq 0 ] || fail "the saver ended with $exit_code after $1"
    saver=""
}

start_saver
wait_for_starfield HEADLESS-1 || fail "no moving starfield on the first output"
starfield_on HEADLESS-2 || fail "no moving starfield on the scaled output"
press_key
ends_with_zero "a key"

# Outputs that come and go while it runs are followed.
start_saver
wait_for_starfield HEADLESS-1 || fail "no moving starfield after a restart"
$as_user swaymsg create_output >/dev/null
wait_for_starfield HEADLESS-3 || fail "no moving starfield on an output added while it runs"
$as_user swaymsg output HEADLESS-1 disable >/dev/null
sleep 0.5
kill -0 "$saver" 2>/dev/null || fail "the saver ended when an output went away"
starfield_on HEADLESS-2 || fail "the starfield stopped when an output went away"
$as_user swaymsg output HEADLESS-1 enable >/dev/null
wait_for_starfield HEADLESS-1 || fail "no moving starfield on an output that came back"
kill -TERM "$saver"
ends_with_zero "SIGTERM"

# The idle daemon starts the saver after a second without input; a key ends it (and the
# daemon would start a new one a second later).
$as_user swayidle -w timeout 1 "$program --wayland" > "$root/swayidle.log" 2>&1 &
idle=$!
started() { saver=$(pgrep -f -x "$program --wayland" -P "$(pgrep -P "$idle" | head -1)" 2>/dev/null | head -1) && [ -n "$saver" ]; }
wait_for started || wait_for started || fail "swayidle did not start the saver"
wait_for_starfield HEADLESS-1 || fail "no moving starfield from swayidle's saver"
press_key
for _ in $(seq 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
kill -0 "$saver" 2>/dev/null && fail "a key did not end swayidle's saver"
kill "$idle"
for _ in $(seq 30); do started && kill "$saver" 2>/dev/null; kill -0 "$idle" 2>/dev/null || break; sleep 0.1; done
idle=""
saver=""

start_saver
wait_for_starfield HEADLESS-1 || fail "no moving starfield before the compositor ends"
kill -TERM "$sway"
ends_with_zero "the compositor's end"

# Every run played from private work copies that went with it; the library stayed as it was.
[ -z "$(ls -A "$XDG_RUNTIME_DIR/solvantrix" 2>/dev/null)" ] ||
    fail "work copies were left behind: $(ls -A "$XDG_RUNTIME_DIR/solvantrix")"
[ -z "$(find "$root/install" -newer "$root/before")" ] ||
    fail "the runs wrote into the library: $(find "$root/install" -newer "$root/before")"
echo ok
