#!/bin/sh
# Checks that every program of the suite's list (MYSTORIN_PROGRAMS in CMake) has everything
# that names it outside the code: its menu entry, its icon at every size, its line in the
# mystorin command's help and its place in the command's list, its button in the launcher,
# its place in the manual page, the AppStream data and the package description; and that no
# menu entry or icon is left over from a program that is not in the list.
# Usage: check-program-list.sh SOURCE_FOLDER MYSTORIN "PROGRAM..." "SIZE..."
set -eu
source_folder=$1
command=$2
programs=$3
sizes=$4
cd "$source_folder/desktop"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The desktop id: the name capitalised; the launcher's is the suite's own.
desktop_id() {
  name=$1
  [ "$name" != bar ] || name=mystorin
  printf '%s%s' "$(printf '%s' "$name" | cut -c1 | tr '[:lower:]' '[:upper:]')" "$(printf '%s' "$name" | cut -c2-)"
}

help=$("$command" --help)
ids=""
for program in $programs; do
  id=$(desktop_id "$program")
  ids="$ids $id"
  entry=entries/org.mystorin.$id.desktop
  if [ -f "$entry" ]; then
    exec_line="Exec=mystorin $program"
    [ "$program" != bar ] || exec_line="Exec=mystorin"
    grep -qx "$exec_line" "$entry" || fail "$entry does not say $exec_line"
    grep -qx "Icon=org.mystorin.$id" "$entry" || fail "$entry does not name icon org.mystorin.$id"
    grep -qx "StartupWMClass=$program" "$entry" || fail "$entry does not say StartupWMClass=$program"
  else
    fail "$program has no menu entry $entry"
  fi
  [ -f "icons/org.mystorin.$id.svg" ] || fail "$program has no icon icons/org.mystorin.$id.svg"
  for size in $sizes; do
    [ -f "icons/$size/org.mystorin.$id.png" ] || fail "$program has no icon icons/$size/org.mystorin.$id.png"
  done
  printf '%s\n' "$help" | grep -q "^  $program  *[a-z]" || fail "mystorin --help does not list $program"
  grep -qx ".B $program" mystorin.1 || fail "the manual page does not list $program"
  if [ "$program" != bar ]; then
    grep -qF "\"$program\"" ../bar/window/launcher_table.cpp || fail "the launcher has no button for $program"
    grep -q "<li>$id[:,] " org.mystorin.Mystorin.metainfo.xml || fail "the AppStream data does not list $id"
    grep -qF "($id)" packaging.cmake || fail "the package description does not name $id"
  fi
done

# Nothing left over from a program that has left the list.
for file in entries/*.desktop icons/*.svg; do
  id=${file##*/org.mystorin.}
  id=${id%.*}
  case " $ids " in
  *" $id "*) ;;
  *) fail "$file belongs to no program of the list" ;;
  esac
done

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "every program of the list has its entry, icons and places: $programs"
