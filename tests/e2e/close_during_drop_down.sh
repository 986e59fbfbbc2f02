#!/usr/bin/env bash
# A close request ends the editor when it comes while a drop-down list of the control window is
# open, and when it comes together with the Escape that ends the list.
set -euo pipefail
program=$1 close_window=$2 fixtures=$3
here=$(dirname "$0")

"$here/with_xvfb.sh" 1280x800x24 bash -s "$program" "$close_window" "$here" "$fixtures" <<'SCRIPT'
set -euo pipefail
program=$1 close_window=$2 here=$3 fixtures=$4
source "$here/x_helpers.sh"
source "$here/e2e_env.sh"
position() { xwininfo -id "$1" | awk -v k="Absolute upper-left $2:" 'index($0, k){print $NF}'; }
# close_around_list NAME DELAY: opens the module list, then after DELAY s asks to close, then
# presses Escape; or, with DELAY "with", presses Escape and asks to close at once.
close_around_list() {
    install_fixture "$fixtures"
    start_until '[ -n "$(window_named "Module: Hand-Made")" ]' "$program" ||
        { echo "$1: no control window"; exit 1; }
    local editor=$started controls starfield x y
    controls=$(window_named "Module: Hand-Made")
    starfield=$(window_named "Hand-Made")
    sleep 1
    x=$(position "$controls" X) y=$(position "$controls" Y)
    xdotool mousemove $((x + 328)) $((y + 17)) click 1
    sleep 1
    if [ "$2" = with ]; then
        xdotool key Escape
        "$close_window" "$starfield"
    else
        "$close_window" "$starfield"
        sleep "$2"
        xdotool key Escape
    fi
    wait_for_exit "$editor" 15 || { kill "$editor"; echo "$1: the close request was lost"; exit 1; }
}
close_around_list "close while the list is open" 0.5
close_around_list "close with the Escape that ends the list" with
echo ok
SCRIPT
