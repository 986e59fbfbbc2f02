# Sourced inside the X session.
source "$(dirname "${BASH_SOURCE[0]}")/wait_helpers.sh"
# window_named TITLE: the id of a visible window whose title is exactly TITLE; empty when none.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
# mean_rgb X Y W H: the average colour of a screen rectangle as "R G B" (0..255).
mean_rgb() {
    import -window root -crop "$3x$4+$1+$2" +repage -resize 1x1\! -depth 8 txt:- |
        sed -n 's/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' | head -1
}
# start_until CONDITION PROGRAM ARGS...: starts the program in the background (its pid in
# $started) and waits until CONDITION holds. A start that dies first is tried again: under a
# heavily loaded machine Xvfb can be too slow to take a new client, and the program then ends
# with "Can't open display".
start_until() {
    local condition=$1
    shift
    for _ in 1 2 3; do
        "$@" &
        started=$!
        for _ in $(seq 150); do
            eval "$condition" && return 0
            kill -0 "$started" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$started" 2>/dev/null && return 1
        sleep 0.5
    done
    return 1
}
# start_window_manager openbox|i3: runs that window manager on the display (its pid in
# $window_manager; it ends with the X server) and waits until it manages the screen. i3 gets a
# bar, as a user's desktop has one, so that a window asking for full screen has something to cover.
start_window_manager() {
    local config
    config=$(mktemp)
    case $1 in
    openbox) openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >/dev/null 2>&1 & ;;
    i3)
        printf 'font pango:monospace 8\nbar {\n    status_command true\n}\n' > "$config"
        i3 -c "$config" >/dev/null 2>&1 &
        ;;
    *) echo "unknown window manager $1"; rm -f "$config"; return 1 ;;
    esac
    window_manager=$!
    local status=0
    wait_for "window_manager_is $1" || status=1
    rm -f "$config"
    return $status
}
# window_manager_is NAME: the window manager that manages the screen names itself NAME.
window_manager_is() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/{print $NF}')
    [ -n "$check" ] && xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -qi "\"$1\""
}
