#!/usr/bin/env bash
# A real XScreenSaver daemon told to use `solvantrix --root` shows the starfield when it
# activates, and on deactivation ends it with no process left behind. The product tree is
# installed as a system package installs it, and the daemon's user cannot write it.
set -euo pipefail
fixtures=$2
here=$(realpath "$(dirname "$0")")
source "$here/e2e_env.sh"
export HOME=$root/home XDG_STATE_HOME=$root/home/.local/state
mkdir -p "$HOME"
install_read_only_tree "$(realpath "$1")" "$fixtures"
program=$prefix/bin/solvantrix
printf '[data]\nmodule=%s/share/solvantrix/library/Hand-Made.sv\n' "$prefix" > "$settings"
cat > "$HOME/.xscreensaver" <<SETTINGS
mode:		one
selected:	0
timeout:	1:00:00
lock:		False
fade:		False
unfade:		False
splash:		False
programs:	GL: "Solvantrix" $program --root \\n
SETTINGS

# The daemon launches no saver for root; there it runs as nobody, and the tree stays root's.
play_as_ordinary_user

"$here/with_xvfb.sh" 1024x768x24 bash -s "$program" "$here" "$as_user" "$prefix" <<'SCRIPT'
set -euo pipefail
program=$1 here=$2 as_user=$3 prefix=$4
source "$here/x_helpers.sh"
scratch=$(mktemp -d)
daemon=""
trap '[ -n "$daemon" ] && kill "$daemon" 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT
cd "$scratch"

$as_user touch "$prefix/share/solvantrix/library/probe" 2>/dev/null &&
    { echo "the product tree is writable; the test cannot show anything"; exit 1; }
chmod 777 "$scratch"
$as_user xscreensaver --no-splash --verbose > daemon.log 2>&1 &
daemon=$!
saver_pid() { pgrep -f -x "$program --root" | head -1; }
fail() { echo "$1"; echo "--- daemon log:"; cat daemon.log; exit 1; }

wait_for '$as_user xscreensaver-command -version >/dev/null 2>&1' || fail "the daemon did not start"
$as_user xscreensaver-command -activate >/dev/null
for _ in $(seq 150); do
    saver=$(saver_pid) && [ -n "$saver" ] && break
    sleep 0.1
done
[ -n "${saver:-}" ] || fail "the daemon did not start solvantrix"
# moving: the blanked screen changes from one moment to the next.
moving() {
    import -window root before.png
    sleep 0.3
    import -window root after.png
    local differing
    differing=$(compare -metric AE before.png after.png null: 2>&1 >/dev/null || true)
    [ "${differing%% *}" != 0 ]
}
# A loaded machine may take a while to load the module and draw the first frames.
for _ in $(seq 30); do moving && break; sleep 0.5; done
moving || fail "the blanked screen does not move"
read -r r g b <<< "$(mean_rgb 0 0 1024 768)"
awk -v s="$r $g $b" 'BEGIN{split(s,c," "); exit !(c[1]+c[2]+c[3] > 0.3)}' ||
    fail "the blanked screen is black: $r $g $b"
[ -n "${KEEP_SCREENSHOT:-}" ] && cp after.png "$KEEP_SCREENSHOT"

$as_user xscreensaver-command -deactivate >/dev/null
# A loaded machine can take the daemon a few seconds to end its savers.
for _ in $(seq 150); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
kill -0 "$saver" 2>/dev/null && fail "solvantrix still runs after the deactivation"
[ -z "$(saver_pid)" ] || fail "a solvantrix process was left behind"
grep -qi "solvantrix.*\(crash\|abnormal\|signal\)" daemon.log && fail "the daemon saw solvantrix fail"
echo ok
SCRIPT
