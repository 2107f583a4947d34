#!/bin/sh
# Checks the desktop files: every menu entry and the AppStream data pass their validators,
# every id has its SVG and every PNG size (of that size, listed in icons.qrc), and no two
# programs share an SVG.
# Usage: validate.sh DESKTOP_FOLDER "ID..." "SIZE..."
set -eu
folder=$1
ids=$2
sizes=$3
cd "$folder"

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (Debian packages desktop-file-utils, appstream)"
    exit 77
  fi
done

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The width and height in a PNG's header, as "WxH".
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

for id in $ids; do
  entry=entries/org.mystorin.$id.desktop
  if [ ! -f "$entry" ]; then
    fail "$entry is missing"
  elif ! report=$(desktop-file-validate "$entry" 2>&1) || [ -n "$report" ]; then
    fail "desktop-file-validate $entry: $report"
  fi
  grep -qx "Icon=org.mystorin.$id" "$entry" 2>/dev/null || fail "$entry does not name icon org.mystorin.$id"

  [ -f "icons/org.mystorin.$id.svg" ] || fail "icons/org.mystorin.$id.svg is missing"
  for size in $sizes; do
    png=icons/$size/org.mystorin.$id.png
    if [ ! -f "$png" ]; then
      fail "$png is missing"
      continue
    fi
    [ "$(png_size "$png")" = "${size}x$size" ] || fail "$png is $(png_size "$png"), not ${size}x$size"
    grep -qF "<file alias=\"org.mystorin.$id/$size.png\">$size/org.mystorin.$id.png</file>" icons/icons.qrc ||
      fail "icons/icons.qrc does not list $png"
  done
done

duplicates=$(cd icons && cksum org.mystorin.*.svg | awk '{ print $1, $2 }' | sort | uniq -d)
[ -z "$duplicates" ] || fail "identical SVG icons: $(cd icons && cksum org.mystorin.*.svg | sort)"

if ! appstreamcli validate --no-net org.mystorin.Mystorin.metainfo.xml; then
  fail "appstreamcli validate org.mystorin.Mystorin.metainfo.xml"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "desktop files: all valid"
