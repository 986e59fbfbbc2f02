#!/usr/bin/env bash
# The real editor under Xvfb: the user drags the control window elsewhere; closing the program
# remembers the corner where it now stands.
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
xdotool windowmove --sync "$controls" 230 510
sleep 1

"$close_window" "$(window_named "Hand-Made")"
wait_for_exit "$editor" 15 || { echo "closing did not end the program"; exit 1; }
grep -q '^xmainx=230$' "$settings" && grep -q '^xmainy=510$' "$settings" ||
    { echo "the moved corner was not remembered"; grep '^xmain' "$settings"; exit 1; }
echo ok
SCRIPT
