#!/usr/bin/env bash
# Every PNG of an export of the whole sample game, read back by ImageMagick, holds the
# pixels of the same picture's BMP; a transparent export laid over white and over black
# gives the BMPs on those backgrounds, so it is transparent exactly where the BMPs show
# their background. Usage: png_matches_bmp_test.sh VESTARA_SPRITE
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$tool" sample-game game >/dev/null

# One line per picture: its path without extension and the signature of its pixels.
signatures() {
  (cd "$1" && find . -name "*.$2" | sort | xargs identify -format '%d/%t %#\n')
}

expect_same() {
  if ! diff <(signatures "$1" "$2") <(signatures "$3" bmp) >"$work/diff"; then
    echo "FAIL: $1 differs from $3:"
    head -20 "$work/diff"
    exit 1
  fi
}

for zoom in 50 100 200 300; do
  "$tool" export -o "png-$zoom" --game-dir game --zoom "$zoom" >/dev/null
  "$tool" export -o "white-$zoom" --game-dir game --zoom "$zoom" --format bmp >/dev/null
  expect_same "png-$zoom" png "white-$zoom"
done

# At 50 % a transparent picture is averaged over drawn pixels only, unlike the BMP.
for zoom in 100 300; do
  "$tool" export -o "transparent-$zoom" --game-dir game --zoom "$zoom" --transparent >/dev/null
  "$tool" export -o "black-$zoom" --game-dir game --zoom "$zoom" --format bmp \
    --background black >/dev/null
  for background in white black; do
    flat="over-$background-$zoom"
    (cd "transparent-$zoom" && find . -type d) | while read -r folder; do
      mkdir -p "$flat/$folder"
      if compgen -G "transparent-$zoom/$folder/*.png" >/dev/null; then
        mogrify -path "$flat/$folder" -background "$background" -alpha remove -alpha off \
          -format bmp "transparent-$zoom/$folder"/*.png
      fi
    done
    expect_same "$flat" bmp "$background-$zoom"
  done
done
count=$(find png-100 -name '*.png' | wc -l)
[ "$count" -gt 1000 ] || { echo "FAIL: only $count pictures exported"; exit 1; }
echo "PASS: $count pictures at each zoom"
