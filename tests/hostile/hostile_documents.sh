#!/bin/bash
# Feeds the report viewer and the help window documents made to hang, bloat or crash
# them, and fails on any that takes a second of processor time or more, grows the
# program past a few hundred MB, crashes it or blocks it.
#
# usage: hostile_documents.sh SHOW_DOCUMENT
#
# SHOW_DOCUMENT (show_document.cpp) shows one file in one window and prints
# "seconds S peak MB". Every document is made here, in a folder of its own; a pipe and a
# picture lie outside it, where a page names them.
set -u
show=$(realpath "$1")
work=$(mktemp -d)
pipe_writer=
cleanup() {
    [ -n "$pipe_writer" ] && kill "$pipe_writer" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/docs" "$work/outside"
docs=$work/docs
seconds_bound=1.0
peak_bound=400        # MB
wall_bound=${HOSTILE_WALL_SECONDS:-30} # s: a blocked window is killed here and fails
memory_cap=3000000000 # bytes of address space: a runaway allocation crashes, and fails

repeat() { # TEXT TIMES
    local text=$1 times=$2
    yes -- "$text" | head -n "$times" | tr -d '\n'
}
nested() { # OPEN CLOSE DEPTH
    printf '<html><body>'
    repeat "$1" "$3"
    printf 'x'
    repeat "$2" "$3"
    printf '</body></html>'
}

# Pages and texts.
head -c $((4 << 20)) /dev/zero | tr '\0' 'x' >"$docs/long_line.txt"
repeat 'word ' $(((16 << 20) / 5)) >"$docs/long_words_line.txt"
yes 'Ballora Report For: anna lee' | head -c $((16 << 20)) >"$docs/many_lines.txt"
yes 'a line' | head -n 400000 | tr '\n' '\r' >"$docs/cr_only.txt"
{ printf '<html><body><p>'; head -c $((4 << 20)) /dev/zero | tr '\0' 'x'; printf '</p></body></html>'; } >"$docs/long_word.html"
nested '<table><tr><td>' '</td></tr></table>' 2000 >"$docs/tables_2000.html"
nested '<table><tr><td>' '</td></tr></table>' 30 >"$docs/tables_30.html"
nested '<table><tr><td>' '' 5000 >"$docs/tables_unclosed.html"
{ printf '<table>'; repeat "<tr>$(repeat '<td>1</td>' 300)</tr>" 300; printf '</table>'; } >"$docs/table_300x300.html"
nested '<div>' '</div>' 100000 >"$docs/divs.html"
nested '<ul><li>' '</li></ul>' 50000 >"$docs/lists.html"
nested '<b><i>' '</i></b>' 50000 >"$docs/bold_italic.html"
repeat '<img src="none.png" width="30000" height="30000">' 50 >"$docs/huge_pictures.html"

# Resources: devices, a pipe and a picture outside the folder, a link to the pipe.
mkfifo "$work/outside/pipe.png"
printf 'P1\n1 1\n1\n' >"$work/outside/picture.pbm"
ln -s "$work/outside/pipe.png" "$docs/link.png"
{
    printf '<html><head><link rel="stylesheet" href="/dev/zero"></head><body>'
    for name in /dev/zero file:///dev/zero /dev/urandom "$work/outside/pipe.png" "file://$work/outside/pipe.png" \
        link.png ../outside/picture.pbm "$work/outside/picture.pbm" http://example.com/a.png; do
        printf '<img src="%s">' "$name"
    done
    printf '</body></html>'
} >"$docs/resources.html"

# The document itself replaced by a device or a pipe.
ln -s /dev/zero "$docs/zero.html"
mkfifo "$docs/pipe.txt"

# AddressSanitizer reserves terabytes of address space: a build with it gets no cap and
# looser bounds.
limit=(prlimit --as=$memory_cap)
if ldd "$show" | grep -q libasan; then
    limit=()
    seconds_bound=4.0
    peak_bound=1500
fi

failures=0
play() { # WINDOW FILE NAME
    local window=$1 file=$2 name="$1 $3" output status
    output=$(cd "$work/outside" && "${limit[@]}" timeout $wall_bound "$show" "$window" "$file" 2>&1)
    status=$?
    if [ $status -ne 0 ]; then
        echo "FAIL $name: exit status $status (124: blocked; above 128: crashed)"
        echo "$output" | tail -5
        failures=$((failures + 1))
        return
    fi
    read -r _ seconds _ peak <<<"$(grep '^seconds ' <<<"$output")"
    if [ -z "$seconds" ] || ! awk -v s="$seconds" -v b=$seconds_bound 'BEGIN { exit !(s < b) }' ||
        [ "$peak" -ge $peak_bound ]; then
        echo "FAIL $name: ${seconds:-?} s (bound $seconds_bound), ${peak:-?} MB (bound $peak_bound)"
        failures=$((failures + 1))
        return
    fi
    echo "pass $name: $seconds s, $peak MB"
}

for file in "$docs"/*.txt "$docs"/*.html; do
    play viewer "$file" "$(basename "$file")"
    cp -a "$file" "$docs/Zdr.hlp" && play help "$docs/Zdr.hlp" "$(basename "$file")"
    rm -f "$docs/Zdr.hlp"
done
exit $((failures > 0))
