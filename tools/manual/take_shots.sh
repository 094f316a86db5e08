#!/bin/sh
# Retakes the pictures of data/manual/ from a built program.
#   tools/manual/take_shots.sh [BUILD_DIR]
# The window is shown 800 x 480 with the pronoun and modal buttons opening
# their panels; every picture but the whole window is cut to the board.
# Needs ImageMagick's convert for the cutting.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/data/." "$work/prog"
# Line 2: a font the pictures can show by name; 4 to 6: the directories as
# the program in the build directory shows them (not this temporary copy);
# 9 to 11: width, height, not maximised; 13 and 14: panels on left click.
awk -v build="$build" 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
     NR == 2 { $0 = "Liberation Serif" } NR == 4 || NR == 5 { $0 = build "/txt" }
     NR == 6 { $0 = build "/words" }
     NR == 9 { $0 = "800" } NR == 10 { $0 = "480" } NR == 11 { $0 = "false" }
     NR == 13 || NR == 14 { $0 = "0" } { print }' "$work/prog/prefs.ini" |
  head -c -2 > "$work/prefs.ini"
mv "$work/prefs.ini" "$work/prog/prefs.ini"
mkdir "$work/out"
sed "s|OUT/|$work/out/|" "$root/tools/manual/shots.wls" > "$work/shots.wls"
QT_QPA_PLATFORM=offscreen "$build/wordloom" --play "$work/shots.wls" \
  --program-dir "$work/prog" --seed 1
out=$root/data/manual
mkdir -p "$out"
cp "$work/out/window.png" "$out/window.png"
convert "$work/out/window.png" -crop 640x188+0+271 +repage "$out/board.png"
for f in "$work"/out/*.png; do
  name=$(basename "$f")
  [ "$name" = window.png ] && continue
  if [ "$name" = dwell.png ]; then
    # The countdown lies just outside its button: a wider cut, shown large.
    convert "$f" -crop 330x90+0+264 +repage -scale 200% "$out/$name"
    continue
  fi
  convert "$f" -crop 640x188+0+271 +repage "$out/$name"
done
ls -l "$out"
