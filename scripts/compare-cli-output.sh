#!/usr/bin/env bash
# Runs every command of `kord` on a copy of the sample database and
# compares what it prints (standard output, standard error, exit status) with
# tests/golden/cli/output.txt, byte for byte: a change of the code that was
# meant to leave the program's behaviour alone must leave this file alone.
#   scripts/compare-cli-output.sh KORD            compare (exit 1 on a difference)
#   scripts/compare-cli-output.sh KORD --update   write the expected file again
set -euo pipefail
kord="$(realpath "$1")"
root="$(cd "$(dirname "$0")/.." && pwd)"
expected="$root/tests/golden/cli/output.txt"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$root/data/sample" "$work/sample"
db="sample/famiglia.rni"

commands=(
  "info $db"
  "card $db --focus 2"
  "card $db --focus 34 --english"
  "date 12031950 --today 2026-01-01"
  "date 1_3_50 --today 2026-01-01"
  "search $db Pa"
  "search $db Pa --toggle 1"
  "roots $db --focus 40"
  "roots $db --focus 40 --outline --generations 3"
  "branches $db --focus 3"
  "branches $db --focus 3 --outline --mark 3"
  "kin $db --focus 40 --second 41"
  "kin $db --focus 3 --second 4 --descendants"
  "list $db general"
  "list $db roots"
  "list $db leaves --data"
  "report $db --fields 1,2,13"
  "book $db"
  "book $db --no-details --compact"
  "navigate $db --focus 34"
  "sorted $db --key 4"
  "sorted $db --key 1 --data"
  "stats $db centuries --today 2026-01-01"
  "stats $db decades --today 2026-01-01"
  "assist $db 12"
  "check $db"
  "relation $db --focus 40 --second 41"
  "relation $db --focus 40 --second 41 --english"
  "verify $db"
  "census $db"
  "nosuchcommand $db"
  "card $db --focus 999"
  # The writers last, on the same copy, each seen through a card.
  "add $db 1=Prova_Nuova 13=F"
  "link $db --child 68 --parent 34"
  "spouse $db 68 40 --one-way"
  "edit $db --focus 68 4=1/2/1990"
  "captions $db 6=Professione"
  "card $db --focus 68"
  "sort-copy $db sample/ordinato.rni"
  "card sample/ordinato.rni --focus 2"
)

actual="$work/output.txt"
cd "$work"
for c in "${commands[@]}"; do
  # shellcheck disable=SC2086 # the command's words are split on purpose
  set +e
  out=$("$kord" $c 2>"$work/err")
  status=$?
  set -e
  {
    printf '$ kord %s\n' "$c"
    printf '%s\n' "$out"
    [ -s "$work/err" ] && { printf -- '--- stderr\n'; cat "$work/err"; }
    printf -- '--- exit %d\n\n' "$status"
  } >>"$actual"
done

if [ "${2:-}" = "--update" ]; then
  cp "$actual" "$expected"
  echo "compare-cli-output: wrote $expected (${#commands[@]} commands)"
  exit 0
fi
if ! diff -u "$expected" "$actual" >"$work/diff"; then
  head -80 "$work/diff"
  echo "compare-cli-output: the output of kord changed (update with --update if meant)" >&2
  exit 1
fi
echo "compare-cli-output: ${#commands[@]} commands print what they printed before"
