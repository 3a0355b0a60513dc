#!/usr/bin/env bash
# Installs what building and testing Kord needs on Debian 12 (only what is
# missing), then configures and builds into build/.
#   scripts/setup.sh                 everything: the programs and the tests
#   scripts/setup.sh TARGET...       only these targets (scripts/run.sh: kordwin kord)
#   scripts/setup.sh --packages-only install what is missing, build nothing
#   --with PACKAGE                   install PACKAGE too (scripts/package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-translations-l10n: Qt's own dialog buttons in Italian.
# chromium: a test opens the family site in the headless browser.
# gramps: the GEDCOM round trip through another program (about 40 MB more to
# fetch; its test is skipped where it is missing).
# clang-format: the layout check of every C++ file (CTest format_clean).
packages=(g++ cmake ninja-build libgtest-dev libgmock-dev qt6-base-dev libqt6opengl6-dev
          qt6-charts-dev qt6-translations-l10n fonts-dejavu-core xvfb xauth poppler-utils chromium gramps
          clang-format)
build=1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --packages-only) build=0 ;;
    --with) packages+=("$2"); shift ;;
    *) targets+=("$1") ;;
  esac
  shift
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ "$build" -eq 1 ] || exit 0

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORD_WERROR="${KORD_WERROR:-OFF}" >/dev/null
ninja -C build "${targets[@]}"
