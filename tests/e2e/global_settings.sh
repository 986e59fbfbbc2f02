#!/usr/bin/env bash
# The real editor under Xvfb: "G" on the control window opens Global Settings; a frame rate
# typed into its first field and OK (Enter) land in the settings file at once.
set -euo pipefail
program=$1 close_window=$2 fixtures=$3
here=$(dirname "$0")
source "$here/e2e_env.sh"
install_fixture "$fixtures"

"$here/with_xvfb.sh" 1024x768x24 bash -s "$program" "$close_window" "$here" "$settings" <<'SCRIPT'
set -euo pipefail
program=$1 close_window=$2 here=$3 settings=$4
source "$here/x_helpers.sh"
start_until '[ -n "$(window_named "Module: Hand-Made")" ]' \
    "$program" || { echo "the control window did not show the module"; exit 1; }
editor=$started
controls=$(window_named "Module: Hand-Made")
eval "$(xdotool getwindowgeometry --shell "$controls")"
# "G" stands 65 to 79 dialog units across, 2 to 15 down (7/4 and 2 pixels per unit).
xdotool mousemove $((X + 126)) $((Y + 17)) click 1
wait_for '[ -n "$(window_named "Global Settings")" ]' ||
    { echo "Global Settings did not open"; exit 1; }
dialog=$(window_named "Global Settings")
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# The frame-rate field: 14 to 42 units across, 18 to 31 down.
xdotool mousemove $((X + 48)) $((Y + 48)) click 1
sleep 0.3
xdotool key End BackSpace BackSpace BackSpace BackSpace type 45
sleep 0.3
xdotool key Return
wait_for '[ -z "$(window_named "Global Settings")" ]' ||
    { echo "OK did not close the dialog"; exit 1; }
wait_for 'grep -q "^globaldelay=45$" "$settings"' ||
    { echo "the frame rate was not written"; cat "$settings"; exit 1; }
grep -q '^auxresolution=120$' "$settings" || { echo "the other values were not written"; exit 1; }

"$close_window" "$(window_named "Hand-Made")"
wait_for_exit "$editor" 15 || { echo "closing did not end the program"; exit 1; }
echo ok
SCRIPT
