#!/bin/bash
# The hand-over between programs really replaces the process.
#
# usage: handover_test.sh BIN_DIR DRIVER_LIBRARY
#
# Each case copies some of the built programs into a fresh bin folder (copies, not
# links: a program finds its siblings beside its own resolved path), so that exactly
# those programs exist. The first program is started offscreen with the driver library
# preloaded (see driver.cpp); the driver logs every process start with its pid and
# arguments and every window, and presses and closes as the case's steps say. A case
# passes when the program chain ends with status 0 and the log, with the pid taken out,
# is the expected one, and every "start" line carries the same pid: the programs
# replaced each other in one process rather than starting new ones.
#
# Offscreen by default; with MYSTORIN_TEST_WAYLAND set to a Wayland compositor's socket
# (an absolute path; see wayland_test.sh) every case runs on that compositor instead.
set -u
bin=$(realpath "$1")
driver=$(realpath "$2")
# Under the current (build) folder rather than /tmp, which may forbid running programs.
work=$(mktemp -d "$PWD/handover.XXXXXX")
# A program built with AddressSanitizer wants the sanitizer's runtime first in the
# preload list, before the driver. The list is split at blanks and colons, so the driver
# is named by a link in a folder of its own in /tmp, whatever the build folder's path holds.
asan=$(ldd "$bin/zendary" | awk '/libasan/ { print $3 }')
links=$(mktemp -d /tmp/handover-preload.XXXXXX)
ln -s "$driver" "$links/"
preload="${asan:+$asan:}$links/$(basename "$driver")"
trap 'rm -rf "$work" "$links"' EXIT
platform=(QT_QPA_PLATFORM=offscreen)
if [ -n "${MYSTORIN_TEST_WAYLAND:-}" ]; then
    platform=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$MYSTORIN_TEST_WAYLAND")
fi
failures=0
bar_title="  Discover all the secrets to your past, present and future today..."

# run_case NAME "PROGRAMS COPIED" FIRST_PROGRAM "STEPS" EXPECTED_LOG
run_case() {
    local name=$1 programs=$2 first=$3 steps=$4 expected=$5
    rm -rf "$work/case"
    mkdir -p "$work/case/bin" "$work/case/data" "$work/case/config/Mystorin" "$work/case/runtime"
    chmod 700 "$work/case/runtime"
    for program in $programs; do
        cp "$bin/$program" "$work/case/bin/"
    done
    # Not a first run of the launcher, and no tip of the day before the main program.
    printf '160 1 1 2000' >"$work/case/data/zdr.ini"
    for program in zendary duovell kismora quorvex lexivar furlova pulsara ballora psyvane furrowen; do
        printf '[Tip]\nStartUp=1\n' >"$work/case/config/Mystorin/$program.ini"
    done
    local log="$work/case/log"
    (
        cd "$work/case/bin" &&
        env -i PATH="/usr/bin:/bin" HOME="$work/case" XDG_CONFIG_HOME="$work/case/config" \
            ${LD_LIBRARY_PATH:+LD_LIBRARY_PATH="$LD_LIBRARY_PATH"} ${QT_PLUGIN_PATH:+QT_PLUGIN_PATH="$QT_PLUGIN_PATH"} \
            XDG_DATA_HOME="$work/case/share" XDG_RUNTIME_DIR="$work/case/runtime" \
            MYSTORIN_HOME="$work/case/data" "${platform[@]}" \
            MYSTORIN_DRIVE="$steps" MYSTORIN_DRIVE_LOG="$log" \
            ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} \
            ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
            timeout 30 env LD_PRELOAD="$preload" "./$first"
    ) >/dev/null 2>&1
    local status=$?
    local pids actual
    pids=$(awk '$1 == "start" { print $2 }' "$log" | sort -u | wc -l)
    actual=$(sed -E 's/^start [0-9]+ /start /' "$log")
    if [ "$status" -ne 0 ] || [ "$pids" -ne 1 ] || [ "$actual" != "$expected" ]; then
        echo "FAIL $name: status $status, $pids distinct pid(s)"
        echo "--- expected"; echo "$expected"
        echo "--- actual"; cat "$log"
        failures=$((failures + 1))
    else
        echo "pass $name"
    fi
}

# Closing the main program through its exit path replaces it with the launcher, started
# as "bar execv"; closing the launcher ends the chain.
run_case "zendary hands over to bar" "zendary bar" zendary "close;close" "start ./zendary
window Zendary 2000
close Zendary 2000
start bar execv
window $bar_title
close $bar_title"

# A program that is not there leaves the launcher open without a message: the next
# step still finds the launcher's window, and closing it ends normally.
run_case "bar stays open for a missing program" "bar" bar "press 1;press 1000;close" "start ./bar
window $bar_title
press 1 in $bar_title
press 1000 in $bar_title
close $bar_title"

# A program that is there replaces the launcher as "zendary execv", and hands back.
run_case "bar hands over to zendary and back" "bar zendary" bar "press 1;close;close" "start ./bar
window $bar_title
press 1 in $bar_title
start zendary execv
window Zendary 2000
close Zendary 2000
start bar execv
window $bar_title
close $bar_title"

# Every program opens its main window; closing it ends the program (no launcher here).
while IFS='|' read -r program title; do
    run_case "$program opens its window" "$program" "$program" "close" "start ./$program
window $title
close $title"
done <<'PROGRAMS'
zendary|Zendary 2000
duovell|Duovell 2000
kismora|Kismora 2000
quorvex|Quorvex 2000
lexivar|Lexivar 2000
furlova|Furlova 2000
pulsara| Pulsara 2000
ballora|Ballora 2000
psyvane|Psyvane 2000
furrowen|Furrowen 2000
PROGRAMS

exit $((failures > 0))
