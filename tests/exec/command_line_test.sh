#!/bin/bash
# The command line of every program and of the mystorin command, on the real executables:
# Qt's standard options start the program (it is still up a few seconds later),
# --help lists them, an unknown option is refused in one line that names it, and
# without a desktop session each says so in one line and exits with status 3.
#
# usage: command_line_test.sh PROGRAMS_DIR MYSTORIN_COMMAND
set -u
bin=$(realpath "$1")
mystorin=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
printf '160 1 1 2000' >"$work/data/zdr.ini" # not the launcher's first run
printf 'QWidget { color: black; }\n' >"$work/look.qss"
programs="bar zendary duovell kismora quorvex lexivar furlova pulsara ballora psyvane furrowen"
failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}
# A clean environment with the test's own folders; the caller adds the display's.
clean_env=(env -i PATH="/usr/bin:/bin" HOME="$work" MYSTORIN_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
    XDG_DATA_HOME="$work/share" XDG_RUNTIME_DIR="$work/runtime"
    ${LD_LIBRARY_PATH:+LD_LIBRARY_PATH="$LD_LIBRARY_PATH"} ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"}
    ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"})

# Started together, offscreen, with Qt's options: each must still be up after 5 s.
pids=()
for program in $programs; do
    extra=()
    [ "$program" = zendary ] && extra=(-stylesheet "$work/look.qss" -qwindowgeometry 600x500+10+10 --session s1)
    "${clean_env[@]}" QT_QPA_PLATFORM=offscreen "$bin/$program" -style Fusion -reverse "${extra[@]}" execv \
        >"$work/$program.out" 2>&1 &
    pids+=($!)
done
"${clean_env[@]}" QT_QPA_PLATFORM=offscreen MYSTORIN_HOME="$work/data" "$mystorin" -style=Fusion -reverse \
    >"$work/mystorin.out" 2>&1 &
pids+=($!)
sleep 5
names=($programs mystorin)
for i in "${!pids[@]}"; do
    if kill -0 "${pids[$i]}" 2>/dev/null; then
        echo "pass ${names[$i]} starts with Qt's options"
    else
        fail "${names[$i]} ended on Qt's options:"
        cat "$work/${names[$i]}.out"
    fi
    kill "${pids[$i]}" 2>/dev/null
done
wait 2>/dev/null

for command in $programs mystorin; do
    path="$bin/$command"
    [ "$command" = mystorin ] && path=$mystorin
    if [ "$command" != mystorin ]; then
        help=$("${clean_env[@]}" "$path" --help 2>&1)
        for text in "-style STYLE" "-platform NAME" "-reverse" "-qwindowgeometry" "execv" "3 when there"; do
            [[ "$help" == *"$text"* ]] || fail "$command --help does not list $text"
        done
    fi

    status=0
    "${clean_env[@]}" QT_QPA_PLATFORM=offscreen "$path" -stlye Fusion >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -ne 2 ] || [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -q "unknown option '-stlye'" "$work/err"; then
        fail "$command -stlye: status $status, stderr:"
        cat "$work/err"
    fi

    # No DISPLAY, no WAYLAND_DISPLAY, no platform chosen.
    status=0
    "${clean_env[@]}" "$path" >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -ne 3 ] || [ "$(wc -l <"$work/err")" -ne 1 ] ||
        ! grep -q "needs a graphical desktop session: " "$work/err"; then
        fail "$command without a display: status $status, stderr:"
        cat "$work/err"
    else
        echo "pass $command without a display: $(cat "$work/err")"
    fi
done
exit $((failures > 0))
