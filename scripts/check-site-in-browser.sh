#!/usr/bin/env bash
# Follows a link of a family site's index.html in headless Chromium, as a
# person clicking it would: a copy of the index (beside it, so its links
# resolve alike) clicks the link whose text is NAME, and the page the
# browser then shows must be the person page of NAME, whose heading holds
# NAME and its "Indiv. N." header.
#
# usage: scripts/check-site-in-browser.sh FOLDER NAME
# NAME is given as the index shows it, in plain ASCII (no quote or
# backslash). Prints what the browser reached; exits 0 when it is the page
# of NAME, 1 when it is not, 2 on wrong usage or when Chromium is missing.

set -u

folder=${1:-}
name=${2:-}
if [ -z "$folder" ] || [ -z "$name" ] || [ ! -f "$folder/index.html" ]; then
  echo "usage: check-site-in-browser.sh FOLDER NAME (FOLDER holds index.html)" >&2
  exit 2
fi
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "check-site-in-browser.sh: chromium is not installed (scripts/setup.sh installs it)" >&2
  exit 2
fi
folder=$(cd "$folder" && pwd)
clicker="$folder/.click-$$.html"
profile=$(mktemp -d)
trap 'rm -rf "$clicker" "$profile"' EXIT

# The index as written, then a script that clicks the link of NAME.
{
  cat "$folder/index.html"
  printf '<script>for (const a of document.querySelectorAll("a"))'
  printf ' if (a.textContent.trim() === "%s") { a.click(); break; }</script>\n' "$name"
} >"$clicker"

url="file://$(printf '%s' "$clicker" | sed -e 's/%/%25/g' -e 's/ /%20/g' -e 's/#/%23/g' -e 's/?/%3F/g')"
reached=$(timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync --disable-dev-shm-usage \
  --user-data-dir="$profile" --virtual-time-budget=5000 --dump-dom "$url" 2>/dev/null | tr -d '\r')

# The person page's title: the name directly followed by its header.
title=$(printf '%s\n' "$reached" | tr -d '\n' | grep -o "<title>[^<]*</title>" | head -n 1)
echo "reached: ${title:-a page without title}"
case "$title" in
  "<title>$name"_______" Indiv. N. "*) exit 0 ;;
esac
exit 1
