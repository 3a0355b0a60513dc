#!/usr/bin/env bash
# Checks that docs/glossary.md names every window title, menu entry and
# main-window button the user sees (as written in gui/, in the menu and
# button tables of core/app/main_menu.cpp and in the menu captions of the
# command table core/app/commands.cpp), each in double quotes.
#   scripts/check-glossary.sh [SOURCE_DIR]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
glossary="$root/docs/glossary.md"
# Each source is read as one line with its blanks squeezed, so that a table
# row or a call the formatter wraps is still found.
flat() { cat "$@" | tr '\n' ' ' | sed -E 's/[[:space:]]+/ /g'; }
gui_sources=$(find "$root/gui" -name '*.cpp' | sort)
{
  flat $gui_sources | grep -oE 'setWindowTitle\((QStringLiteral|QString::fromUtf8)\("[^"]+"' | sed -E 's/.*\("//; s/"$//'
  flat $gui_sources | grep -oE 'setCaption\(this, "[^"]+"' | sed -E 's/.*this, "//; s/"$//'
  flat $gui_sources | grep -oE 'setWindowTitle\(displayText\(s_?\.text\("[^"]+"' | sed -E 's/.*text\("//; s/"$//'
  flat "$root/core/app/commands.cpp" | grep -oE '\.caption = \{"[^"]+"' | sed -E 's/.*\{"//; s/"$//'
  menus=$(flat "$root/core/app/main_menu.cpp")
  grep -oE '(entry|\{)\("[A-Za-z_0-9()]+", "[^"]+"' <<<"$menus" | sed -E 's/.*", "//; s/"$//'
  grep -oE '\{"[A-Za-z_0-9()]+", "[^"]+", G::[A-Za-z]+\}' <<<"$menus" | sed -E 's/^\{"[^"]+", "//; s/", G::[A-Za-z]+\}$//'
  grep -oE '\{"(File|Alberi|Liste|Stampa|Varie|Ricerca_Coniugi|Colori|Lingua_Menu)", "[^"]+"' <<<"$menus" |
    sed -E 's/.*", "//; s/"$//'
} | sort -u >"${TMPDIR:-/tmp}/kord-glossary-words.$$"
missing=0
while IFS= read -r text; do
  if ! grep -qF "\"$text\"" "$glossary"; then
    echo "docs/glossary.md does not name \"$text\"" >&2
    missing=1
  fi
done <"${TMPDIR:-/tmp}/kord-glossary-words.$$"
count=$(wc -l <"${TMPDIR:-/tmp}/kord-glossary-words.$$")
rm -f "${TMPDIR:-/tmp}/kord-glossary-words.$$"
# The window classes the glossary names exist under those names (a rename
# that forgot the glossary is caught here).
classes=$(grep -oE '`[A-Z][A-Za-z]+(Window|Dialog|Chooser)`' "$glossary" | tr -d '`' | sort -u)
for class in $classes; do
  if ! grep -rqE "^class $class\b" "$root/gui"; then
    echo "docs/glossary.md names the class $class, which gui/ does not have" >&2
    missing=1
  fi
done
[ "$missing" -eq 0 ] && echo "check-glossary: all $count captions are in the glossary, every window class it names exists"
exit "$missing"
