#!/usr/bin/env bash
# Rebuilds the sample database in data/sample/ from its readable source.
#
#   scripts/make-sample.sh              regenerate famiglia.rni .rnc .rns .rnt .rnk
#                                       from data/source/famiglia.txt
#   scripts/make-sample.sh --pictures   redraw the pictures (portraits, initial.jpg,
#                                       Fire.ico) with ImageMagick; done once, the
#                                       results are committed
#   --tool PATH                         use this kord-samplegen instead of building it
#
# Without --tool the generator is built in $KORD_BUILD_DIR (default build-sample/,
# configured without the GUI when it does not exist yet). Edit the source, run
# this script, check `git diff --stat data/sample`, commit both. The CTest tests
# "sample_*" fail while the committed files and the source disagree.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source_file="$root/data/source/famiglia.txt"
sample_dir="$root/data/sample"
build_dir=${KORD_BUILD_DIR:-$root/build-sample}
tool=""
pictures=0

usage() {
  sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'
  exit "$1"
}

while [ $# -gt 0 ]; do
  case "$1" in
    --pictures) pictures=1 ;;
    --tool) [ $# -ge 2 ] || usage 2; tool=$2; shift ;;
    -h|--help) usage 0 ;;
    *) echo "make-sample.sh: unknown option $1" >&2; usage 2 ;;
  esac
  shift
done

build_tool() {
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build_dir" -G Ninja -DKORD_BUILD_GUI=OFF >/dev/null
  fi
  cmake --build "$build_dir" --target kord-samplegen >/dev/null
  tool=$(find "$build_dir" -name kord-samplegen -type f -perm -u+x | head -n 1)
  [ -n "$tool" ] || { echo "make-sample.sh: kord-samplegen not built" >&2; exit 1; }
}

make_database() {
  [ -n "$tool" ] || build_tool
  "$tool" "$source_file" "$sample_dir" famiglia
  local size
  size=$(stat -c %s "$sample_dir/famiglia.rni")
  if [ $((size % 526)) -ne 0 ]; then
    echo "make-sample.sh: famiglia.rni is $size bytes, not a multiple of 526" >&2
    exit 1
  fi
}

# --- Pictures ----------------------------------------------------------------
# Drawn portraits, 120x150: a coloured background, a head-and-shoulders
# silhouette (with hair for the women) and the initials on the chest. Each file
# is named as the person's Name field (trimmed) + ".jpg", in UTF-8.

# Name field | initials | sex | background
portraits=(
  "Pavan Nicolò Giuseppe|NP|M|#8fa9c9"
  "Zanin Elena|EZ|F|#c9a98f"
  "Dal Bò Débora|DD|F|#b79fc7"
  "Furlan Gina|GF|F|#9fc7a4"
  "Pavan Giovanni|GP|M|#c7c19f"
  "Pavan Mario|MP|M|#9fbfc7"
  "Pavan Gioè|GP|M|#c79f9f"
  "Pavan Paolo|PP|M|#a4b0d6"
  "Colombo Claudia|CC|F|#d6c3a4"
  "Pavan Débora|DP|F|#d6a4c3"
  "Pavan Luca|LP|M|#a4d6c9"
)

# Prints the convert drawing arguments, NUL-separated: sex, colour.
silhouette_args() {
  if [ "$1" = F ]; then
    printf '%s\0' -fill "#4b3a2f" -draw "ellipse 60,66 33,40 0,360"
  fi
  printf '%s\0' \
    -fill "$2" -draw "circle 60,58 60,32" \
    -draw "rectangle 52,80 68,100" \
    -draw "ellipse 60,156 50,58 180,360"
}

draw_portrait() {  # name, initials, sex, background
  local out="$sample_dir/$1.jpg" args=()
  grep -qxF "Name: $1" "$source_file" || { echo "make-sample.sh: no \"$1\" in the source" >&2; exit 1; }
  mapfile -d '' args < <(silhouette_args "$3" "#3c4650")
  convert -size 120x150 "xc:$4" "${args[@]}" \
    -font DejaVu-Sans-Bold -pointsize 20 -fill "#f4f1ea" -gravity south \
    -annotate +0+14 "$2" -strip -quality 85 "$out"
}

draw_placeholder() {
  local args=()
  mapfile -d '' args < <(silhouette_args M "#9a9a9a")
  convert -size 120x150 "xc:#d9d9d9" "${args[@]}" -type TrueColor -strip -quality 85 "$sample_dir/initial.jpg"
}

draw_fire_icon() {
  convert -size 32x32 xc:none \
    -fill "#d9381e" -draw "path 'M 16,1 C 19,8 27,12 27,21 C 27,27 22,31 16,31 C 10,31 5,27 5,21 C 5,15 9,12 11,7 C 13,11 13,13 15,14 C 17,10 17,6 16,1 Z'" \
    -fill "#f7931e" -draw "path 'M 16,11 C 18,16 23,19 23,24 C 23,28 20,30 16,30 C 12,30 9,28 9,24 C 9,20 12,18 13,15 C 14,18 15,18 16,19 C 17,16 17,14 16,11 Z'" \
    -fill "#ffe066" -draw "path 'M 16,20 C 17,23 20,25 20,27 C 20,29 18,30 16,30 C 14,30 12,29 12,27 C 12,25 15,23 16,20 Z'" \
    -define icon:auto-resize=32,16 "$sample_dir/Fire.ico"
}

make_pictures() {
  command -v convert >/dev/null || { echo "make-sample.sh: ImageMagick's convert is missing" >&2; exit 1; }
  local entry name initials sex colour
  for entry in "${portraits[@]}"; do
    IFS='|' read -r name initials sex colour <<<"$entry"
    draw_portrait "$name" "$initials" "$sex" "$colour"
  done
  draw_placeholder
  draw_fire_icon
  echo "make-sample.sh: ${#portraits[@]} portraits, initial.jpg and Fire.ico written to $sample_dir"
}

mkdir -p "$sample_dir"
if [ "$pictures" -eq 1 ]; then
  make_pictures
else
  make_database
fi
