#!/usr/bin/env bash
# Checks that PixiJS and Phaser, in headless Chromium, load every atlas of SHEETS_DIR and that
# each frame equals its picture in SINGLES_DIR; exits 0 only when all do in both engines.
#   tests/engines/check_sheets.sh SHEETS_DIR SINGLES_DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ $# -ne 2 ] || [ ! -d "$1" ] || [ ! -d "$2" ]; then
  echo "usage: $0 SHEETS_DIR SINGLES_DIR (both existing folders)" >&2
  exit 2
fi
chromium=${CHROMIUM:-/usr/bin/chromium}
if [ ! -x "$chromium" ]; then
  echo "check_sheets: no browser at $chromium; tools/ensure-packages installs Debian's chromium" >&2
  exit 2
fi
node_major=$(node -p 'process.versions.node.split(".")[0]' 2>/dev/null || echo 0)
if [ "$node_major" -lt 20 ] || ! command -v npm >/dev/null; then
  echo "check_sheets: needs Node.js 20 or later and its npm (the machine's nodejs package" \
    "brings both); found node major ${node_major}, npm at '$(command -v npm || true)'" >&2
  exit 2
fi
# npm ci starts from scratch each time, so it runs only when the lock changed since the last.
stamp="$here/node_modules/.lock.sha256"
lock=$(sha256sum "$here/package-lock.json" | cut -d' ' -f1)
if [ "$(cat "$stamp" 2>/dev/null || true)" != "$lock" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error) >&2
  echo "$lock" >"$stamp"
fi
CHROMIUM=$chromium exec node "$here/check_sheets.mjs" "$1" "$2"
