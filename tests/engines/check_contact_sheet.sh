#!/usr/bin/env bash
# Checks that SHEETS_DIR/index.html, in headless Chromium, draws every item as its picture in
# SINGLES_DIR over the page background, fetching each sheet once; exits 0 only when it does.
#   tests/engines/check_contact_sheet.sh SHEETS_DIR SINGLES_DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ $# -ne 2 ] || [ ! -d "$1" ] || [ ! -d "$2" ]; then
  echo "usage: $0 SHEETS_DIR SINGLES_DIR (both existing folders)" >&2
  exit 2
fi
. "$here/browser_setup.sh"
browser_setup check_contact_sheet
exec node "$here/check_contact_sheet.mjs" "$1" "$2"
