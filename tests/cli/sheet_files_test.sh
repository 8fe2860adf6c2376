#!/usr/bin/env bash
# The sample game's sheets (the catalogue, and Weapon.spr.NCS whole) are valid PNGs to
# pngcheck, and their atlases hold every frame in the JSON Hash layout, apart and inside
# their sheets with the default padding. Usage: sheet_files_test.sh VESTARA_SPRITE
set -euo pipefail
tool=$1
checker=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/check_atlases.py
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$tool" sample-game game >/dev/null
"$tool" sheet -o catalogue --game-dir game >/dev/null
"$tool" sheet game/Data/Weapon.spr.NCS -o weapons >/dev/null
pngcheck -q catalogue/*.png weapons/*.png
python3 "$checker" catalogue 1159
python3 "$checker" weapons "$("$tool" info game/Data/Weapon.spr.NCS | sed -n 's/^frames //p')"
