#!/usr/bin/env bash
# Checks a Kord Debian package as a new user's machine would meet it:
#  - its files: both programs, the templates, the sample with its pictures,
#    the manual in both languages, the desktop entry, the icons, the
#    AppStream file (validated when appstreamcli is there);
#  - its dependencies: every shared library the programs load directly
#    belongs to a package the .deb depends on, and those packages are
#    installed here, so that the programs can run;
#  - the install itself: dpkg -i into a throwaway root with a dpkg database
#    of its own (as root; otherwise the package is only unpacked there);
#  - the installed kordwin, started offscreen from outside the source tree
#    for a new user, finds its data under the throwaway /usr/share/kord,
#    copies and opens the sample, gets the templates and shows the manual
#    (kordwin --self-check); the installed kord reads that copy.
#
# usage: scripts/check-package.sh build-package/kord_<version>_<arch>.deb
# Prints one line per check and exits 1 when one fails.
set -uo pipefail

deb=${1:-}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "usage: check-package.sh PACKAGE.deb" >&2
  exit 2
fi
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
source_tree=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
failed=0

check() {  # check DESCRIPTION COMMAND...: runs the command, reports the result
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    echo "ok      $what"
  else
    echo "FAILED  $what"
    sed 's/^/        /' "$work/out" | head -20
    failed=1
  fi
}

has_files() {
  local missing=0 path
  for path in "$@"; do
    [ -e "$root$path" ] || { echo "missing $path"; missing=1; }
  done
  return $missing
}

install_package() {
  mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
  touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
  if [ "$(id -u)" -eq 0 ]; then
    # Its dependencies are the host's: the throwaway database knows none.
    dpkg --root="$root" --force-depends -i "$deb"
  else
    echo "not root: unpacking only"
    dpkg-deb -x "$deb" "$root"
  fi
}

depends_list() {  # the package names of the Depends field, one a line
  dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed -e 's/(.*)//' -e 's/|.*//' -e 's/ //g' | sed '/^$/d'
}

dependencies_installed() {
  local missing=0 p
  for p in $(depends_list); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || { echo "$p is not installed here"; missing=1; }
  done
  return $missing
}

# The package that holds `path`; with /usr merged dpkg may know it by either name.
owner_of() {
  local resolved candidate
  resolved=$(readlink -f "$1")
  for candidate in "$1" "$resolved" "${resolved#/usr}"; do
    dpkg -S "$candidate" 2>/dev/null | head -1 | cut -d: -f1 | grep . && return 0
  done
  return 1
}

# Each library a program names (NEEDED) must come from a package it depends on.
libraries_covered() {
  local deps program lib path owner missing=0
  deps=$(depends_list)
  for program in "$root/usr/bin/kordwin" "$root/usr/bin/kord"; do
    for lib in $(objdump -p "$program" | awk '/NEEDED/ {print $2}'); do
      path=$(ldconfig -p | awk -v lib="$lib" '$1 == lib {print $NF; exit}')
      owner=$(owner_of "$path")
      if [ -z "$owner" ] || ! grep -qx "$owner" <<<"$deps"; then
        echo "$(basename "$program") needs $lib ($path, package ${owner:-unknown}), not in Depends"
        missing=1
      fi
    done
  done
  return $missing
}

self_check() {
  mkdir -p "$work/home"
  (cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/kordwin" --self-check) | tee "$work/self-check"
  grep -q "^ok      data folder: $root/usr/share/kord/$" "$work/self-check" &&
    grep -q "self-check passed" "$work/self-check"
}

kord_reads_the_copy() {
  (cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work/home" "$root/usr/bin/kord" info \
    "$work/home/Kord/sample/famiglia.rni")
}

no_source_paths() {
  ! grep -l -a -F "$source_tree" "$root/usr/bin/kordwin" "$root/usr/bin/kord"
}

appstream_valid() {
  command -v appstreamcli >/dev/null || { echo "appstreamcli is not installed: not validated"; return 0; }
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.kord.Kord.metainfo.xml"
}

desktop_entry_valid() {
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/org.kord.Kord.desktop"
  else
    grep -qx "Exec=kordwin %f" "$root/usr/share/applications/org.kord.Kord.desktop" &&
      grep -qx "Icon=org.kord.Kord" "$root/usr/share/applications/org.kord.Kord.desktop"
  fi
}

echo "Checking $deb"
check "installs with dpkg into a throwaway root" install_package
check "holds the programs, the data, the manual and the desktop files" has_files \
  /usr/bin/kordwin /usr/bin/kord \
  /usr/share/kord/TrHtm01.hts /usr/share/kord/kordht0.htt /usr/share/kord/kordht7b.htt \
  /usr/share/kord/sample/famiglia.rni /usr/share/kord/sample/famiglia.rnc /usr/share/kord/sample/initial.jpg \
  "/usr/share/kord/sample/Pavan Nicolò Giuseppe.jpg" \
  /usr/share/kord/manual/it/index.md /usr/share/kord/manual/en/index.md \
  /usr/share/applications/org.kord.Kord.desktop /usr/share/metainfo/org.kord.Kord.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/org.kord.Kord.svg \
  /usr/share/icons/hicolor/48x48/apps/org.kord.Kord.png /usr/share/icons/hicolor/256x256/apps/org.kord.Kord.png
check "depends on the package of every library the programs load" libraries_covered
check "its dependencies are installed on this machine" dependencies_installed
check "the programs name no path of the source tree" no_source_paths
check "desktop entry" desktop_entry_valid
check "AppStream metainfo" appstream_valid
check "kordwin --self-check on the installed data, for a new user" self_check
sed 's/^/        /' "$work/self-check" 2>/dev/null
check "the installed kord reads the sample copy" kord_reads_the_copy
[ "$failed" -eq 0 ] && echo "package check passed" || echo "package check FAILED"
exit "$failed"
