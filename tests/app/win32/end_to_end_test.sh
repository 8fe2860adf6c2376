#!/usr/bin/env bash
# Runs the real Windows viewer under Wine on an X display (under xvfb-run), in a fresh
# working directory whose filepath.txt names the sample game's folder in code page 932,
# drives it with real key presses and checks that its captures equal the Linux
# vestara-sprite's rendering of the same selections. Saves a screenshot.
# Opens the weapon list and checks that its entries show pictures; saves that screenshot too.
# Usage: end_to_end_test.sh VIEWER_EXE VESTARA_SPRITE SCREENSHOT_FILE LIST_SCREENSHOT_FILE
set -euo pipefail
viewer=$1 tool=$2 screenshot=$3 list_screenshot=$4
work=$(mktemp -d /tmp/vestara-viewer-e2e.XXXXXX)
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_pid=
trap '[ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
shoot() { import -window root -crop 720x420+0+0 +repage "$1"; }

. "$(dirname "${BASH_SOURCE[0]}")/../expect_capture.sh"

# Wine does not fall back on its own from the dialog's missing Japanese font to an
# installed one; the prefix maps the family onto IPA Gothic.
wineboot -i >/dev/null 2>&1
{
  printf 'REGEDIT4\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$work/fonts.reg"
wine regedit "$work/fonts.reg" >/dev/null 2>&1
wineserver -w

cd "$work"
"$tool" sample-game ゲーム >/dev/null
# As the game's own installer would write it: a Windows path in code page 932.
printf 'Z:%s\\ゲーム\\\r\n' "${work//\//\\}" | iconv -f UTF-8 -t CP932 >filepath.txt
"$tool" render --category weapon --item 0 --game-dir ゲーム -o expected-weapon-0.bmp >/dev/null
"$tool" render --category weapon --item 1 --game-dir ゲーム -o expected-weapon-1.bmp >/dev/null
"$tool" render --category shield --item 0 --game-dir ゲーム -o expected-shield.bmp >/dev/null
"$tool" render --category weapon --item 5 --game-dir ゲーム -o expected-weapon-5.bmp >/dev/null
# A player's name for weapon 5, as an export's index.csv would carry it.
printf 'category,position,label,gender\r\nweapon,5,Zanbato,\r\n' >item-names.csv

# Wine's virtual desktop gives the dialog a frame where no window manager runs.
wine explorer /desktop=viewer,720x420 "$viewer" >/dev/null 2>&1 &
wine_pid=$!
timeout 30 xdotool search --sync --name 'viewer - Wine desktop' >/dev/null ||
  fail "Wine's desktop did not appear"
# The weapon list has the focus once the dialog is up; until then the keys go nowhere.
for _ in $(seq 20); do
  xdotool key Return
  sleep 2
  [ -f G0000001.bmp ] && break
done
expect_capture G0000001.bmp expected-weapon-0.bmp
# The copy keys give the picture the capture saved. Wine hands its clipboard to X11.
expect_copy_keys_give G0000001.bmp

# Alt+Down opens the weapon list: a picture beside every entry it shows.
import -window root -crop 720x420+0+0 +repage closed.png
xdotool key alt+Down
sleep 1
import -window root -crop 720x420+0+0 +repage "$list_screenshot"
expect_pictures_beside_entries closed.png "$list_screenshot"
xdotool key Escape
sleep 0.5
# Down selects the next weapon; Enter captures it.
xdotool key Down Return
expect_capture G0000002.bmp expected-weapon-1.bmp
sleep 0.5
import -window root -crop 720x420+0+0 "$screenshot"
# Tab moves into the shield list, which shows the first shield; Enter captures it.
xdotool key Tab Return
expect_capture G0000003.bmp expected-shield.bmp
expect_armor_pictures_follow_colour_and_gender
# Back in the weapon list, typing the name's first letter finds the named weapon 5, the
# only entry that starts with it; Enter captures it.
xdotool key shift+Tab shift+Tab z Return
expect_capture G0000004.bmp expected-weapon-5.bmp
# At 300 % the first weapon (98 x 98) reaches past the dialog's bottom edge: the window grows to
# show it. Home selects it again.
# Shift+Tab goes round to 拡大, Space presses it twice.
import -window root -crop 720x420+0+0 +repage at-100.png
xdotool key Home shift+Tab space space
sleep 1
import -window root -crop 720x420+0+0 +repage at-300.png
before=$(convert at-100.png -trim -format '%h' info:)
after=$(convert at-300.png -trim -format '%h' info:)
[ "$after" -gt "$before" ] || fail "the window did not grow at 300 % ($before, then $after pixels high)"

# 拡大 is disabled now and keeps the focus, where Wine lets Escape go nowhere; the close
# command ends the viewer as the close box does.
xdotool key alt+F4
timeout 20 tail --pid="$wine_pid" -f /dev/null || fail "Alt+F4 did not end the viewer"
wait "$wine_pid" || fail "the viewer exited with an error"
wine_pid=
[ "$(ls G*.bmp | wc -l)" -eq 4 ] || fail "other captures than the four: $(ls G*.bmp)"
echo "PASS"
