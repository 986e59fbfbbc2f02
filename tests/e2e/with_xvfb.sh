#!/usr/bin/env bash
# with_xvfb.sh SCREEN COMMAND...: runs COMMAND against a fresh Xvfb. The server picks a free
# display number itself and reports it once it listens, so no two servers race for one number;
# a server that then does not answer is replaced (a display just given up by the previous test
# can linger for a moment). Without -noreset the server starts over each time its last client
# leaves, and refuses the clients that come meanwhile.
set -euo pipefail
screen=$1
shift
work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; wait 2>/dev/null || true; rm -rf "$work"' EXIT

start_server() {
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>>"$work/xvfb.log" &
    xvfb=$!
    read -r display <"$work/display" || display=""
    rm -f "$work/display"
    [ -n "$display" ] || return 1
    export DISPLAY=:$display
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

for attempt in 1 2 3; do
    start_server && break
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=""
    [ "$attempt" -lt 3 ] || { echo "no X server answered"; cat "$work/xvfb.log"; exit 1; }
    sleep 1
done
status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "X server :$display (pid $xvfb):"; cat "$work/xvfb.log"
    ls -la /tmp/.X11-unix/ 2>&1 | head; ps -eo pid,args | grep -i [x]vfb
fi
exit "$status"
