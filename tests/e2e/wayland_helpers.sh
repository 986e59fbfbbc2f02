# Sourced after e2e_env.sh: a headless sway of our own, run as an ordinary user (sway refuses
# root; as root the session runs as nobody), with helpers that read its outputs.

# The programs under test ($program, and $socket_host when set) run from copies of our own:
# the session's user may not reach the build tree.
mkdir -p "$root/bin"
cp "$program" "$root/bin/solvantrix"
program=$root/bin/solvantrix
if [ -n "${socket_host:-}" ]; then
    cp "$socket_host" "$root/bin/wayland_socket_host"
    socket_host=$root/bin/wayland_socket_host
fi
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$root"
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
export HOME=$root/home
mkdir -p "$HOME"
[ -n "$as_user" ] && chown nobody:nogroup "$HOME"

source "$(dirname "${BASH_SOURCE[0]}")/wait_helpers.sh"

# start_sway: headless sway with one 800x600 output (its pid in $sway); sets WAYLAND_DISPLAY
# and SWAYSOCK for the clients.
start_sway() {
    printf 'output HEADLESS-1 resolution 800x600\n' > "$root/sway.config"
    chmod 644 "$root/sway.config"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        $as_user sway -c "$root/sway.config" > "$root/sway.log" 2>&1 &
    sway=$!
    local socket
    wait_for 'socket=$(ls "$XDG_RUNTIME_DIR" | grep -x "wayland-[0-9]*" | head -1) && [ -n "$socket" ]' ||
        { echo "sway did not start"; cat "$root/sway.log"; return 1; }
    export WAYLAND_DISPLAY=$socket
    wait_for 'SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1) && [ -n "$SWAYSOCK" ]' ||
        { echo "sway's IPC socket did not appear"; return 1; }
    export SWAYSOCK
    wait_for '$as_user swaymsg -t get_outputs >/dev/null 2>&1'
}

# add_scaled_output: a second output, 640x480 pixels at scale 2, right of the first.
add_scaled_output() {
    $as_user swaymsg create_output >/dev/null
    $as_user swaymsg output HEADLESS-2 resolution 640x480 scale 2 >/dev/null
}

# look OUTPUT: the mean and the standard deviation of the output's pixels now (0 .. 1), "none"
# when it cannot be read.
look() {
    local shot=$root/shot-$1-$RANDOM.png
    $as_user grim -o "$1" "$shot" 2>/dev/null || { echo none; return; }
    convert "$shot" -alpha off -format '%[fx:mean] %[fx:standard_deviation]' info: 2>/dev/null ||
        echo none
    [ -n "${KEEP_SCREENSHOTS:-}" ] && cp "$shot" "$KEEP_SCREENSHOTS/"
    rm -f "$shot"
}
# starfield_on OUTPUT: the output shows the moving starfield: twice, 0.3 s apart, bright stars
# on a dark sky (neither black nor a plain colour such as the compositor's own background),
# and not the same picture.
starfield_on() {
    local first second
    first=$(look "$1")
    sleep 0.3
    second=$(look "$1")
    [ "$first" != none ] && [ "$second" != none ] || return 1
    awk -v a="$first" -v b="$second" 'BEGIN{
        split(a, x, " "); split(b, y, " ")
        exit !(x[2] > 0.03 && y[2] > 0.03 && (x[1] != y[1] || x[2] != y[2]))}'
}
# wait_for_starfield OUTPUT: a loaded machine may take a while to load the module.
wait_for_starfield() {
    for _ in $(seq 40); do starfield_on "$1" && return 0; sleep 0.5; done
    return 1
}
# press_key: one key through a virtual keyboard; the pause lets the seat's new keyboard reach
# the clients before the key does.
press_key() { $as_user wtype -s 400 -k space; }
