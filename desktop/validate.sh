#!/bin/sh
# Checks the desktop files: every menu entry and the AppStream data pass their validators,
# every PNG icon has its size, and no two programs share an SVG. That each program has its
# entry and icons at all is check-program-list.sh's part.
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
  if [ -f "$entry" ] && { ! report=$(desktop-file-validate "$entry" 2>&1) || [ -n "$report" ]; }; then
    fail "desktop-file-validate $entry: $report"
  fi
  for size in $sizes; do
    png=icons/$size/org.mystorin.$id.png
    [ ! -f "$png" ] || [ "$(png_size "$png")" = "${size}x$size" ] ||
      fail "$png is $(png_size "$png"), not ${size}x$size"
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
