#!/usr/bin/env bash
# Runs the real viewer as the menu entry starts it (VIEWER_COMMAND, its Exec line: with
# --own-folder) on an X display (under xvfb-run), with a home of its own and no
# filepath.txt: the message offers the folder chooser, a folder without the game is refused,
# the sample game's folder is taken and Enter captures the first weapon into
# ~/Pictures/Vestara. Then cancelling the chooser ends the viewer.
# Usage: folder_choice_test.sh VESTARA_SPRITE VIEWER_COMMAND...
set -euo pipefail
tool=$1
viewer_command=("${@:2}")
work=$(mktemp -d)
viewer_pid=
trap 'kill "$viewer_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "${BASH_SOURCE[0]}")/../expect_capture.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../choose_game_folder.sh"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
own="$HOME/Pictures/Vestara"
folder_separator=/
typed() { echo "$1"; }
start_viewer() {
  "${viewer_command[@]}" 2>/dev/null &
  viewer_pid=$!
}
viewer_running() { kill -0 "$viewer_pid" 2>/dev/null; }

cd "$work"
mkdir -p "$HOME" empty
"$tool" sample-game game >/dev/null
"$tool" render --category weapon --item 0 --game-dir game -o expected-weapon.bmp >/dev/null

expect_choice_of_the_game_folder
kill "$viewer_pid"
wait "$viewer_pid" 2>/dev/null || true
expect_cancel_to_end_the_viewer
