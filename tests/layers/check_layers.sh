#!/bin/sh
# The layer rule, checked from what the compiler really read: no object of a core library
# (the number rules, shell_core, pair, each program's _core) includes a Qt Widgets, Gui or
# PrintSupport header, or one of our window headers (shell/gui/, <program>/window/). The
# compiler's dependency records in ninja's log name every header each object read, so an
# include that compiles (the Qt include root is on every path) is still caught.
# Usage: check_layers.sh NINJA BUILD_FOLDER SOURCE_FOLDER "CORE_TARGET..."
set -eu
ninja=$1
build=$2
source=$3
cores=$4

case "$ninja" in
*ninja*) ;;
*)
  echo "skipped: the layer check reads ninja's dependency records; this build uses $ninja"
  exit 77
  ;;
esac

"$ninja" -C "$build" -t deps | awk -v cores=" $cores " -v source="$source/" '
  # A record starts "CMakeFiles/<target>.dir/<object>: #deps N, ..." and lists one
  # header a line, indented, until a blank line.
  /^[^ ]/ {
    object = $1
    sub(/:$/, "", object)
    target = object
    sub(/^CMakeFiles\//, "", target)
    sub(/\.dir\/.*/, "", target)
    checked = index(cores, " " target " ") > 0
    if (checked) objects++
    next
  }
  checked && NF {
    header = $1
    forbidden = header ~ /\/Qt(Widgets|Gui|PrintSupport)\// ||
                (index(header, source) == 1 &&
                 substr(header, length(source) + 1) ~ /^(shell\/gui\/|[a-z_]+\/window\/)/)
    if (forbidden) {
      print "FAIL: " target " (" object ") includes " header
      failures++
    }
  }
  END {
    if (objects == 0) {
      print "FAIL: no dependency records of the core libraries: build them first"
      exit 1
    }
    if (failures) {
      print failures " forbidden include(s)"
      exit 1
    }
    print objects " objects of the core libraries include nothing from the windows"
  }'
