#!/usr/bin/env bash
# package_hosts.sh BUILD_DIR: the Debian package made from the build directory (CPack, as
# scripts/package.sh makes it, which also runs lintian on it) installs; then the real
# screen-saver hosts of an ordinary user show the installed program's starfield: XScreenSaver,
# told about the saver in ~/.xscreensaver as the manual page says, and MATE's screen saver with
# the package's theme chosen. Nothing under the install changes. As root the package goes into
# this machine with apt and is removed again afterwards (leaving nothing of it behind and the
# user's own modules in place); otherwise it is unpacked into a throw-away root, where MATE's
# screen saver, which runs savers only from /usr, is left out.
set -euo pipefail
build=$(realpath "$1")
here=$(realpath "$(dirname "$0")")
work=$(mktemp -d)
chmod 755 "$work"
installed_here=""
cleanup() {
    if [ -n "$installed_here" ]; then
        apt-get remove -y solvantrix >/dev/null 2>&1 || dpkg --remove solvantrix >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack did not make the package"
deb=$(ls "$work"/package/solvantrix_*.deb)
dpkg-deb -c "$deb" | grep ' ./usr/share/solvantrix/library/' >/dev/null ||
    fail "the package does not install under /usr: configure the build directory with -DCMAKE_INSTALL_PREFIX=/usr (scripts/package.sh does)"

# The ordinary user: nobody when run as root, else whoever runs the test.
as_user=""
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' solvantrix 2>/dev/null | grep -q "ok installed"; then
    apt-get install -y --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log"; fail "apt did not install the package"; }
    installed_here=1
    prefix=/usr
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
else
    dpkg-deb -x "$deb" "$work/root"
    prefix=$work/root/usr
    [ "$(id -u)" -eq 0 ] && as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
before=$(cd "$prefix/share/solvantrix" && find . -type f -exec md5sum {} + | sort -k2)

home=$work/home
mkdir -p "$home"
# The saver by the name the hosts know it; the daemon finds it on its PATH, which holds the
# install's bin and the hack directory.
cat > "$home/.xscreensaver" <<SETTINGS
mode:		one
selected:	0
timeout:	1:00:00
lock:		False
fade:		False
unfade:		False
splash:		False
programs:	GL: solvantrix --root \\n
SETTINGS
[ -n "$as_user" ] && chown -R nobody:nogroup "$home"

# A user's session: only HOME, no XDG directories set (MATE passes none either).
in_session() {
    env -i PATH="$prefix/bin:$prefix/libexec/xscreensaver:/usr/bin:/bin" HOME="$home" \
        KEEP_SCREENSHOT="${KEEP_SCREENSHOT:-}" SAVER="$prefix/libexec/xscreensaver/solvantrix" \
        "$here/with_xvfb.sh" 1024x768x24 bash -s "$here" "$as_user" "$work" "$1"
}
# What both hosts' sessions check: the saver runs as the user, and the screen moves and shows
# stars.
cat > "$work/check_saver.sh" <<'CHECK'
# wait_for_saver: the pid of the saver the host started, in $saver.
wait_for_saver() {
    for _ in $(seq 150); do
        # As XScreenSaver starts it (through a shell and the PATH) or MATE's screen saver.
        saver=$(pgrep -x -f "(solvantrix|$SAVER) --root" | head -1) && [ -n "$saver" ] && return 0
        sleep 0.1
    done
    return 1
}
moving() {
    import -window root before.png
    sleep 0.3
    import -window root after.png
    local differing
    differing=$(compare -metric AE before.png after.png null: 2>&1 >/dev/null || true)
    [ "${differing%% *}" != 0 ]
}
check_starfield() {
    [ -n "$as_user" ] && [ "$(stat -c %U "/proc/$saver")" = root ] && fail "the saver runs as root"
    for _ in $(seq 30); do moving && break; sleep 0.5; done
    moving || fail "the blanked screen does not move"
    read -r r g b <<< "$(mean_rgb 0 0 1024 768)"
    awk -v s="$r $g $b" 'BEGIN{split(s,c," "); exit !(c[1]+c[2]+c[3] > 0.3)}' ||
        fail "the blanked screen is black: $r $g $b"
    [ -z "${KEEP_SCREENSHOT:-}" ] || cp after.png "$KEEP_SCREENSHOT-$host.png"
}
CHECK

in_session xscreensaver <<'SCRIPT' || exit 1
set -euo pipefail
here=$1 as_user=$2 work=$3 host=$4
source "$here/x_helpers.sh"
source "$work/check_saver.sh"
cd "$work"
$as_user env HOME="$HOME" PATH="$PATH" DISPLAY="$DISPLAY" xscreensaver --no-splash --verbose > daemon.log 2>&1 &
daemon=$!
trap 'kill "$daemon" 2>/dev/null; wait 2>/dev/null || true' EXIT
fail() { echo "FAIL: xscreensaver: $1"; echo "--- daemon log:"; cat daemon.log; exit 1; }
wait_for '$as_user env HOME="$HOME" DISPLAY="$DISPLAY" xscreensaver-command -version >/dev/null 2>&1' ||
    fail "the daemon did not start"
$as_user env HOME="$HOME" DISPLAY="$DISPLAY" xscreensaver-command -activate >/dev/null
wait_for_saver || fail "the daemon did not start solvantrix"
check_starfield
$as_user env HOME="$HOME" DISPLAY="$DISPLAY" xscreensaver-command -deactivate >/dev/null
for _ in $(seq 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
kill -0 "$saver" 2>/dev/null && fail "solvantrix still runs after the deactivation"
grep -qi "solvantrix.*\(crash\|abnormal\|signal\)" daemon.log && fail "the daemon saw solvantrix fail"
exit 0
SCRIPT

# MATE's screen saver in a D-Bus session of the user, its settings in dconf: the package's
# theme, no lock, activated by its command.
if [ "$prefix" = /usr ] && command -v mate-screensaver >/dev/null && command -v dbus-launch >/dev/null; then
    in_session mate <<'SCRIPT' || exit 1
set -euo pipefail
here=$1 as_user=$2 work=$3 host=$4
source "$here/x_helpers.sh"
source "$work/check_saver.sh"
cd "$work"
fail() { echo "FAIL: mate-screensaver: $1"; echo "--- log:"; cat mate.log; exit 1; }
cat > session.sh <<'SESSION'
set -u
gsettings set org.mate.screensaver mode single
gsettings set org.mate.screensaver themes "['screensavers-solvantrix']"
gsettings set org.mate.screensaver lock-enabled false
mate-screensaver --no-daemon &
for _ in $(seq 100); do mate-screensaver-command --query >/dev/null 2>&1 && break; sleep 0.1; done
mate-screensaver-command --activate
# Until the checks are done; the session's bus then ends with this shell.
while [ ! -e done ]; do sleep 0.1; done
mate-screensaver-command --deactivate
kill %1
SESSION
$as_user env HOME="$HOME" PATH="$PATH" DISPLAY="$DISPLAY" XDG_CURRENT_DESKTOP=MATE \
    dbus-launch --exit-with-session bash session.sh > mate.log 2>&1 &
session=$!
trap 'touch done; wait "$session" 2>/dev/null || true' EXIT
wait_for_saver || fail "MATE's screen saver did not start solvantrix"
check_starfield
touch done
wait "$session" || true
for _ in $(seq 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
kill -0 "$saver" 2>/dev/null && fail "solvantrix still runs after the deactivation"
exit 0
SCRIPT
fi

after=$(cd "$prefix/share/solvantrix" && find . -type f -exec md5sum {} + | sort -k2)
[ "$before" = "$after" ] || fail "the installed product tree changed: $(diff <(echo "$before") <(echo "$after"))"
if [ -n "$installed_here" ]; then
    dpkg --verify solvantrix || fail "installed files changed"
    # Removal takes every file of the package and leaves the user's own modules.
    mkdir -p "$home/.local/share/solvantrix/library"
    echo "[Items]" > "$home/.local/share/solvantrix/library/Mine.sv"
    files=$(dpkg -L solvantrix)
    apt-get remove -y solvantrix >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt remove"; }
    installed_here=""
    while read -r path; do
        [ -f "$path" ] || [ -L "$path" ] && fail "left behind: $path"
    done <<< "$files"
    [ -d /usr/share/solvantrix ] && fail "left behind: /usr/share/solvantrix"
    [ -f "$home/.local/share/solvantrix/library/Mine.sv" ] || fail "the user's module went"
fi
echo ok
