#!/usr/bin/env bash
# Regenerates the golden files of the tree tests (tests/golden/trees/) after a
# deliberate change of the tree output. Each tree is drawn by the built kord
# on a fresh copy of the sample database, with the HTML templates in the
# parent folder as an installation has them; the text file, the HTML page and
# the printed window are kept.
#   scripts/update-golden.sh               kord from $KORD_BUILD_DIR (default build/)
#   scripts/update-golden.sh --kord PATH   use this kord
# Review the result before committing it: git diff --stat tests/golden, then
# read the changed trees (connectors, order, labels).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
kord="${KORD_BUILD_DIR:-$root/build}/cli/kord"
golden="$root/tests/golden/trees"

while [ $# -gt 0 ]; do
  case "$1" in
    --kord) [ $# -ge 2 ] || { echo "update-golden.sh: --kord needs a path" >&2; exit 2; }; kord=$2; shift ;;
    -h|--help) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "update-golden.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
[ -x "$kord" ] || { echo "update-golden.sh: no kord at $kord (build it, or pass --kord)" >&2; exit 1; }
kord="$(cd "$(dirname "$kord")" && pwd)/$(basename "$kord")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$golden"

# draw NAME COMMAND FOCUS [OPTION...]: one tree on a fresh copy of the sample.
draw() {
  local name=$1 command=$2 focus=$3 kind=Root
  shift 3
  [ "$command" = branches ] && kind=Branch
  rm -rf "$work/run"
  mkdir -p "$work/run"
  cp "$root"/data/TrHtm*.hts "$work/run/"
  cp -r "$root/data/sample" "$work/run/sample"
  (cd "$work/run" && "$kord" "$command" sample/famiglia.rni --focus "$focus" --out-to-file "$@") \
    >"$golden/$name.out" 2>"$work/$name.err" ||
    { echo "update-golden.sh: kord $command failed:" >&2; cat "$work/$name.err" >&2; exit 1; }
  local files=("$work/run/sample/"*" $kind.txt")
  [ ${#files[@]} -eq 1 ] && [ -f "${files[0]}" ] || { echo "update-golden.sh: $name wrote no tree file" >&2; exit 1; }
  cp "${files[0]}" "$golden/$name.txt"
  cp "${files[0]%.txt}.html" "$work/$name.html"
}

draw roots roots 67
draw roots-card roots 67 --card
draw branches branches 2
draw branches-card branches 2 --card

# The personal data never reach the page: one page per tree.
for tree in roots branches; do
  cmp -s "$work/$tree.html" "$work/$tree-card.html" ||
    { echo "update-golden.sh: the $tree page changes with --card" >&2; exit 1; }
  cp "$work/$tree.html" "$golden/$tree.html"
done
echo "Golden files written to $golden"
