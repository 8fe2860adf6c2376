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
. "$here/browser_setup.sh"
browser_setup check_sheets
exec node "$here/check_sheets.mjs" "$1" "$2"
