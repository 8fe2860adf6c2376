#!/usr/bin/env bash
# Shows that check_sheets.sh passes good fixture sheets and fails, in both engines, on a wrong
# pixel and on a frame left out of its atlas.
#   tests/engines/self_test.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect FAULT STATUS PATTERN...: each pattern must appear on a line of the checker's output.
expect() {
  local fault=$1 status=$2 got=0
  shift 2
  python3 "$here/make_fixture_sheets.py" "$work/$fault" ${fault:+--fault "$fault"}
  "$here/check_sheets.sh" "$work/$fault/sheets" "$work/$fault/singles" >"$work/$fault.log" || got=$?
  for pattern in "$@"; do
    grep -q -- "$pattern" "$work/$fault.log" || { got="$got, no line '$pattern'"; }
  done
  if [ "$got" != "$status" ]; then
    echo "FAIL ${fault:-good sheets}: wanted exit $status, got $got" >&2
    cat "$work/$fault.log" >&2
    failures=$((failures + 1))
  else
    echo "ok ${fault:-good sheets}"
  fi
}

expect "" 0 '^PASS PixiJS .* 5 of 5 frames match' '^PASS Phaser .* 5 of 5 frames match'
expect wrong-pixel 1 \
  '^FAIL PixiJS .* 3 of 5 frames match' '^FAIL Phaser .* 3 of 5 frames match' \
  'armor-female-3/007: pixel 30,4 is (0,0,0,0)' 'armor-female-3/010: pixel 11,63 is (213,42,41,255)'
expect missing-frame 1 \
  '^PixiJS .*: 1 of 5 single pictures are in no loaded atlas: armor-female-3/007' \
  '^Phaser .*: 1 of 5 single pictures are in no loaded atlas: armor-female-3/007'
echo "$((3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
