#!/usr/bin/env bash
# Checks the links of a family site written by the book: every href of
# index.html and of each page index.html links to must name a file of the
# site's folder. Links to the stand-in page null.html (no child, no parent,
# no spouse) are expected to lead nowhere and are not reported; neither are
# web addresses and anchors. An address is read as a browser reads it: a
# raw "?" starts a query and a raw "#" a fragment, neither part of the file
# name; the rest is then percent-decoded.
#
# usage: scripts/check-site-links.sh FOLDER
# Prints each broken link as "page -> address" and exits 1 when there is one;
# exits 2 when FOLDER holds no index.html.

set -u
# Pages are Windows-1252 bytes: match them byte by byte.
export LC_ALL=C

folder=${1:-}
if [ -z "$folder" ] || [ ! -f "$folder/index.html" ]; then
  echo "usage: check-site-links.sh FOLDER (a folder holding index.html)" >&2
  exit 2
fi
cd "$folder" || exit 2

# The href values of the page's links (<a ...>; the style sheet's selectors
# name addresses too), into the array addresses. Templates end with a line
# break, so an address can start on the next line: the line breaks of each
# tag are dropped first. Only shell builtins: a site has a thousand pages.
hrefs() {
  local part parts
  addresses=()
  mapfile -d '<' parts <"$1"
  for part in "${parts[@]}"; do
    [[ $part == "a "* ]] || continue
    part=${part//[$'\r\n']/}
    [[ $part =~ ^a\ [^\>]*href=\"([^\"]*)\" ]] && addresses+=("${BASH_REMATCH[1]}")
  done
}

# The file an address asks for, into the variable target: the address up to
# its first "?" or "#", with its %XX escapes turned back into bytes.
decode() {
  local path=${1%%[?#]*}
  local escaped=${path//\\/\\\\}
  printf -v target '%b' "${escaped//%/\\x}"
}

skipped() {
  case "$1" in
    null.html | http:* | https:* | mailto:* | '#'* | '') return 0 ;;
  esac
  return 1
}

pages=("index.html")
declare -A listed=([index.html]=1)
hrefs index.html
for address in "${addresses[@]}"; do
  skipped "$address" && continue
  decode "$address"
  if [ -f "$target" ] && [ -z "${listed[$target]:-}" ]; then
    listed[$target]=1
    pages+=("$target")
  fi
done

broken=0
links=0
for page in "${pages[@]}"; do
  hrefs "$page"
  for address in "${addresses[@]}"; do
    skipped "$address" && continue
    links=$((links + 1))
    decode "$address"
    if [ ! -f "$target" ]; then
      echo "$page -> $address"
      broken=$((broken + 1))
    fi
  done
done

echo "checked ${#pages[@]} pages and $links links: $broken broken"
[ "$broken" -eq 0 ]
