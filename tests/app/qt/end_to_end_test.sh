#!/usr/bin/env bash
# Runs the real viewer on an X display (under xvfb-run) in a fresh working directory with
# the sample game, drives it with real key presses and checks that its captures equal
# vestara-sprite's rendering of the same selections. Saves a screenshot.
# Opens the weapon list and checks that its entries show pictures; saves that screenshot too.
# Usage: end_to_end_test.sh VIEWER VESTARA_SPRITE SCREENSHOT_FILE LIST_SCREENSHOT_FILE
set -euo pipefail
viewer=$1 tool=$2 screenshot=$3 list_screenshot=$4
work=$(mktemp -d)
viewer_pid=
trap '[ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
shoot() { import -window root "$1"; }

. "$(dirname "${BASH_SOURCE[0]}")/../expect_capture.sh"

cd "$work"
"$tool" sample-game game >/dev/null
printf '%s\n' "$work/game/" >filepath.txt
"$tool" render --category weapon --item 0 -o expected-weapon.bmp >/dev/null
"$tool" render --category shield --item 0 -o expected-shield.bmp >/dev/null
"$tool" render --category weapon --item 5 -o expected-weapon-5.bmp >/dev/null
# A player's name for weapon 5, as an export's index.csv would carry it.
printf 'category,position,label,gender\r\nweapon,5,Zanbato,\r\n' >item-names.csv

"$viewer" &
viewer_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^VestaraItemViewer$' | head -n 1)
[ -n "$window" ] || fail "the viewer's window did not appear"
timeout 20 xdotool windowfocus --sync "$window"

# The weapon list has the focus; Enter presses the capture button. The copy keys give
# the same picture.
xdotool key Return
expect_capture G0000001.bmp expected-weapon.bmp
expect_copy_keys_give G0000001.bmp

# Alt+Down opens the weapon list: a picture beside every entry it shows. The pictures are
# made after the first preview; a moment later they are there.
sleep 1
import -window root closed.png
xdotool key alt+Down
sleep 1
import -window root opened.png
expect_pictures_beside_entries closed.png opened.png
eval "$(xdotool getwindowgeometry --shell "$window")"
convert opened.png -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$list_screenshot"
xdotool key Escape
import -window "$window" "$screenshot"
# Tab moves into the shield list, which shows the first shield; Enter captures it.
xdotool key Tab Return
expect_capture G0000002.bmp expected-shield.bmp
expect_armor_pictures_follow_colour_and_gender
# Back in the weapon list, typing the name's first letter finds the named weapon 5, the
# only entry that starts with it; Enter captures it.
xdotool key shift+Tab shift+Tab z Return
expect_capture G0000003.bmp expected-weapon-5.bmp
# At 300 % the first weapon (98 x 98) reaches past the dialog's bottom edge: the window grows to
# show it. Home selects it again.
# Shift+Tab goes round to 拡大, Space presses it twice.
eval "$(xdotool getwindowgeometry --shell "$window")"
before=$HEIGHT
xdotool key Home shift+Tab space space
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$HEIGHT" -gt "$before" ] || fail "the window did not grow at 300 % ($before, then $HEIGHT pixels high)"

xdotool key Escape
timeout 10 tail --pid="$viewer_pid" -f /dev/null || fail "Escape did not end the viewer"
wait "$viewer_pid" || fail "the viewer exited with an error"
viewer_pid=
echo "PASS"
