#!/usr/bin/env bash
# A password set in password-change mode with the keyboard, and Yes to the question that
# follows, locks the screen saver: a wrong one leaves it running, the right one ends it.
set -euo pipefail
program=$1 fixtures=$3
here=$(dirname "$0")
source "$here/e2e_env.sh"
install_fixture "$fixtures"

"$(dirname "$0")/with_xvfb.sh" 1024x768x24 bash -s "$program" "$here" "$settings" <<'SCRIPT'
set -euo pipefail
program=$1 here=$2 settings=$3
source "$here/x_helpers.sh"
visible() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }

start_until 'visible "NEW PASSWORD"' "$program" /a || { echo "no NEW PASSWORD dialog"; exit 1; }
changer=$started
sleep 0.5
xdotool type --delay 40 'Zebra-42'
xdotool key Tab
xdotool type --delay 40 'Zebra-42'
xdotool key Tab Return
wait_for 'visible "Solvantrix Screen Saver"' || { echo "no question whether to lock"; exit 1; }
sleep 0.5
xdotool key Return
wait_for_exit "$changer" 15 || { echo "password-change mode did not end"; exit 1; }
grep -qx 'ScreenSaveUsePassword=1' "$(dirname "$settings")/registry.ini" ||
    { echo "Yes did not switch the lock on"; exit 1; }
stored=$(sed -n 's/^sword=//p' "$settings")
[ ${#stored} -eq 8 ] || { echo "no password stored: '$stored'"; exit 1; }
[ "$stored" != "Zebra-42" ] || { echo "stored in plain text"; exit 1; }
[ "$(stat -c %a "$settings")" = 600 ] || { echo "settings file mode $(stat -c %a "$settings")"; exit 1; }

start_until '[ -n "$(xdotool search --onlyvisible --classname solvantrix 2>/dev/null)" ]' \
    "$program" /s || { echo "no screen-saver window"; exit 1; }
saver=$started
sleep 1.5
xdotool key shift
wait_for 'visible "Solvantrix Screen Saver"' || { echo "no unlock bar"; exit 1; }
sleep 0.5
xdotool type --delay 40 'zebra-42'
xdotool key Return
wait_for '! visible "Solvantrix Screen Saver"' || { echo "the bar stayed after Enter"; exit 1; }
sleep 1
kill -0 "$saver" || { echo "a wrong password ended the saver"; exit 1; }

xdotool key space
wait_for 'visible "Solvantrix Screen Saver"' || { echo "no unlock bar the second time"; exit 1; }
sleep 0.5
xdotool type --delay 40 'Zebra-42'
xdotool key Return
wait_for_exit "$saver" 15 || { echo "the right password did not end the saver"; exit 1; }
[ "$exit_code" -eq 0 ] || { echo "exit code $exit_code"; exit 1; }
echo ok
SCRIPT
