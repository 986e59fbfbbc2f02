#!/usr/bin/env bash
# The real setup program under Xvfb, clicked through with the mouse: a copy of raftsetup alone
# in an empty directory installs everything, the launcher's command plays Anti-Light-4 from
# the installed library, a second start removes it all, and the installed remover removes a
# second install. SCREENSHOTS=DIR keeps a picture of every dialog state there.
set -euo pipefail
setup=$1
here=$(dirname "$0")
source "$here/e2e_env.sh"
export HOME=$root/home SCREENSHOTS=${SCREENSHOTS:-}
mkdir -p "$HOME" "$root/alone"
cp "$setup" "$root/alone/raftsetup"

"$here/with_xvfb.sh" 1024x768x24 bash -s "$root/alone/raftsetup" "$here" "$settings" <<'SCRIPT'
set -euo pipefail
setup=$1 here=$2 settings=$3
source "$here/x_helpers.sh"
dir=$XDG_DATA_HOME/Solvantrix\ Screen\ Saver
program=$HOME/.local/bin/solvantrix
launcher=$XDG_DATA_HOME/applications/solvantrix.desktop

shot() { [ -z "$SCREENSHOTS" ] || import -window root "$SCREENSHOTS/$1.png"; }
# click X Y: a point of the dialog, in dialog units (1.75 pixels across, 2 down).
click() {
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + $1 * 7 / 4)) $((Y + $2 * 2)) click 1
    sleep 0.5
}
click_continue() { click 197 159; }
open_dialog() {
    start_until '[ -n "$(window_named "Solvantrix Setup")" ]' \
        "$@" || { echo "no setup dialog from $*"; exit 1; }
    running=$started
    dialog=$(window_named "Solvantrix Setup")
    sleep 0.5
}
finish() {
    wait_for_exit "$running" 20 || { echo "OK did not end the setup"; exit 1; }
    [ "$exit_code" -eq 0 ] || { echo "the setup ended with $exit_code"; exit 1; }
}
install() {
    open_dialog "$setup"
    shot "$1-welcome"
    click_continue
    shot "$1-confirm"
    click_continue
    sleep 1.5
    shot "$1-unpacking"
    wait_for 'grep -q "^modsel=0" "$settings" 2>/dev/null' ||
        { echo "no settings after the install"; exit 1; }
    sleep 0.5
    shot "$1-done"
    click_continue
    finish
}
remove() {
    open_dialog "$2"
    shot "$1-remove-welcome"
    click_continue
    shot "$1-remove-confirm"
    click_continue
    wait_for '[ ! -e "$settings" ]' || { echo "settings left after the removal"; exit 1; }
    sleep 0.5
    shot "$1-remove-done"
    click_continue
    finish
}
nothing_left() {
    for left in "$program" "$settings" "$launcher" "$dir"; do
        [ ! -e "$left" ] || { echo "left behind: $left"; ls -la "$left"; exit 1; }
    done
}

install first
[ -x "$program" ] || { echo "no program installed"; exit 1; }
[ "$(grep -c . "$dir/uninstal.txt" 2>/dev/null || true)" -gt 0 ] || { echo "no remove list"; exit 1; }
[ -x "$dir/uninstall" ] || { echo "no remover installed"; exit 1; }
command=$(sed -n 's/^Exec=//p' "$launcher")
[ "$command" = "$program" ] || { echo "the launcher runs $command"; exit 1; }

# The menu entry's command plays the first module of the installed library.
start_until '[ -n "$(window_named "Anti-Light-4")" ]' \
    "$command" || { echo "Anti-Light-4 did not load"; exit 1; }
player=$started
sleep 3
shot player
read -r r g b <<< "$(mean_rgb 0 0 580 400)"
awk -v s="$r $g $b" 'BEGIN{split(s,c," "); exit !(c[1]+c[2]+c[3] > 0.5)}' ||
    { echo "Anti-Light-4 draws nothing: $r $g $b"; exit 1; }
# The rumble plays (the sound system is up), and the session's SIGTERM still ends the program.
kill -TERM "$player"
wait_for_exit "$player" 5 || { echo "SIGTERM did not end the program"; kill -KILL "$player"; exit 1; }

remove first "$setup"
nothing_left

install second
remove second "$dir/uninstall"
nothing_left
echo ok
SCRIPT
