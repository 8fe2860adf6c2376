#!/usr/bin/env bash
# Under a running X server: the median wall time, over RUNS runs each, from starting the
# viewer to its first preview on screen, and from starting minimal-qt-dialog (an empty
# dialog of the viewer's size) to its first paint; the two alternate. Prints
# "viewer_ms=... floor_ms=...". Usage: viewer_start.sh BIN_DIR WORKING_DIR RUNS
set -euo pipefail
bin=$1 work=$2 runs=$3
cd "$work"

milliseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>"$work/start.err"
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The viewer names its window size once it has shown the first preview.
"$bin/vestara-viewer-start" 2>"$work/start.err" >/dev/null
size=$(sed -n 's/^first preview shown in a \([0-9]*\)x\([0-9]*\) window$/\1 \2/p' "$work/start.err")
[ -n "$size" ] || { echo "the viewer showed no preview" >&2; cat "$work/start.err" >&2; exit 1; }

viewer=() floor=()
for _ in $(seq "$runs"); do
  viewer+=("$(milliseconds "$bin/vestara-viewer-start")")
  # shellcheck disable=SC2086
  floor+=("$(milliseconds "$bin/minimal-qt-dialog" $size)")
done
echo "viewer_ms=$(printf '%s\n' "${viewer[@]}" | median | awk '{ print $1 / 1000 }')" \
  "floor_ms=$(printf '%s\n' "${floor[@]}" | median | awk '{ print $1 / 1000 }')"
