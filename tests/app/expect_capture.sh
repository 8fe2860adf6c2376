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
