#!/usr/bin/env bash
# The real programs under real window managers. Under openbox: Enter stores a new password;
# the locked screen saver holds the keyboard (after waiting for a client that held it at the
# start), asks for full screen and to stay above, and answers a close request with the password
# bar while it runs on; a click into a large editor window leaves the control window above it;
# the stars move on while the Import chooser and a drop-down list are open; Enter leads through
# the setup. Under i3 with its bar the screen saver covers the whole screen.
# SCREENSHOTS=DIR keeps a picture of each step there.
set -euo pipefail
program=$1 close_window=$2 fixtures=$3 grab_keyboard=$4 setup=$5
here=$(dirname "$0")
source "$here/e2e_env.sh"
install_fixture "$fixtures"
# A large editor window, the control window over its lower part.
sed -i 's/^appx1=.*/appx1=1200/; s/^appy1=.*/appy1=740/' "$settings"
export SCREENSHOTS=${SCREENSHOTS:-} SETUP_ROOT=$root/setup

"$here/with_xvfb.sh" 1280x800x24 bash -s "$program" "$close_window" "$here" "$settings" \
    "$grab_keyboard" "$setup" <<'SCRIPT'
set -euo pipefail
program=$1 close_window=$2 here=$3 settings=$4 grab_keyboard=$5 setup=$6
source "$here/x_helpers.sh"
shot() { [ -z "$SCREENSHOTS" ] || import -window root "$SCREENSHOTS/$1.png"; }
fail() { shot "failed"; echo "$1"; exit 1; }
saver_window() { xdotool search --onlyvisible --classname solvantrix 2>/dev/null | head -1; }
position() { xwininfo -id "$1" | awk -v k="Absolute upper-left $2:" 'index($0, k){print $NF}'; }
# stars_move: two pictures of the starfield's upper right half a second apart differ.
stars_move() {
    local a b
    a=$(import -window root -crop 300x250+850+60 +repage -depth 8 rgb:- | md5sum)
    sleep 0.5
    b=$(import -window root -crop 300x250+850+60 +repage -depth 8 rgb:- | md5sum)
    [ "$a" != "$b" ]
}
start_window_manager openbox || fail "openbox did not start"

# Enter in NEW PASSWORD takes OK.
start_until '[ -n "$(window_named "NEW PASSWORD")" ]' "$program" /a || fail "no NEW PASSWORD"
changer=$started
sleep 0.5
xdotool type --delay 40 'Zebra-42'
xdotool key Tab
xdotool type --delay 40 'Zebra-42'
xdotool key Return
# The question whether to lock: Enter takes its default, Yes.
wait_for '[ -n "$(window_named "Solvantrix Screen Saver")" ]' || fail "Enter did not close NEW PASSWORD"
sleep 0.5
xdotool key Return
wait_for_exit "$changer" 15 || fail "Enter did not answer the question whether to lock"
grep -qx 'ScreenSaveUsePassword=1' "$(dirname "$settings")/registry.ini" ||
    fail "Yes did not switch the lock on"
stored=$(sed -n 's/^sword=//p' "$settings")
[ ${#stored} -eq 8 ] || fail "Enter did not store the password: '$stored'"

# The locked screen saver, started while another client holds the keyboard for a second.
"$grab_keyboard" 1 >/dev/null &
holder=$!
sleep 0.3
start_until '[ -n "$(saver_window)" ]' "$program" /s || fail "no screen-saver window"
saver=$started
wait "$holder"
sleep 1.5
saver_id=$(saver_window)
states=$(xprop -id "$saver_id" _NET_WM_STATE)
[[ $states == *_NET_WM_STATE_FULLSCREEN* && $states == *_NET_WM_STATE_ABOVE* ]] ||
    fail "the saver does not ask for full screen and above: $states"
if "$grab_keyboard" >/dev/null; then fail "another client took the keyboard from the saver"; fi
"$close_window" "$saver_id"
wait_for '[ -n "$(window_named "Solvantrix Screen Saver")" ]' ||
    fail "a close request showed no password bar"
shot openbox-close-request
sleep 1
kill -0 "$saver" 2>/dev/null || fail "a close request ended the locked saver"
xdotool type --delay 40 'Zebra-42'
xdotool key Return
wait_for_exit "$saver" 15 || fail "the right password did not end the saver"
[ "$exit_code" -eq 0 ] || fail "the saver ended with $exit_code"
"$grab_keyboard" >/dev/null || fail "the saver kept the keyboard after it ended"

# The editor: a click into its starfield leaves the control window above.
start_until '[ -n "$(window_named "Module: Hand-Made")" ]' "$program" ||
    fail "the control window did not show the module"
editor=$started
controls=$(window_named "Module: Hand-Made")
starfield=$(window_named "Hand-Made")
sleep 1
xdotool windowraise "$controls"
sleep 0.5
xdotool mousemove 900 150 click 1
sleep 1
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk '{for (i = 5; i <= NF; i++) print $i}')
above=$(printf '%s\n' "$stacking" | awk -v s="$(printf 0x%x "$starfield")" -v c="$(printf 0x%x "$controls")" \
    '$1 == s {seen = 1} $1 == c {print seen ? "yes" : "no"}')
shot openbox-editor-click
[ "$above" = yes ] || fail "a click into the starfield buried the control window"

# Import opens the file chooser; the stars move behind it, and behind an open drop-down list.
x=$(position "$controls" X) y=$(position "$controls" Y)
xdotool mousemove $((x + 647)) $((y + 17)) click 1
wait_for '[ -n "$(window_named "Choose File")" ]' || fail "Import opened no chooser"
sleep 0.5
shot openbox-import-chooser
stars_move || fail "the stars stood still behind the Import chooser"
xdotool key Escape
wait_for '[ -z "$(window_named "Choose File")" ]' || fail "the chooser stayed"
xdotool mousemove $((x + 328)) $((y + 17)) click 1
sleep 1
shot openbox-drop-down
stars_move || fail "the stars stood still behind the open drop-down list"
xdotool key Escape
sleep 0.5
"$close_window" "$starfield"
wait_for_exit "$editor" 15 || fail "closing did not end the editor"

# Enter leads through the setup: the welcome, the confirmation, the end.
mkdir -p "$SETUP_ROOT/home"
HOME=$SETUP_ROOT/home XDG_CONFIG_HOME=$SETUP_ROOT/config XDG_DATA_HOME=$SETUP_ROOT/data \
    start_until '[ -n "$(window_named "Solvantrix Setup")" ]' "$setup" || fail "no setup dialog"
installer=$started
sleep 0.5
xdotool key Return
sleep 1
shot openbox-setup-after-enter
kill -0 "$installer" 2>/dev/null || fail "Enter on the welcome ended the setup"
xdotool key Return
wait_for 'grep -q "^modsel=0" "$SETUP_ROOT/config/solvantrix/Solvantrix!.ini" 2>/dev/null' ||
    fail "Enter on Finish installed nothing"
sleep 0.5
xdotool key Return
wait_for_exit "$installer" 20 || fail "Enter on OK did not end the setup"
[ "$exit_code" -eq 0 ] || fail "the setup ended with $exit_code"

# i3 with its bar: the screen saver covers the whole screen.
kill "$window_manager"
wait "$window_manager" 2>/dev/null || true
start_window_manager i3 || fail "i3 did not start"
rm "$XDG_CONFIG_HOME/solvantrix/registry.ini"
start_until '[ -n "$(saver_window)" ]' "$program" /s || fail "no screen-saver window under i3"
saver=$started
sleep 1.5
saver_id=$(saver_window)
geometry=$(xwininfo -id "$saver_id" | awk '/Absolute upper-left|Width|Height/{printf "%s ", $NF}')
shot i3-saver
[ "$geometry" = "0 0 1280 800 " ] || fail "under i3 the saver covers $geometry"
kill "$saver"
echo ok
SCRIPT
