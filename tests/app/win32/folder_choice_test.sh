#!/usr/bin/env bash
# Runs the real Windows viewer under Wine on an X display (under xvfb-run) as the Start-menu
# shortcut starts it (--own-folder), with a home of its own and no filepath.txt: the message
# offers the folder chooser, a folder without the game is refused, the sample game's folder
# is taken and Enter captures the first weapon into Pictures\Vestara, equal to the Linux
# vestara-sprite's rendering. Then cancelling the chooser ends the viewer.
# Usage: folder_choice_test.sh VIEWER_EXE VESTARA_SPRITE
set -euo pipefail
viewer=$1 tool=$2
work=$(mktemp -d /tmp/vestara-folder-choice.XXXXXX)
# Wine links the prefix's Pictures folder into $HOME: a home of the test's own.
export HOME="$work/home" WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "${BASH_SOURCE[0]}")/../expect_capture.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../choose_game_folder.sh"

mkdir -p "$HOME"
wineboot -i >/dev/null 2>&1
wineserver -w
own=$(ls -d "$WINEPREFIX"/drive_c/users/*/Pictures | grep -v /Public/)/Vestara
folder_separator='\'
# Wine maps Z: onto /.
typed() { echo "Z:${1//\//\\}"; }
start_viewer() {
  # Wine's virtual desktop gives the dialog a frame where no window manager runs.
  wine explorer /desktop=viewer,720x420 "$viewer" --own-folder >/dev/null 2>&1 &
}
viewer_running() { pgrep -f '^/.*VestaraItemViewer\.exe --own-folder$' >/dev/null; }

cd "$work"
mkdir -p empty
"$tool" sample-game game >/dev/null
"$tool" render --category weapon --item 0 --game-dir game -o expected-weapon.bmp >/dev/null

expect_choice_of_the_game_folder
# Wine's desktop goes with it.
wineserver -k
expect_cancel_to_end_the_viewer
