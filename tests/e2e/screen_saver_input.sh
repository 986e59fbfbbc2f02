#!/usr/bin/env bash
# The real screen saver under Xvfb plays a module full screen, survives nine mouse moves and
# ends on the tenth, writing only the cycle timer.
set -euo pipefail
program=$1 fixtures=$3
here=$(dirname "$0")
source "$here/e2e_env.sh"
install_fixture "$fixtures"

"$(dirname "$0")/with_xvfb.sh" 1024x768x24 bash -s "$program" "$here" "$settings" <<'SCRIPT'
set -euo pipefail
program=$1 here=$2 settings=$3
source "$here/x_helpers.sh"
start_until '[ -n "$(xdotool search --onlyvisible --classname solvantrix 2>/dev/null)" ]' \
    "$program" /s || { echo "no screen-saver window"; exit 1; }
saver=$started
sleep 1.5
read -r r g b <<< "$(mean_rgb 0 0 1024 768)"
awk -v s="$r $g $b" 'BEGIN{split(s,c," "); exit !(c[1]+c[2]+c[3] > 0.5)}' ||
    { echo "the screen saver draws nothing: $r $g $b"; exit 1; }

for i in $(seq 9); do xdotool mousemove $((100 + i * 20)) $((100 + i * 10)); sleep 0.15; done
sleep 0.5
kill -0 "$saver" || { echo "ended before the tenth mouse move"; exit 1; }
xdotool mousemove 600 500
wait_for_exit "$saver" 15 || { echo "the tenth mouse move did not end the saver"; exit 1; }
[ "$exit_code" -eq 0 ] || { echo "exit code $exit_code"; exit 1; }
grep -q '^timer=' "$settings" || { echo "timer not written"; exit 1; }

echo ok
SCRIPT
