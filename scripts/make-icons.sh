#!/usr/bin/env bash
# Draws the PNG sizes of the program icon from packaging/icons/org.kord.Kord.svg
# into packaging/icons/hicolor/<size>/apps/. Done by hand after a change of the
# drawing; the results are committed, so building needs neither tool.
# Needs Chromium (renders the SVG exactly) and ImageMagick (scales it down).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
icons="$root/packaging/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in chromium convert; do
  command -v "$tool" >/dev/null || { echo "make-icons.sh: $tool is missing" >&2; exit 1; }
done

# Twice the largest size, so that every size is a clean reduction.
chromium --headless --no-sandbox --disable-gpu --disable-background-networking --hide-scrollbars \
  --default-background-color=00000000 --force-device-scale-factor=2 --window-size=256,256 \
  --screenshot="$work/icon.png" "file://$icons/org.kord.Kord.svg" >/dev/null 2>&1
[ -s "$work/icon.png" ] || { echo "make-icons.sh: Chromium drew nothing" >&2; exit 1; }

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/hicolor/${size}x${size}/apps"
  convert "$work/icon.png" -filter Lanczos -resize "${size}x${size}" -strip \
    "PNG32:$icons/hicolor/${size}x${size}/apps/org.kord.Kord.png"
done
echo "make-icons.sh: icons written to $icons/hicolor"
