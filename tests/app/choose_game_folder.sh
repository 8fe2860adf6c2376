# Sourced by the viewers' folder-choice tests, after expect_capture.sh. Needs their fail(),
# and:
#   own             the own folder on disk, where the viewer started with --own-folder works
#   typed DIR       DIR as the user types it into the folder chooser
#   start_viewer    starts the viewer with --own-folder, in the background
#   viewer_running  true while the viewer runs
#   folder_separator  the separator the chooser's folders get in filepath.txt
# and the sample game in ./game, an empty folder ./empty and expected-weapon.bmp, the
# first weapon's rendering.

wait_for() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

# In the message about the folder, the default button opens the chooser; the folder's path,
# typed, and Enter choose it.
choose_in_chooser() {
  xdotool key Return
  sleep 2
  xdotool type --delay 10 "$(typed "$1")"
  xdotool key Return
  sleep 2
}

expect_choice_of_the_game_folder() {
  start_viewer
  # The search of the default folders leaves its line when it finds no game, just before
  # the message comes up.
  wait_for test -f "$own/filepath.txt" || fail "no filepath.txt in $own"
  sleep 2
  # A folder without the game is refused; the message that says so offers the chooser again.
  choose_in_chooser "$PWD/empty"
  viewer_running || fail "the viewer ended on a folder without the game"
  [ ! -f "$own/G0000001.bmp" ] || fail "a capture without a game folder"
  choose_in_chooser "$PWD/game"
  # The viewer shows the first weapon; Enter captures it into the own folder.
  xdotool key Return
  expect_capture "$own/G0000001.bmp" expected-weapon.bmp
  local line
  line=$(tr -d '\r\n' <"$own/filepath.txt")
  [ "$line" = "$(typed "$PWD/game")${folder_separator}" ] || fail "filepath.txt holds $line"
}

# Cancelling the chooser ends the viewer as closing the message does, filepath.txt as it was.
expect_cancel_to_end_the_viewer() {
  printf '%s\n' "$(typed "$PWD/nowhere")" >"$own/filepath.txt"
  local before
  before=$(cat "$own/filepath.txt")
  start_viewer
  sleep 4
  xdotool key Return
  sleep 2
  xdotool key Escape
  for _ in $(seq 50); do viewer_running || break; sleep 0.2; done
  ! viewer_running || fail "the viewer runs on after the chooser was cancelled"
  [ "$(cat "$own/filepath.txt")" = "$before" ] || fail "cancelling changed filepath.txt"
  [ ! -f "$own/G0000002.bmp" ] || fail "a capture after cancelling"
}
