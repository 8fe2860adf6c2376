# Sourced by the viewers' folder-choice tests, after expect_capture.sh. Needs their fail(),
# and:
#   own               the own folder on disk, where the viewer started with --own-folder works
#   folder_separator  the separator the chooser's folders get in filepath.txt
#   typed DIR         DIR as the user types it into the folder chooser
#   start_viewer      starts the viewer with --own-folder, in the background
#   viewer_running    true while the viewer runs
# and the sample game in ./game, an empty folder ./empty and expected-weapon.bmp, the
# first weapon's rendering.

wait_for() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

screen_sum() { import -window root rgb:- 2>/dev/null | md5sum; }

# Waits until the screen differs from $1, then a moment for the rest to be drawn: for what
# shows a blinking caret, which keeps the screen from ever standing still.
changed_from() {
  for _ in $(seq 150); do
    [ "$(screen_sum)" != "$1" ] && sleep 1 && return 0
    sleep 0.2
  done
  fail "nothing came up on the screen"
}

# Waits until the screen differs from $1 and then stands still for a moment: for messages
# and the viewer, drawn whole however slowly the machine runs.
settled_from() {
  local now last= same=0
  for _ in $(seq 300); do
    now=$(screen_sum)
    if [ "$now" != "$1" ] && [ "$now" = "$last" ]; then
      same=$((same + 1))
      [ "$same" -ge 3 ] && return 0
    else
      same=0
    fi
    last=$now
    sleep 0.3
  done
  fail "the screen did not settle"
}

# In the message about the folder, the default button opens the chooser; the folder's path,
# typed, and Enter choose it.
choose_in_chooser() {
  local before
  before=$(screen_sum)
  xdotool key Return
  changed_from "$before"
  xdotool type --delay 10 "$(typed "$1")"
  before=$(screen_sum)
  xdotool key Return
  settled_from "$before"
}

expect_choice_of_the_game_folder() {
  local shown line
  shown=$(screen_sum)
  start_viewer
  # The search of the default folders leaves its line when it finds no game, just before
  # the message comes up.
  wait_for test -f "$own/filepath.txt" || fail "no filepath.txt in $own"
  settled_from "$shown"
  # A folder without the game is refused; the message that says so offers the chooser again.
  choose_in_chooser "$PWD/empty"
  viewer_running || fail "the viewer ended on a folder without the game"
  [ ! -f "$own/G0000001.bmp" ] || fail "a capture without a game folder"
  choose_in_chooser "$PWD/game"
  # The viewer shows the first weapon; Enter captures it into the own folder.
  xdotool key Return
  expect_capture "$own/G0000001.bmp" expected-weapon.bmp
  line=$(tr -d '\r\n' <"$own/filepath.txt")
  [ "$line" = "$(typed "$PWD/game")${folder_separator}" ] || fail "filepath.txt holds $line"
}

# Cancelling the chooser ends the viewer as closing the message does, filepath.txt as it was.
expect_cancel_to_end_the_viewer() {
  local before shown
  printf '%s\n' "$(typed "$PWD/nowhere")" >"$own/filepath.txt"
  before=$(cat "$own/filepath.txt")
  shown=$(screen_sum)
  start_viewer
  settled_from "$shown"
  shown=$(screen_sum)
  xdotool key Return
  changed_from "$shown"
  xdotool key Escape
  for _ in $(seq 50); do viewer_running || break; sleep 0.2; done
  ! viewer_running || fail "the viewer runs on after the chooser was cancelled"
  [ "$(cat "$own/filepath.txt")" = "$before" ] || fail "cancelling changed filepath.txt"
  [ ! -f "$own/G0000002.bmp" ] || fail "a capture after cancelling"
}
