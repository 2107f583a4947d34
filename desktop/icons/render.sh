#!/bin/sh
# Renders every icon's PNG sizes from its SVG (rsvg-convert, Debian package librsvg2-bin).
# The PNGs are committed, so a build never needs rsvg; run this again after editing an SVG.
set -eu
cd "$(dirname "$0")"
for svg in org.mystorin.*.svg; do
  for size in 16 32 48 64 128 256; do
    mkdir -p "$size"
    rsvg-convert --width "$size" --height "$size" --output "$size/${svg%.svg}.png" "$svg"
  done
done
