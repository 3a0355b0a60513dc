#!/usr/bin/env bash
# Checks the GEDCOM exchange against Gramps, a program other than ours:
# exports the sample database, imports the file into Gramps from its command
# line, exports it from Gramps, imports that back into a new database and
# exports the new database again. Every name, date, place, note, sex, parent,
# spouse and marriage of the two exports of ours must agree (a date agrees
# when its GEDCOM date does: "2/1/1855" comes back as "02/01/1855"). Prints
# how many dates Gramps read as real dates and how many as text; only texts
# that are no date at all may stay text.
#
# usage: scripts/gramps-round-trip.sh KORD SAMPLE_FOLDER
#   KORD: the kord program; SAMPLE_FOLDER: data/sample
# Exits 0 when everything came back, 1 when not, 77 (skipped) without Gramps.

set -euo pipefail

kord=${1:?usage: gramps-round-trip.sh KORD SAMPLE_FOLDER}
sample=${2:?usage: gramps-round-trip.sh KORD SAMPLE_FOLDER}
if ! command -v gramps >/dev/null; then
  echo "gramps is not installed: the round trip through Gramps is skipped"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$sample" "$work/sample"
mkdir "$work/home"

# kord's own messages (the loader's) go to kord.log, shown when a step fails.
run_kord() {
  if ! "$kord" "$@" --english >>"$work/kord.out" 2>>"$work/kord.log"; then
    echo "kord $1 failed:"
    cat "$work/kord.log"
    exit 1
  fi
}

run_kord export-gedcom "$work/sample/famiglia.rni" "$work/sample/ours.ged"
# Gramps wants a home of its own for its trees; it finds the portraits
# beside the file it imports.
if ! (cd "$work" && HOME="$work/home" gramps -y -C roundtrip -i sample/ours.ged \
        -O roundtrip -e "$work/gramps.ged" -f ged >"$work/gramps.log" 2>&1) || [ ! -s "$work/gramps.ged" ]; then
  echo "gramps failed:"
  tail -20 "$work/gramps.log"
  exit 1
fi
run_kord import-gedcom "$work/gramps.ged" "$work/back.rni"
run_kord export-gedcom "$work/back.rni" "$work/back.ged"

python3 - "$work/sample/ours.ged" "$work/gramps.ged" "$work/back.ged" <<'PYTHON'
import sys

def read(path):
    """Records as nested [level, tag, value, children]; CONC/CONT joined."""
    records, stack = [], []
    for raw in open(path, encoding="utf-8-sig").read().splitlines():
        parts = raw.strip().split(" ", 2)
        if len(parts) < 2:
            continue
        level = int(parts[0])
        if parts[1].startswith("@") and level == 0:
            node = [level, parts[2] if len(parts) > 2 else "", parts[1], []]
        else:
            node = [level, parts[1], parts[2] if len(parts) > 2 else "", []]
        if node[1] in ("CONC", "CONT"):
            parent = stack[level - 1]
            parent[2] += ("\n" if node[1] == "CONT" else "") + node[2]
            continue
        del stack[level:]
        (records if level == 0 else stack[-1][3]).append(node)
        stack.append(node)
    return records

def child(node, tag):
    return next((c for c in node[3] if c[1] == tag), None)

def value(node, tag):
    c = child(node, tag) if node else None
    return c[2] if c else ""

def people(records):
    """Each INDI as the fields a person sees, its relatives by place in the file."""
    indis = [r for r in records if r[1] == "INDI"]
    order = {r[2]: n for n, r in enumerate(indis)}
    fams = {r[2]: r for r in records if r[1] == "FAM"}
    out = []
    for indi in indis:
        name = child(indi, "NAME")
        person = {
            "name": value(name, "_KORD_NAME") or (name[2] if name else ""),
            "sex": value(indi, "SEX"),
            "notes": "\n".join(c[2] for c in indi[3] if c[1] == "NOTE" and not c[2].startswith("@")),
        }
        for tag in ("BIRT", "BAPM", "DEAT", "BURI"):
            event = child(indi, tag)
            person[tag] = (value(event, "DATE"), value(event, "PLAC"))
        famc = fams.get(value(indi, "FAMC"))
        person["parents"] = sorted(order[value(famc, t)] for t in ("HUSB", "WIFE") if value(famc, t))
        spouses = []
        for fams_line in (c for c in indi[3] if c[1] == "FAMS"):
            fam = fams[fams_line[2]]
            other = [order[value(fam, t)] for t in ("HUSB", "WIFE") if value(fam, t) and value(fam, t) != indi[2]]
            marriage = child(fam, "MARR")
            spouses.append((other[0] if other else None, value(marriage, "DATE"), value(marriage, "PLAC")))
        person["spouses"] = spouses
        out.append(person)
    return out

def dates(records):
    """DATE values of events (not of CHAN or the header), by whether they are text."""
    real = text = 0
    def walk(node, parent_tag):
        nonlocal real, text
        for c in node[3]:
            if c[1] == "DATE" and parent_tag not in ("CHAN", "HEAD"):
                if c[2].startswith("(") or c[2].startswith("INT "):
                    text += 1
                else:
                    real += 1
            walk(c, c[1])
    for r in records:
        walk(r, r[1])
    return real, text

ours, gramps, back = (read(p) for p in sys.argv[1:4])
real, text = dates(gramps)
_, phrases = dates(ours)
print(f"dates Gramps saw: {real} real dates, {text} text dates ({phrases} of our dates are no date at all)")
failed = text > phrases
if failed:
    print("  dates the date test accepts reached Gramps as text")

before, after = people(ours), people(back)
if len(before) != len(after):
    print(f"{len(before)} individuals went out, {len(after)} came back")
    sys.exit(1)
differences = 0
for n, (a, b) in enumerate(zip(before, after)):
    for key in a:
        if a[key] != b[key]:
            differences += 1
            print(f"  individual {n + 1} ({a['name']}): {key} went out as {a[key]!r}, came back as {b[key]!r}")
print(f"{len(before)} individuals: {differences} differences in names, dates, places, notes, sex, parents, spouses")
sys.exit(1 if failed or differences else 0)
PYTHON
