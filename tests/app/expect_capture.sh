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
