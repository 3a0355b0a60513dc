#!/usr/bin/env bash
# Makes the Debian package of Kord: a Release build of the two programs
# (no tests) in build-package/, laid out under /usr and packed by CPack.
#   scripts/package.sh     writes build-package/kord_<version>_<arch>.deb
# Check the result with scripts/check-package.sh build-package/kord_*.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) names the shared libraries' packages.
scripts/setup.sh --packages-only --with dpkg-dev

out=build-package
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORD_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
ninja -C "$out" kordwin kord kord_data
rm -f "$out"/kord_*.deb
(cd "$out" && cpack -G DEB >/dev/null)
deb=$(ls "$out"/kord_*.deb)
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
