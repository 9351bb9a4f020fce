#!/bin/sh
# Draws the icons with the icon generator (tools/icongen) and puts them on
# one contact sheet, so that people can look at them: docs/icons.png (or the
# file given).
# Every tile shows a member icon at 32 and at 16 pixels with its resource
# number; the program's other icons follow. Needs CMake, a C++17 compiler
# and ImageMagick.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/icons.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$root/tools/icongen" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" >/dev/null
"$work/build/icongen" "$work/ico"

tile() {  # tile <number>: the 32 and the 16 pixel image side by side
  convert -background none "$work/ico/icon$1.ico[0]" \
    \( "$work/ico/icon$1.ico[1]" -gravity south -extent 20x32 \) +append \
    "$work/tile$1.png"
}
set --
for n in $(seq 201 270) 128 271 272 273; do
  tile "$n"
  set -- "$@" -label "$n" "$work/tile$n.png"
done
montage -background '#f4f4ec' -font DejaVu-Sans -pointsize 10 "$@" \
  -tile 10x -geometry +6+4 -depth 8 "$out"
echo "wrote $out"
