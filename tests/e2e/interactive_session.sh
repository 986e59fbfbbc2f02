#!/usr/bin/env bash
# The real editor under Xvfb: the module plays, F2 switches to its red View 2, closing the
# window writes the placement of both windows and the cycle timer.
set -euo pipefail
program=$1 close_window=$2 fixtures=$3
here=$(dirname "$0")
source "$here/e2e_env.sh"
install_fixture "$fixtures"

"$(dirname "$0")/with_xvfb.sh" 1024x768x24 bash -s "$program" "$close_window" "$here" "$settings" <<'SCRIPT'
set -euo pipefail
program=$1 close_window=$2 here=$3 settings=$4
source "$here/x_helpers.sh"
start_until '[ -n "$(window_named "Hand-Made")" ]' "$program" ||
    { echo "the module did not load"; exit 1; }
editor=$started
window=$(window_named "Hand-Made")
sleep 2
read -r r0 g0 b0 <<< "$(mean_rgb 0 0 640 400)"
awk -v r="$r0" -v b="$b0" 'BEGIN{exit !(b > r)}' || { echo "View 8 is not blue: $r0 $g0 $b0"; exit 1; }

xdotool windowfocus --sync "$window" key F2
sleep 2
read -r r1 g1 b1 <<< "$(mean_rgb 0 0 640 400)"
awk -v r="$r1" -v g="$g1" -v b="$b1" 'BEGIN{exit !(r > 2 * b && r > 2 * g)}' ||
    { echo "View 2 is not red: $r1 $g1 $b1"; exit 1; }

"$close_window" "$window"
wait_for_exit "$editor" 15 || { echo "closing did not end the program"; exit 1; }
[ "$exit_code" -eq 0 ] || { echo "exit code $exit_code"; exit 1; }
for key in appx appy appx1 appy1 xmainx xmainy timer; do
    grep -q "^$key=" "$settings" || { echo "$key not written"; cat "$settings"; exit 1; }
done
grep -q '^appx1=640$' "$settings" || { echo "width not kept"; cat "$settings"; exit 1; }
echo ok
SCRIPT
