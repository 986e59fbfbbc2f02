#!/usr/bin/env bash
# `solvantrix --wayland-background` as a locker hosts it: its connection in WAYLAND_SOCKET
# with no WAYLAND_DISPLAY, handed over by a stand-in host that passes the protocol on to a
# headless sway. It draws the starfield on every output, ignores keys, and exits 0 when the host
# closes the connection. Without a Wayland display, layer-shell or EGL both modes say so on one
# line and exit 1.
set -euo pipefail
program=$(realpath "$1") fixtures=$2 socket_host=$(realpath "$3")
here=$(realpath "$(dirname "$0")")
source "$here/e2e_env.sh"
install_fixture "$fixtures"
source "$here/wayland_helpers.sh"
host=""
trap 'for p in $host ${sway:-}; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null; rm -rf "$root"' EXIT
fail() { echo "$1"; [ -f "$root/background.log" ] && { echo "--- background:"; cat "$root/background.log"; }; exit 1; }

# refused WHAT PATTERN COMMAND...: the command ends with exit 1 and one line on standard
# error that matches the pattern.
refused() {
    local what=$1 pattern=$2 message code
    shift 2
    set +e
    message=$("$@" 2>&1 >/dev/null)
    code=$?
    set -e
    [ "$code" -eq 1 ] || fail "$what: ended with $code"
    [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] && [[ $message == solvantrix:*$pattern* ]] ||
        fail "$what: did not say why on one line: $message"
}

start_sway || exit 1
compositor=$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY
for mode in --wayland --wayland-background; do
    refused "$mode without a display" "connect" env -u WAYLAND_DISPLAY -u WAYLAND_SOCKET \
        XDG_RUNTIME_DIR="$root/none" "$program" "$mode"
    # As on GNOME, which has no layer-shell.
    refused "$mode without layer-shell" "layer-shell" \
        $as_user "$socket_host" --hide zwlr_layer_shell_v1 "$compositor" "$program" "$mode"
    # Mesa's software EGL draws into shared memory; without it there is no EGL.
    refused "$mode without EGL" "EGL" \
        $as_user "$socket_host" --hide wl_shm "$compositor" "$program" "$mode"
done

add_scaled_output
$as_user "$socket_host" "$compositor" "$program" --wayland-background > "$root/background.log" 2>&1 &
host=$!
wait_for_starfield HEADLESS-1 || fail "no moving starfield on the first output"
starfield_on HEADLESS-2 || fail "no moving starfield on the scaled output"
press_key
sleep 0.5
kill -0 "$host" 2>/dev/null || fail "the background ended on a key"
starfield_on HEADLESS-1 || fail "the starfield stopped after a key"

# The host closes the connection and reports the program's exit code.
kill -TERM "$host"
wait_for_exit "$host" 8 || fail "the host did not end"
host=""
[ "$exit_code" -eq 0 ] || fail "the background ended with $exit_code when its connection closed"
echo ok
