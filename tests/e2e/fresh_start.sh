#!/usr/bin/env bash
# A fresh build with no settings at all plays the demo module from the product tree beside
# the program, and something is drawn.
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/e2e_env.sh"
rm -f "$settings"

"$(dirname "$0")/with_xvfb.sh" 1024x768x24 bash -s "$program" "$here" <<'SCRIPT'
set -euo pipefail
program=$1 here=$2
source "$here/x_helpers.sh"
start_until '[ -n "$(window_named "demo")" ]' "$program" ||
    { echo "the demo module did not load"; exit 1; }
editor=$started
sleep 3
read -r r g b <<< "$(mean_rgb 0 0 580 400)"
awk -v s="$r $g $b" 'BEGIN{split(s,c," "); exit !(c[1]+c[2]+c[3] > 0.5)}' ||
    { echo "the demo draws nothing: $r $g $b"; exit 1; }
kill "$editor"
echo ok
SCRIPT
