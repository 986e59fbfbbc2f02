#!/usr/bin/env bash
# with_xvfb.sh SCREEN COMMAND...: runs COMMAND against a fresh Xvfb. The server picks a free
# display number itself and reports it once it accepts clients, so no two servers race for
# one number and no client connects too early.
set -euo pipefail
screen=$1
shift
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r display <"$fifo"
export DISPLAY=:$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$@"
