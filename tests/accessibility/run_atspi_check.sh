#!/usr/bin/env bash
# Runs atspi_check.py as a screen reader's session would: its own X server and window
# manager, its own D-Bus session and accessibility bus, the programs with accessibility on.
# usage: run_atspi_check.sh BIN_DIR [--measure] [PROGRAM...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${MYSTORIN_A11Y_SESSION:-}" ]; then
  exec env MYSTORIN_A11Y_SESSION=1 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
# Asking for the accessibility bus starts it (D-Bus activation); it takes a moment to come
# up, and the check waits for it too.
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
/usr/bin/python3 "$here/atspi_check.py" "$@"
