# Sourced by the end-to-end helpers: waiting for a condition or for a process to end.
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
# wait_for_exit PID SECONDS: the process has ended within the time; its exit code in $exit_code.
wait_for_exit() {
    for _ in $(seq $(($2 * 10))); do
        if ! kill -0 "$1" 2>/dev/null; then
            set +e; wait "$1"; exit_code=$?; set -e
            return 0
        fi
        sleep 0.1
    done
    return 1
}
