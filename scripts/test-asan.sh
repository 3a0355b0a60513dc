#!/usr/bin/env bash
# Builds the core and the command line with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (no windows) and runs the
# command-line tests on that build: any memory or undefined-behaviour fault
# fails a test. Run after scripts/setup.sh has installed the packages.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORD_BUILD_GUI=OFF -DKORD_SANITIZE=ON >/dev/null
ninja -C build-asan kord kord_cli_tests
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:exitcode=99
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=99
# The two 200-round races start some thousand processes, each slow to start
# under the sanitizers; they run in the ordinary build, and their code paths
# are those of the other writer tests.
races=CliWriters.TwoAddsAtOnceNeverLoseAPerson:CliWriters.LinksAndEditsAtOnceAreAllKept
build-asan/tests/cli/kord_cli_tests --gtest_filter="-$races" "$@"
