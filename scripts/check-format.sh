#!/usr/bin/env bash
# Checks that every C++ file git tracks is laid out as .clang-format says;
# names the files that are not. Fix them with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
#   scripts/check-format.sh [SOURCE_DIR]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"
if ! command -v clang-format >/dev/null; then
  echo "check-format: clang-format is not installed (scripts/setup.sh installs it)" >&2
  exit 1
fi
# A checkout without git history (an exported tree) is read folder by folder.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files() { git ls-files '*.cpp' '*.h'; }
else
  files() { find core gui cli tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print; }
fi
unformatted=$(files | xargs clang-format --dry-run 2>&1 | grep -oE '^[^:]+:[0-9]+:[0-9]+: warning' |
  cut -d: -f1 | sort -u || true)
if [ -n "$unformatted" ]; then
  echo "check-format: not formatted as .clang-format says:" >&2
  echo "$unformatted" >&2
  exit 1
fi
echo "check-format: every C++ file is formatted"
