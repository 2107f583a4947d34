#!/bin/bash
# The runner started with a TMPDIR it cannot write: it must stop with exit code 2 and say
# why, and leave the folder it was started in as it was (it removes only the root it made).
#
# usage: unwritable_tmpdir.sh RUNNER
#
# A folder a user cannot write needs a user other than root, so as root the runner is
# played as nobody; if nobody cannot reach the runner where the build tree lies, a copy
# of it is played instead.
set -u
runner=$(realpath "$1")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir "$work/start" "$work/tmp"
echo "keep me" >"$work/start/precious.txt"
printf 'program pulsara\nclose\n' >"$work/script.scn"
chmod 644 "$work/script.scn" "$work/start/precious.txt"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    if ! command -v setpriv >/dev/null || ! getent passwd nobody >/dev/null; then
        echo "skip: running as root and no other user to run as"
        exit 0
    fi
    as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
    chown nobody "$work/start"
    if ! "${as_user[@]}" test -x "$runner"; then
        mkdir -p "$work/bin"
        cp "$runner" "$work/bin/"
        chmod 755 "$work/bin" "$work/bin/$(basename "$runner")"
        runner=$work/bin/$(basename "$runner")
    fi
fi
chmod 555 "$work/tmp"

output=$(cd "$work/start" && env TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen timeout 60 \
    "${as_user[@]}" "$runner" "$work/script.scn" 2>&1)
code=$?
failed=0
if [ "$code" -ne 2 ]; then
    echo "FAIL: exit code $code, expected 2"
    failed=1
fi
if ! grep -q "cannot make a temporary folder" <<<"$output"; then
    echo "FAIL: no message about the temporary folder"
    failed=1
fi
if [ "$(ls -A "$work/start")" != precious.txt ] || [ "$(cat "$work/start/precious.txt" 2>/dev/null)" != "keep me" ]; then
    echo "FAIL: the folder the runner was started in changed: $(ls -A "$work/start")"
    failed=1
fi
if [ -n "$(ls -A "$work/tmp")" ]; then
    echo "FAIL: something was left in TMPDIR"
    failed=1
fi
echo "$output" | head -20
[ "$failed" -eq 0 ] && echo "pass: the runner stops and leaves the folder it was started in"
exit "$failed"
