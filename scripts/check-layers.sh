#!/usr/bin/env bash
# Checks that the core's folders depend on each other only as
# core/CMakeLists.txt declares (its kord_layer lines), and that the declared
# graph has no cycle. Each folder may include its own headers and those of
# the folders it lists; anything else is reported with the file and line.
#   scripts/check-layers.sh [SOURCE_DIR]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
core="$root/core"

declare -A allowed
edges=""
while read -r layer deps; do
  allowed[$layer]=" $layer $deps "
  for d in $deps; do edges+="$d $layer"$'\n'; done
  edges+="$layer $layer"$'\n'
done < <(sed -n 's/^kord_layer(\([a-z_]*\)\( DEPENDS\)\{0,1\}\(.*\))$/\1\3/p' "$core/CMakeLists.txt")

if [ ${#allowed[@]} -eq 0 ]; then
  echo "check-layers: no kord_layer lines in $core/CMakeLists.txt" >&2
  exit 1
fi

failed=0
if ! printf '%s' "$edges" | tsort >/dev/null 2>&1; then
  echo "check-layers: the declared layers form a cycle:" >&2
  printf '%s' "$edges" | tsort 2>&1 >/dev/null | sed 's/^/  /' >&2
  failed=1
fi

for dir in "$core"/*/; do
  layer=$(basename "$dir")
  if [ -z "${allowed[$layer]:-}" ]; then
    echo "check-layers: core/$layer has no kord_layer line" >&2
    failed=1
    continue
  fi
  while IFS=: read -r file line target; do
    if [ -z "${allowed[$target]:-}" ]; then continue; fi  # not a core folder
    if [[ "${allowed[$layer]}" != *" $target "* ]]; then
      echo "core/$layer may not include $target: ${file#"$root"/}:$line" >&2
      failed=1
    fi
  done < <(grep -Hn -o '^#include "[a-z_]*/' "$dir"*.h "$dir"*.cpp 2>/dev/null |
           sed 's/#include "\([a-z_]*\)\/$/\1/')
done

if grep -rln --include='*.h' --include='*.cpp' '#include <Q' "$core" >/dev/null; then
  echo "check-layers: the core includes Qt:" >&2
  grep -rln --include='*.h' --include='*.cpp' '#include <Q' "$core" >&2
  failed=1
fi

[ "$failed" -eq 0 ] && echo "check-layers: ${#allowed[@]} layers, no cycle, every include declared"
exit "$failed"
