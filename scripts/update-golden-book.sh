#!/usr/bin/env bash
# Rewrites the golden files of the family book (tests/golden/book/) from the
# sample database, after a deliberate change of the book or the site. Review
# the difference (git diff tests/golden/book) before committing it.
#
# usage: scripts/update-golden-book.sh [BUILD_FOLDER]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target kord_core_tests
KORD_UPDATE_GOLDEN=1 "$build/tests/kord_core_tests" --gtest_filter='BookGolden.*'
"$build/tests/kord_core_tests" --gtest_filter='BookGolden.*'
git -C "$root" status --short tests/golden/book
