#!/usr/bin/env bash
# Starts Kord on a copy of the bundled sample database, kept outside the
# source tree so that running the program never changes the repository.
# Only the two programs are built, not the tests.
#   scripts/run.sh            the copy is made on the first run and kept
#   scripts/run.sh --fresh    start again from a fresh copy
# Set KORD_HOME to choose the folder (default: ~/kord-sample).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh kordwin kord

home="${KORD_HOME:-$HOME/kord-sample}"
if [ "${1:-}" = "--fresh" ]; then rm -rf "$home"; fi
if [ ! -d "$home/sample" ]; then
  mkdir -p "$home"
  # The HTML templates live in the parent folder of the database folder.
  find data -maxdepth 1 -type f \( -name '*.hts' -o -name '*.htt' \) -exec cp {} "$home/" \;
  cp -r data/sample "$home/sample"
  echo "Copied the sample database to $home/sample"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display available: running the same job with the command line instead."
  exec build/cli/kord info "$home/sample/famiglia.rni"
fi
exec build/gui/kordwin "$home/sample/"
