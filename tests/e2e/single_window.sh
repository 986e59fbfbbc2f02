#!/usr/bin/env bash
# The real program under Xvfb: an empty command line shows one window titled "SOLVANTRIX";
# a second start exits 0 and leaves exactly one such window.
set -euo pipefail
program=$1
source "$(dirname "$0")/e2e_env.sh"
# No module to load, so the window keeps the title it starts with.
printf '[data]\nmodule=%s/none.sv\n' "$root" > "$settings"

"$(dirname "$0")/with_xvfb.sh" 1280x1024x24 bash -s "$program" "$(dirname "$0")" <<'SCRIPT'
set -euo pipefail
program=$1 here=$2
source "$here/x_helpers.sh"
count_windows() { xdotool search --onlyvisible --name '^SOLVANTRIX$' 2>/dev/null | wc -l; }

start_until '[ "$(count_windows)" -ge 1 ]' "$program" ||
    { echo "no SOLVANTRIX window appeared"; exit 1; }
first=$started

set +e
timeout 20 "$program"
second=$?
set -e
[ "$second" -eq 0 ] || { echo "second start exited $second"; exit 1; }
kill -0 "$first" || { echo "the first copy died"; exit 1; }
sleep 0.5
n=$(count_windows)
[ "$n" -eq 1 ] || { echo "expected one SOLVANTRIX window, found $n"; exit 1; }

# A refused switch opens no display connection and ends at once with 0.
DISPLAY=:nowhere timeout 10 "$program" /p 1234
DISPLAY=:nowhere timeout 10 "$program" /

kill "$first"
wait "$first" || true
echo "ok"
SCRIPT
