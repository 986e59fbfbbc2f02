#!/usr/bin/env bash
# A hosted copy never harms the user's work and never shows a silent black screen: it plays
# from a private work copy (the editor's work file keeps a line only it holds, nothing in the
# library changes, nothing is left behind after SIGTERM), it plays from a product tree its
# user cannot write, it draws nothing while its window is unmapped or covered and goes on
# after that or after SIGSTOP/SIGCONT, and a run that cannot play its first module exits 1
# with one line on standard error.
set -euo pipefail
program=$(realpath "$1") host_window=$(realpath "$2") fixtures=$3
here=$(realpath "$(dirname "$0")")
source "$here/e2e_env.sh"
install_fixture "$fixtures"
export XDG_STATE_HOME=$root/state HOME=$root/home
mkdir -p "$XDG_STATE_HOME/solvantrix/work" "$HOME"

# The editor's work file, in its own place and in the library where it used to be, with Views
# stored but not saved yet.
library=$root/install/library
for file in "$XDG_STATE_HOME/solvantrix/work/Hand-Made.ini" "$library/Hand-Made/Hand-Made.ini"; do
    { cat "$library/Hand-Made.sv"; printf '[2003]\r\nmarker=stored by the editor\r\n'; } > "$file"
done

# A product tree as a system package installs it: the program in bin/, the tree in
# share/solvantrix/, neither writable by the user who plays it.
install_read_only_tree "$program" "$fixtures"
play_as_ordinary_user

"$here/with_xvfb.sh" 1024x768x24 bash -s "$program" "$host_window" "$here" "$settings" \
    "$library" "$prefix" "$as_user" <<'SCRIPT'
set -euo pipefail
program=$1 host_window=$2 here=$3 settings=$4 library=$5 prefix=$6 as_user=$7
source "$here/x_helpers.sh"
unset XSCREENSAVER_WINDOW
scratch=$(mktemp -d)
chmod 777 "$scratch"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

bright() {
    read -r r g b <<< "$(mean_rgb "$@")"
    awk -v s="$r $g $b" 'BEGIN{split(s,c," "); exit !(c[1]+c[2]+c[3] > 0.3)}'
}
# cpu_ticks PID: user and system time the process has used, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# busy_over PID SECONDS: the CPU ticks the process uses in that time.
busy_over() {
    local before
    before=$(cpu_ticks "$1")
    sleep "$2"
    echo $(($(cpu_ticks "$1") - before))
}
fail() { echo "$1"; exit 1; }
copies_left() { find "$XDG_RUNTIME_DIR" "$XDG_STATE_HOME" -maxdepth 3 \
                    -name 'copy-*' 2>/dev/null | wc -l; }

window=$("$host_window" create 0 0 320 240)
touch "$scratch/stamp"
start_until 'bright 0 0 320 240' $as_user "$program" -window-id "$window" ||
    fail "a hosted copy drew nothing"
copy=$started
sleep 1
for file in "$XDG_STATE_HOME/solvantrix/work/Hand-Made.ini" "$library/Hand-Made/Hand-Made.ini"; do
    grep -q 'marker=stored by the editor' "$file" || fail "the hosted copy rewrote $file"
done
changed=$(find "$library" -newer "$scratch/stamp" | head -3)
[ -z "$changed" ] || fail "the hosted copy wrote into the library: $changed"
[ "$(copies_left)" -eq 1 ] || fail "no private work directory while the copy plays"

# Unmapped: no frames, so next to no processor time; mapped again: drawing goes on.
"$host_window" unmap "$window"
sleep 0.5
hidden=$(busy_over "$copy" 2)
[ "$hidden" -le 10 ] || fail "an unmapped window still drew: $hidden ticks in 2 s"
"$host_window" map "$window"
wait_for 'bright 0 0 320 240' || fail "nothing drawn after the window was mapped again"
shown=$(busy_over "$copy" 1)
[ "$shown" -gt "$hidden" ] || fail "no frames after the window was mapped again"
# Covered whole by another window: no frames either.
cover=$("$host_window" create 0 0 400 300)
sleep 0.5
covered=$(busy_over "$copy" 2)
[ "$covered" -le 10 ] || fail "a fully covered window still drew: $covered ticks in 2 s"
"$host_window" destroy "$cover"
kill -STOP "$copy"
sleep 1
kill -CONT "$copy"
[ "$(busy_over "$copy" 1)" -gt 10 ] || fail "no frames after SIGCONT"

kill -TERM "$copy"
wait_for_exit "$copy" 2 || fail "SIGTERM did not end the copy"
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after SIGTERM"
[ "$(copies_left)" -eq 0 ] || fail "the private work directory outlived its copy"

# A product tree the user cannot write: the tree beside the program, no `path`. A new window:
# the old one still shows the last frame drawn into it.
"$host_window" destroy "$window"
window=$("$host_window" create 0 0 320 240)
printf '[data]\nmodule=%s/share/solvantrix/library/Hand-Made.sv\n' "$prefix" > "$settings"
$as_user touch "$prefix/share/solvantrix/library/probe" 2>/dev/null &&
    fail "the product tree is writable; the test cannot show anything"
start_until 'bright 0 0 320 240' $as_user "$prefix/bin/solvantrix" -window-id "$window" ||
    fail "black screen with a product tree the user cannot write"
# Hosts hide the window before they end the saver: the end comes at once all the same.
"$host_window" unmap "$window"
sleep 0.5
kill -TERM "$started"
wait_for_exit "$started" 2 || fail "SIGTERM did not end a copy whose window was unmapped"

# refused SETTINGS WANTED: the run exits 1 at once with one line that matches WANTED.
refused() {
    printf '%b' "$1" > "$settings"
    set +e
    timeout 20 $as_user "$program" -window-id "$window" 2> refused.txt
    local status=$?
    set -e
    [ "$status" -eq 1 ] || fail "$2: exit code $status"
    [ "$(wc -l < refused.txt)" -eq 1 ] && grep -q "^solvantrix: $2" refused.txt ||
        { echo "for $2 it said:"; cat refused.txt; exit 1; }
}
refused "[data]\npath=/nonexistent/tree/\n" "no module library in /nonexistent/tree/"
refused "[data]\npath=$(dirname "$library")/\nmodule=$library/Gone.sv\n" "no module $library/Gone.sv"
mv "$library/Hand-Made/Hand-Made.pr8" "$scratch/"
refused "[data]\npath=$(dirname "$library")/\nmodule=$library/Hand-Made.sv\n" \
    "the module $library/Hand-Made.sv cannot be loaded"
echo ok
SCRIPT
