#!/bin/bash
# Plays one write site's scenario against each kind of write fault.
#
# usage: write_faults.sh RUNNER FULL_DISK_LIBRARY SITE.scn
#
# SITE.scn puts "@KIND@" where a fault command takes its kind; a line that starts with
# "@only KIND,KIND@ " is played only for those kinds (an answer to a question that only
# an old file brings up). For every kind (full, readonly, file-for-folder,
# folder-for-file) the script is played with that kind and its output compared with
# SITE.KIND.out when there is one, else with SITE.out. A full disk
# is the library preloaded into the runner (full_disk.c); a read-only folder needs a user
# other than root, so as root that kind runs as nobody, or is skipped with a note when
# no such user can be had. Nobody may not reach the build (a clone under a mode-700
# /root): that kind runs a copy of the runner, its documents and the library, made where
# nobody can read them.
set -u
runner=$(realpath "$1")
shim=$(realpath "$2")
site=$3
name=$(basename "$site" .scn)
folder=$(dirname "$site")
work=$(mktemp -d)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

# A runner built with AddressSanitizer wants its runtime first in the preload list. The
# list is split at blanks and colons, so the library is named by a link in the work
# folder, whatever the build folder's path holds.
asan=$(ldd "$runner" | awk '/libasan/ { print $3 }')
mkdir "$work/preload"
ln -s "$shim" "$work/preload/"
preload="${asan:+$asan:}$work/preload/$(basename "$shim")"

as_other_user=()
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null && getent passwd nobody >/dev/null; then
        as_other_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
    else
        as_other_user=(none)
    fi
fi

# link_or_copy FILE... DIR: a hard link where the file system allows one, else a copy.
link_or_copy() {
    local target=${*: -1}
    for file in "${@:1:$#-1}"; do
        ln -f "$file" "$target/" 2>/dev/null || cp -f "$file" "$target/"
    done
}
other_runner=$runner other_preload=$preload
if [ ${#as_other_user[@]} -gt 0 ] && [ "${as_other_user[0]}" != none ]; then
    mkdir -p "$work/other/bin" "$work/other/share/mystorin" "$work/other/lib"
    link_or_copy "$runner" "$work/other/bin"
    link_or_copy "$shim" "$work/other/lib"
    docs=$(dirname "$runner")/../share/mystorin
    [ -d "$docs" ] && link_or_copy "$docs"/* "$work/other/share/mystorin"
    chmod -R a+rX "$work/other"
    other_runner=$work/other/bin/$(basename "$runner")
    other_preload="${asan:+$asan:}$work/other/lib/$(basename "$shim")"
fi

failures=0
for kind in full readonly file-for-folder folder-for-file; do
    awk -v kind="$kind" '
        /^@only [a-z,-]+@ / {
            split(substr($2, 1, length($2) - 1), kinds, ",")
            keep = 0
            for (i in kinds) if (kinds[i] == kind) keep = 1
            if (!keep) next
            sub(/^@only [a-z,-]+@ /, "")
        }
        { gsub(/@KIND@/, kind); print }' "$site" >"$work/$name.$kind.scn"
    expected="$folder/$name.$kind.out"
    [ -f "$expected" ] || expected="$folder/$name.out"
    cp "$expected" "$work/$name.$kind.out"
    chmod 644 "$work/$name.$kind.scn" "$work/$name.$kind.out"
    command=("$runner" --check "$work/$name.$kind.scn")
    kind_preload=$preload
    if [ "$kind" = readonly ] && [ ${#as_other_user[@]} -gt 0 ]; then
        if [ "${as_other_user[0]}" = none ]; then
            echo "skip $name readonly: running as root and no other user to run as"
            continue
        fi
        command=("${as_other_user[@]}" "$other_runner" --check "$work/$name.$kind.scn")
        kind_preload=$other_preload
    fi
    if output=$(cd "$work" && env LD_PRELOAD="$kind_preload" timeout 60 "${command[@]}" 2>&1); then
        echo "pass $name $kind"
    else
        echo "FAIL $name $kind"
        echo "$output"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
