# Sourced by the viewers' end-to-end tests; needs their fail().
# Waits until the capture $1 is as large as the rendering $2, then compares them.
expect_capture() {
  for _ in $(seq 200); do
    if [ -f "$1" ] && [ "$(stat -c %s "$1")" -eq "$(stat -c %s "$2")" ]; then
      cmp -s "$1" "$2" || fail "$1 differs from $2"
      return 0
    fi
    sleep 0.05
  done
  fail "no complete $1"
}

# Reads the clipboard's image/png into $1, waiting until a copy has put one there.
read_clipboard_png() {
  for _ in $(seq 100); do
    if xclip -selection clipboard -t image/png -o >"$1" 2>/dev/null && [ -s "$1" ]; then
      return 0
    fi
    sleep 0.1
  done
  fail "no image/png on the clipboard"
}

# Checks that the copied PNG $1 holds the pixels of the capture $2: all of them for an
# opaque copy; for a transparent one ($3 = transparent, the capture on white), only fully
# opaque and fully transparent pixels, both present, the opaque ones the capture's and the
# transparent ones white in the capture.
expect_copy_of() {
  local copy=$1 capture=$2 kind=${3:-opaque}
  if [ "$kind" = opaque ]; then
    cmp -s <(convert "$copy" -alpha off rgb:-) <(convert "$capture" rgb:-) ||
      fail "the copy $copy differs from the capture $capture"
    return 0
  fi
  local levels
  levels=$(convert "$copy" -alpha extract -depth 8 -format '%c' histogram:info:- |
    sed -E 's/.*(gray\([0-9]+\)).*/\1/' | sort | tr '\n' ' ')
  [ "$levels" = "gray(0) gray(255) " ] || fail "the copy's alpha holds $levels"
  cmp -s <(convert "$copy" -background white -alpha remove -alpha off rgb:-) \
    <(convert "$capture" rgb:-) || fail "the transparent copy $copy differs from $capture"
}

# With the picture of capture $1 in view: Ctrl+C puts that picture on the clipboard,
# Ctrl+Shift+C the same with the background transparent, and neither writes a file.
expect_copy_keys_give() {
  local capture=$1 files
  files=$(ls)
  xdotool key ctrl+c
  read_clipboard_png copied.png
  expect_copy_of copied.png "$capture"
  xdotool key ctrl+shift+c
  for _ in $(seq 50); do
    read_clipboard_png transparent.png
    cmp -s copied.png transparent.png || break
    sleep 0.1
  done
  expect_copy_of transparent.png "$capture" transparent
  [ "$(ls | grep -v -x -e copied.png -e transparent.png)" = "$(grep -v -x -e copied.png -e transparent.png <<<"$files")" ] ||
    fail "a copy wrote a file"
}

# The rectangle (WxH+X+Y) in which screenshots $1 and $2 differ: where a list opened.
changed_area() {
  convert "$1" "$2" -compose difference -composite -threshold 0 -format '%@' info:
}

# The distinct colours on each line of a strip of $1 (x from $2, $3 wide, in the
# rectangle $4 = WxH+X+Y), one count per line from the top.
colours_per_line() {
  local image=$1 from=$2 width=$3 area=$4 height left top
  height=${area#*x}; height=${height%%+*}
  left=$(cut -d+ -f2 <<<"$area"); top=$(cut -d+ -f3 <<<"$area")
  convert "$image" -crop "${width}x${height}+$((left + from))+${top}" +repage txt:- |
    awk -v height="$height" '
      NR > 1 {
        split($1, xy, /[,:]/)
        if (!((xy[2] " " $3) in seen)) { seen[xy[2] " " $3] = 1; count[xy[2]]++ }
      }
      END { for (y = 0; y < height; y++) print count[y] + 0 }'
}

# Checks that in the opened list of screenshot $2 (the same screen with the list closed in
# $1) every entry that shows a label shows a picture left of it: each band of lines with
# text holds a line with a picture's colours (more than a background and a focus frame).
expect_pictures_beside_entries() {
  local area width entries=0 missing=0
  area=$(changed_area "$1" "$2")
  width=${area%%x*}
  paste <(colours_per_line "$2" 2 $((width / 5)) "$area") \
    <(colours_per_line "$2" $((width * 3 / 10)) $((width * 11 / 20)) "$area") >"$2.lines"
  read -r entries missing < <(awk '
    { text = $2 > 1; picture = $1 > 2 }
    text && !inside { inside = 1; shown = 0; entries++ }
    text && picture { shown = 1 }
    !text && inside { inside = 0; if (!shown) missing++ }
    END { if (inside && !shown) missing++; print entries, missing + 0 }' "$2.lines")
  [ "$entries" -ge 4 ] || fail "the opened list in $2 shows $entries entries"
  [ "$missing" -eq 0 ] || fail "$missing of the $entries entries in $2 show no picture"
}

# From the list before the armor list: the armor list's pictures in colour 1 for men, then
# (Tab to the colour list, Down Down, Tab to 男, Right and Space for 女, Shift+Tab twice
# back) in colour 3 for women: pictures beside every entry, and other ones. Leaves the
# focus in the armor list. Takes screenshots with the script's own `shoot FILE`.
expect_armor_pictures_follow_colour_and_gender() {
  local area differing
  xdotool key Tab
  sleep 0.5
  shoot armor-closed.png
  xdotool key alt+Down
  sleep 1
  shoot armor-male-1.png
  xdotool key Escape
  xdotool key Tab Down Down Tab Right space shift+Tab shift+Tab
  sleep 1
  shoot armor-closed-female-3.png
  xdotool key alt+Down
  sleep 1
  shoot armor-female-3.png
  xdotool key Escape
  expect_pictures_beside_entries armor-closed.png armor-male-1.png
  expect_pictures_beside_entries armor-closed-female-3.png armor-female-3.png
  area=$(changed_area armor-closed.png armor-male-1.png)
  convert armor-male-1.png -crop "$area" +repage armor-list-male-1.png
  convert armor-female-3.png -crop "$area" +repage armor-list-female-3.png
  differing=$(compare -metric AE armor-list-male-1.png armor-list-female-3.png null: 2>&1 || true)
  [[ "$differing" =~ ^[0-9]+$ ]] || fail "cannot compare the armor lists: $differing"
  [ "$differing" -gt 0 ] || fail "the armor list shows the same pictures for 女 in colour 3"
}
