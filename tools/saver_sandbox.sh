# Sourced by the tools that run the real screen saver under their own Xvfb: a private root
# with its own XDG directories, so no run touches the user's settings, and the frame counter
# built into it. Sets `root`, `settings` and `swapcount`; the caller keeps the saver's process
# id in `saver`, which is ended, with the root removed, when the tool exits.
root=$(mktemp -d)
saver=""
trap '[ -n "$saver" ] && kill "$saver" 2>/dev/null; wait 2>/dev/null || true; rm -rf "$root"' EXIT
export XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_RUNTIME_DIR=$root/runtime
export XDG_STATE_HOME=$root/state
mkdir -p "$XDG_CONFIG_HOME/solvantrix" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/solvantrix/Solvantrix!.ini
swapcount=$root/swapcount.so
cc -O2 -shared -fPIC "$(dirname "${BASH_SOURCE[0]}")/swapcount.c" -o "$swapcount" -ldl
