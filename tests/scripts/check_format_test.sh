#!/bin/bash
# scripts/check-format in a source archive (no git) and in a clone, from a folder whose
# path has a blank: it passes on formatted files, fails naming a badly formatted one, and
# in an archive leaves build folders alone.
#
# usage: check_format_test.sh SOURCE_DIR
set -u
source_dir=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/source tree"
mkdir -p "$tree/scripts" "$tree/shell" "$tree/build here"
cp "$source_dir/scripts/check-format" "$tree/scripts/"
cp "$source_dir/.clang-format" "$tree/"
cp "$source_dir/shell/command_line.h" "$source_dir/shell/command_line.cpp" "$tree/shell/"
badly='int  main( ){return 0;}'
# A build folder of the archive may hold generated files in any style.
touch "$tree/build here/CMakeCache.txt"
printf '%s\n' "$badly" >"$tree/build here/generated.cpp"
failures=0
expect() { # NAME STATUS PATTERN: the last run's status and output
    if [ "$status" -ne "$2" ] || ! grep -q -- "$3" "$work/out"; then
        echo "FAIL $1: status $status, output:"
        cat "$work/out"
        failures=$((failures + 1))
    else
        echo "pass $1"
    fi
}
run() {
    status=0
    (cd "$work" && "$tree/scripts/check-format") >"$work/out" 2>&1 || status=$?
}

run
expect "an archive of formatted files passes" 0 "not a git clone"
printf '%s\n' "$badly" >"$tree/shell/bad.cpp"
run
expect "an archive with a badly formatted file fails" 1 "shell/bad.cpp"

if command -v git >/dev/null 2>&1; then
    git -C "$tree" init -q
    git -C "$tree" add scripts shell .clang-format
    run
    expect "a clone with a badly formatted file fails" 1 "shell/bad.cpp"
    git -C "$tree" rm -q --cached shell/bad.cpp
    run
    expect "a clone checks only git's files" 0 "git's files"
else
    echo "skip the clone's cases: git is not installed"
fi
exit $((failures > 0))
