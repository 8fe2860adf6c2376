#!/usr/bin/env bash
# Runs the real Windows viewer under Wine on an X display (under xvfb-run) twice in one
# prefix: first where the dialog's own face is missing and only MS UI Gothic, a Japanese face
# Windows ships, stands for IPA Gothic; then where the dialog's face stands for IPA Gothic
# too. The two dialogs must look alike to the pixel: captions drawn in IPA Gothic at the
# same size, at the same places, not as boxes. Saves the first screenshot.
# Usage: font_fallback_test.sh VIEWER_EXE VESTARA_SPRITE SCREENSHOT_FILE
set -euo pipefail
viewer=$1 tool=$2 screenshot=$3
work=$(mktemp -d /tmp/vestara-font-fallback.XXXXXX)
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_pid=
# Ends the server before the prefix goes: it may still write there. Nothing is left behind,
# whatever fails.
trap 'set +e; [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null; wineserver -k 2>/dev/null; wineserver -w; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
shoot() { import -window root -crop 720x420+0+0 +repage "$1"; }
same_pixels() { cmp -s <(convert "$1" rgb:-) <(convert "$2" rgb:-); }

# Without IPA Gothic both dialogs would show the same boxes and look alike all the same.
[ "$(fc-match -f '%{family[0]}' IPAGothic)" = IPAGothic ] || fail "IPA Gothic is not installed"

# Lets the face $1 stand for IPA Gothic. (Wine's own frame takes its title's font by
# what stands for what: the first mapping stays, so that both frames look alike.)
map_onto_ipa_gothic() {
  {
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"%s"="IPAGothic"\r\n' "$1"
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$work/fonts.reg"
  wine regedit "$work/fonts.reg" >/dev/null 2>&1
  wineserver -w
}

# Starts the viewer, captures the first weapon once the dialog takes keys (from then on
# only the status line changes) and leaves the dialog open.
start_viewer() {
  rm -f G*.bmp
  wine explorer /desktop=viewer,720x420 "$viewer" >/dev/null 2>&1 &
  wine_pid=$!
  timeout 30 xdotool search --sync --name 'viewer - Wine desktop' >/dev/null ||
    fail "Wine's desktop did not appear"
  # Long enough after each press that a press the dialog took has saved its capture: a
  # second capture would change the status line.
  for _ in $(seq 10); do
    xdotool key Return
    for _ in $(seq 16); do
      sleep 0.25
      [ -f G0000001.bmp ] && return 0
    done
  done
  fail "the viewer took no capture"
}

# Waits until two screenshots in a row are alike, and keeps the last as $1.
shoot_settled() {
  shoot "$work/before.png"
  for _ in $(seq 20); do
    sleep 0.5
    shoot "$1"
    same_pixels "$work/before.png" "$1" && return 0
    mv "$1" "$work/before.png"
  done
  fail "the dialog kept changing"
}

# Escape, in the weapon list that has the focus, closes the dialog.
stop_viewer() {
  xdotool key Escape
  timeout 20 tail --pid="$wine_pid" -f /dev/null || fail "Escape did not end the viewer"
  wait "$wine_pid" || fail "the viewer exited with an error"
  wine_pid=
  wineserver -k 2>/dev/null || true
  wineserver -w
}

wineboot -i >/dev/null 2>&1
cd "$work"
"$tool" sample-game ゲーム >/dev/null
printf 'Z:%s\\ゲーム\\\r\n' "${work//\//\\}" | iconv -f UTF-8 -t CP932 >filepath.txt

map_onto_ipa_gothic "MS UI Gothic"
start_viewer
shoot_settled "$screenshot"
stop_viewer

map_onto_ipa_gothic "ＭＳ Ｐゴシック"
start_viewer
for _ in $(seq 20); do
  shoot "$work/own-face.png"
  same_pixels "$screenshot" "$work/own-face.png" && break
  sleep 0.5
done
same_pixels "$screenshot" "$work/own-face.png" || {
  cp "$work/own-face.png" "${screenshot%.png}-own-face.png"
  fail "the dialog without its face ($screenshot) differs from the one in it: $(compare \
    -metric AE "$screenshot" "$work/own-face.png" null: 2>&1) pixels"
}
stop_viewer
echo "PASS"
