#!/bin/bash
# The hand-over test (handover_test.sh: every program opens its window, and the launcher
# -> Zendary -> launcher chain) on a real Wayland compositor: Debian's weston with its
# headless backend, started here for the test. Skipped (status 77) only when weston
# cannot start at all (not installed, or it refuses to run here), saying why.
#
# usage: wayland_test.sh BIN_DIR DRIVER_LIBRARY
set -u
here=$(dirname "$(realpath "$0")")
if ! command -v weston >/dev/null 2>&1; then
    echo "skip: weston is not installed (scripts/setup test installs it)"
    exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=mystorin-test
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
XDG_RUNTIME_DIR="$runtime" weston --no-config --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "skip: weston could not start here; its log:"
    cat "$runtime/weston.log"
    exit 77
fi
echo "weston runs headless on $runtime/$socket"
MYSTORIN_TEST_WAYLAND="$runtime/$socket" bash "$here/handover_test.sh" "$@"
