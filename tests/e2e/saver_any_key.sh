#!/usr/bin/env bash
# Without a window manager nobody hands the screen saver the keyboard: it takes the focus
# itself, and Shift alone, a key with no job of its own, ends it.
set -euo pipefail
program=$1 fixtures=$3
here=$(dirname "$0")
source "$here/e2e_env.sh"
install_fixture "$fixtures"

"$(dirname "$0")/with_xvfb.sh" 1024x768x24 bash -s "$program" "$here" <<'SCRIPT'
set -euo pipefail
program=$1 here=$2
source "$here/x_helpers.sh"
start_until '[ -n "$(xdotool search --onlyvisible --classname solvantrix 2>/dev/null)" ]' \
    "$program" /s || { echo "no screen-saver window"; exit 1; }
saver=$started
sleep 1.5
kill -0 "$saver" || { echo "the saver ended on its own"; exit 1; }
xdotool key shift
wait_for_exit "$saver" 15 || { echo "Shift did not end the saver"; exit 1; }
[ "$exit_code" -eq 0 ] || { echo "exit code $exit_code"; exit 1; }
echo ok
SCRIPT
