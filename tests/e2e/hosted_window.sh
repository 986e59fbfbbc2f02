#!/usr/bin/env bash
# The program inside windows a screen-saver host made: it draws into them with no window of
# its own, follows their size, runs one copy per window, ends with exit code 0 on SIGTERM,
# SIGINT or the window's destruction, and refuses with one line a window id it cannot use or a
# display without OpenGL.
set -euo pipefail
program=$(realpath "$1") host_window=$(realpath "$2") fixtures=$3
here=$(realpath "$(dirname "$0")")
source "$here/e2e_env.sh"
install_fixture "$fixtures"

"$here/with_xvfb.sh" 1024x768x24 bash -s "$program" "$host_window" "$here" "$settings" <<'SCRIPT'
set -euo pipefail
program=$1 host_window=$2 here=$3 settings=$4
source "$here/x_helpers.sh"
unset XSCREENSAVER_WINDOW
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

# bright X Y W H: the rectangle of the screen shows more than black.
bright() {
    read -r r g b <<< "$(mean_rgb "$@")"
    awk -v s="$r $g $b" 'BEGIN{split(s,c," "); exit !(c[1]+c[2]+c[3] > 0.3)}'
}
# moving X Y W H: the rectangle of the screen changes from one moment to the next.
moving() {
    import -window root -crop "$3x$4+$1+$2" +repage before.png
    sleep 0.3
    import -window root -crop "$3x$4+$1+$2" +repage after.png
    local differing
    differing=$(compare -metric AE before.png after.png null: 2>&1 >/dev/null || true)
    [ "${differing%% *}" != 0 ]
}
top_level_windows() { xwininfo -root -children | grep -c '^ *0x'; }
# ends_cleanly PID SIGNAL: the signal ends the program at once with exit code 0.
ends_cleanly() {
    kill -"$2" "$1"
    wait_for_exit "$1" 1 || { echo "SIG$2 did not end $1 within a second"; return 1; }
    [ "$exit_code" -eq 0 ] || { echo "SIG$2 gave exit code $exit_code"; return 1; }
}

# One copy per window, both drawing at once; neither makes a window of its own.
first=$("$host_window" create 0 0 320 240)
second=$("$host_window" create 600 0 200 150)
windows_before=$(top_level_windows)
start_until 'bright 0 0 320 240' "$program" -window-id "$first" ||
    { echo "nothing drawn in the first window"; exit 1; }
copy1=$started
start_until 'bright 600 0 200 150' "$program" --window-id="$second" ||
    { echo "nothing drawn in the second window"; exit 1; }
copy2=$started
bright 0 0 320 240 || { echo "the first copy stopped drawing beside the second"; exit 1; }
[ "$(top_level_windows)" -eq "$windows_before" ] || { echo "a copy made a window of its own"; exit 1; }

# The drawing follows the host's window when it grows.
"$host_window" resize "$first" 560 420
wait_for 'bright 330 250 230 170' || { echo "the drawing did not follow the resize"; exit 1; }

ends_cleanly "$copy1" TERM
ends_cleanly "$copy2" INT
ls -a "$(dirname "$settings")" | grep -q '\.tmp-' && { echo "a settings write was cut short"; exit 1; }
"$host_window" destroy "$first"
"$host_window" destroy "$second"

# XSCREENSAVER_WINDOW with -root; the window's destruction ends the run.
third=$("$host_window" create 100 400 300 200)
XSCREENSAVER_WINDOW=$((third)) start_until 'bright 100 400 300 200' "$program" -root ||
    { echo "nothing drawn in XSCREENSAVER_WINDOW"; exit 1; }
copy3=$started
"$host_window" destroy "$third"
wait_for_exit "$copy3" 2 || { echo "the window's destruction did not end the run"; exit 1; }
[ "$exit_code" -eq 0 ] || { echo "exit code $exit_code after the window's destruction"; exit 1; }

# -root without the variable draws on the root window.
moving 0 0 1024 768 && { echo "the screen moves before the root test"; exit 1; }
start_until 'moving 0 0 1024 768' "$program" -root || { echo "nothing drawn on the root window"; exit 1; }
ends_cleanly "$started" TERM

# A window the program cannot draw into: non-zero exit and one line on standard error.
# refused VARIABLE=VALUE ARGUMENTS...
refused() {
    set +e
    env "$1" timeout 10 "$program" "${@:2}" 2> refused.txt
    local status=$?
    set -e
    [ "$status" -ne 0 ] && [ "$status" -ne 124 ] || { echo "$*: exit code $status"; return 1; }
    [ "$(wc -l < refused.txt)" -eq 1 ] && grep -q '^solvantrix: ' refused.txt ||
        { echo "$* said:"; cat refused.txt; return 1; }
}
refused XSCREENSAVER_WINDOW=0x -root
refused XSCREENSAVER_WINDOW= -window-id 0x7ffff00
refused XSCREENSAVER_WINDOW= -window-id junk
refused DISPLAY=:65000 -window-id 1
echo ok
SCRIPT

# A display without OpenGL: the same refusal.
"$here/with_xvfb.sh" 640x480x8 bash -s "$program" "$root/refused.txt" <<'SCRIPT'
set -uo pipefail
"$1" -root 2> "$2"
status=$?
[ "$status" -ne 0 ] || { echo "no GL, yet exit code 0"; exit 1; }
[ "$(wc -l < "$2")" -eq 1 ] && grep -q '^solvantrix: .*OpenGL' "$2" ||
    { echo "without GL it said:"; cat "$2"; exit 1; }
echo ok
SCRIPT
