#!/usr/bin/env bash
# The real editor under Xvfb, killed with SIGKILL at random moments while it saves its module
# through the save dialog and while it writes its settings on closing. After every kill the
# module text, each side file and the settings file are each wholly what was there before or
# wholly what a complete save (or close) of the same state writes; a complete save leaves no
# temporary file beside the module. The kills are aimed: a watcher kills shortly after a step
# of the writes drawn at random (a temporary file appearing or being renamed into place).
set -euo pipefail
program=$1 close_window=$2 fixtures=$3 kill_in_write=$4
rounds=${KILL_ROUNDS:-45}
here=$(dirname "$0")
source "$here/e2e_env.sh"
install_fixture "$fixtures"

"$here/with_xvfb.sh" 1024x768x24 bash -s "$program" "$close_window" "$here" "$settings" \
    "$kill_in_write" "$root" "$rounds" <<'SCRIPT'
set -euo pipefail
program=$1 close_window=$2 here=$3 settings=$4 kill_in_write=$5 root=$6 rounds=$7
source "$here/x_helpers.sh"
library=$root/install/library
data=$library/Hand-Made
work=$XDG_STATE_HOME/solvantrix/work # the editor's work files
config=$(dirname "$settings")
old=$root/old
mkdir -p "$old"
side_files=(Hand-Made.pr1 Hand-Made.pr2 Hand-Made.pr3 Hand-Made.pr4 Hand-Made.pr5 Hand-Made.pr6
    Hand-Made.pr8)

fail() {
    echo "$*"
    exit 1
}

# Starts the editor on the module, its starfield window moved to X Y, so that the module's and
# the settings' window position is what this round writes anew.
start_editor() {
    start_until '[ -n "$(window_named "Module: Hand-Made")" ]' \
        "$program" || fail "the editor did not start (round $round)"
    editor=$started
    wait_for '[ -n "$(window_named "Hand-Made")" ]' ||
        fail "the module did not load (round $round)"
    window=$(window_named "Hand-Made")
    controls=$(window_named "Module: Hand-Made")
    xdotool windowmove --sync "$window" "$1" "$2"
}

# Opens the save dialog with the "Save Module" button (389 to 439 dialog units across, 2 to 15
# down) and presses Enter on the module's own name: the dialog asks to replace the file.
open_save_dialog() {
    eval "$(xdotool getwindowgeometry --shell "$controls")"
    local attempt
    for attempt in 1 2 3; do
        xdotool mousemove $((X + 724)) $((Y + 17)) click 1
        wait_for '[ -n "$(window_named "Save Solvantrix Module")" ]' &&
            break
        [ "$attempt" -lt 3 ] || fail "the save dialog did not open (round $round)"
    done
    xdotool key Return
}

snapshot() {
    cp "$library/Hand-Made.sv" "$old/"
    for file in "${side_files[@]}"; do cp "$data/$file" "$old/"; done
    cp "$settings" "$old/settings"
}

value() { grep -a -m1 "^$2=" "$1" | tr -d '\r' | cut -d= -f2; }
masked() { sed -E 's/^(appx|appy)=-?[0-9]+/\1=#/' "$1"; }

# The module text written at X Y: the old text with the window position of the save.
module_text_is() {
    cmp -s <(masked "$1") <(masked "$old/Hand-Made.sv") &&
        [ "$(value "$1" appx),$(value "$1" appy)" = "$2,$3" ]
}
# The recording grows by two words at each load and save: the words past the loaded length.
recording_is_new() {
    cmp -s "$1" <(cat "$old/Hand-Made.pr8"; printf '\0\0\0\0')
}
# Which of the two contents a file holds: "old", "new" or "torn".
module_state() {
    local x=$1 y=$2
    if cmp -s "$library/Hand-Made.sv" "$old/Hand-Made.sv"; then sv=old
    elif module_text_is "$library/Hand-Made.sv" "$x" "$y"; then sv=new
    else sv=torn; fi
    if cmp -s "$data/Hand-Made.pr8" "$old/Hand-Made.pr8"; then pr8=old
    elif recording_is_new "$data/Hand-Made.pr8"; then pr8=new
    else pr8=torn; fi
    # The star planes are the ones loaded: a save writes them back unchanged.
    planes=same
    for file in "${side_files[@]:0:6}"; do
        cmp -s "$data/$file" "$old/$file" || planes="torn $file"
    done
}
# The settings are written key by key, each write whole: every key is the old or the new value.
settings_whole() {
    cmp -s <(masked "$settings") <(masked "$old/settings") || return 1
    local key
    for key in appx appy; do
        local now was
        now=$(value "$settings" $key) was=$(value "$old/settings" $key)
        [ "$now" = "$was" ] || [ "$now" = "$(if [ $key = appx ]; then echo "$1"; else echo "$2"; fi)" ] ||
            return 1
    done
}
temporaries() { ls -a "$@" | grep -F '.tmp' || true; }
# The reload that follows a save may still be writing; what stays for seconds was left behind.
no_temporaries() {
    local where=("$config")
    [ "$1" = close ] || where=("$library" "$data" "$work")
    wait_for '[ -z "$(temporaries "${where[@]}")" ]' ||
        fail "temporary files left after a complete $1: $(temporaries "${where[@]}")"
}

# Runs the killer on the directories once it watches them; the caller then starts the write.
# STEPS and MAX_DELAY_US as kill_in_write takes them; 0 0 measures a complete write.
arm_killer() {
    local steps=$1 max=$2
    shift 2
    rm -f "$root/killer"
    "$kill_in_write" "$editor" "$steps" "$max" "$((RANDOM * 32768 + RANDOM))" "$@" >"$root/killer" &
    killer=$!
    wait_for 'grep -qs watching "$root/killer"' || fail "the killer did not start"
}
end_round() {
    set +e
    wait "$killer"
    local status=$?
    set -e
    [ "$status" -eq 0 ] || fail "the write did not start (round $round, killer status $status)"
    killed=$(grep -E '^step' "$root/killer")
    [ "${1:-}" = measured ] || gone
}
# The next round must not find the windows of this one.
gone() {
    wait_for_exit "$editor" 15 || fail "the editor outlived the kill (round $round)"
    wait_for '[ -z "$(xdotool search --name "Hand-Made$" 2>/dev/null)" ]' ||
        fail "the windows outlived the editor (round $round)"
}

# A complete save and close first: the module's planes hold generated stars from then on and
# every settings key is present.
round=0
start_editor 30 20
open_save_dialog
xdotool key Return
wait_for 'value "$library/Hand-Made.sv" appx | grep -qx 30' || fail "the first save did not complete"
no_temporaries save
"$close_window" "$window"
gone
[ "$(value "$settings" appx),$(value "$settings" appy)" = "30,20" ] ||
    fail "the close did not store the moved window: $(grep appx "$settings")"

# A complete save of a loaded module changes exactly the window position and the recording; a
# complete close the window position in the settings. They show how long their writes take.
round=1
start_editor 40 25
open_save_dialog
snapshot
arm_killer 0 0 "$library" "$data" "$work"
xdotool key Return
end_round measured
read -r _ save_steps _ save_renames _ save_span <<<"$killed"
module_state 40 25
[ "$sv $pr8 $planes" = "new new same" ] || fail "a complete save wrote $sv $pr8 $planes: $(
    diff <(tr -d '\r' <"$old/Hand-Made.sv") <(tr -d '\r' <"$library/Hand-Made.sv"))"
no_temporaries save
# The close writes the cycle timer (unchanged here), waits a second, then stores the window
# position key by key.
arm_killer 0 0 "$config" "$work"
"$close_window" "$window"
end_round measured
read -r _ close_steps _ close_renames _ close_span <<<"$killed"
gone
settings_whole 40 25 && [ "$(value "$settings" appx),$(value "$settings" appy)" = "40,25" ] ||
    fail "a complete close wrote $(cat "$settings")"
no_temporaries close
echo "a save: $save_steps steps, $save_renames renames in $save_span us; a close:" \
    "$close_steps steps, $close_renames renames in $close_span us"

# Most rounds aim at the save; every third at the settings a close writes after a save.
landed=0 during=0 left=0
declare -A seen phases
for round in $(seq 2 "$rounds"); do
    # A new place every round, clear of the control window below.
    x=$((40 + round * 3)) y=$((20 + round % 10))
    start_editor "$x" "$y"
    open_save_dialog
    if [ $((round % 3)) -ne 0 ]; then
        snapshot
        arm_killer "$save_steps" $((save_span / save_steps)) "$library" "$data" "$work"
        xdotool key Return
        end_round
        module_state "$x" "$y"
        [ "$sv" != torn ] && [ "$pr8" != torn ] && [ "$planes" = same ] ||
            fail "round $round ($killed): module text $sv, recording $pr8, planes $planes"
        read -r _ _ _ _ _ renames <<<"$killed"
        [ "$renames" -lt "$save_renames" ] && during=$((during + 1))
        seen[sv-$sv]=1 seen[pr8-$pr8]=1
    else
        xdotool key Return
        wait_for 'module_text_is "$library/Hand-Made.sv" "$x" "$y"' ||
            fail "the save before the close did not complete (round $round)"
        no_temporaries save
        snapshot
        arm_killer "$close_steps" $((close_span / close_steps)) "$config" "$work"
        "$close_window" "$window"
        end_round
        settings_whole "$x" "$y" ||
            fail "round $round ($killed): the settings are not whole: $(cat "$settings")"
        [ "$(value "$settings" appx)" = "$x" ] && seen[settings-new]=1 || seen[settings-old]=1
        read -r _ _ _ _ _ renames <<<"$killed"
        [ "$renames" -lt "$close_renames" ] && during=$((during + 1))
    fi
    landed=$((landed + 1))
    phases[$renames]=$((${phases[$renames]:-0} + 1))
    [ -z "$(temporaries "$library" "$data" "$work" "$config")" ] || left=$((left + 1))
    echo "round $round: $killed"
done
echo "$during of $landed kills landed during the writes; outcomes: ${!seen[*]}"
echo "kills by files renamed into place before them: $(for n in "${!phases[@]}"; do
    echo -n "$n:${phases[$n]} "; done)"
[ "$during" -gt 0 ] || fail "no kill landed during the writes"

# What the killed writers left is gone after one complete save and close, and so are leftovers
# of an ended writer planted where they write; a live writer's stays.
round=$((rounds + 1))
echo "$left kills left temporary files behind; now there are: $(
    temporaries "$library" "$data" "$work" "$config" | tr '\n' ' ')"
ended=$(sh -c 'echo $$')
live="$config/.Solvantrix!.ini.tmp-$$-0"
for file in "$config/.Solvantrix!.ini.tmp-$ended-0" "$work/.Hand-Made.ini.tmp-$ended-3" "$live"; do
    echo half >"$file"
done
start_editor 30 20
open_save_dialog
xdotool key Return
wait_for 'module_text_is "$library/Hand-Made.sv" 30 20' || fail "the last save did not complete"
no_temporaries save
"$close_window" "$window"
gone
[ -f "$live" ] || fail "the temporary of a live writer was removed"
rm "$live"
no_temporaries close
echo ok
SCRIPT
