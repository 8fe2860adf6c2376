# Sourced by the checks that drive headless Chromium: makes sure the browser, Node.js and the
# pinned node_modules are there, and exports CHROMIUM for the Node.js side.
#   . browser_setup.sh; browser_setup NAME
browser_setup() {
  local name=$1 here
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  CHROMIUM=${CHROMIUM:-/usr/bin/chromium}
  if [ ! -x "$CHROMIUM" ]; then
    echo "$name: no browser at $CHROMIUM; tools/ensure-packages installs Debian's chromium" >&2
    exit 2
  fi
  local node_major
  node_major=$(node -p 'process.versions.node.split(".")[0]' 2>/dev/null || echo 0)
  if [ "$node_major" -lt 20 ] || ! command -v npm >/dev/null; then
    echo "$name: needs Node.js 20 or later and its npm (the machine's nodejs package" \
      "brings both); found node major ${node_major}, npm at '$(command -v npm || true)'" >&2
    exit 2
  fi
  # npm ci starts from scratch each time, so it runs only when the lock changed since the last.
  local stamp="$here/node_modules/.lock.sha256" lock
  lock=$(sha256sum "$here/package-lock.json" | cut -d' ' -f1)
  if [ "$(cat "$stamp" 2>/dev/null || true)" != "$lock" ]; then
    (cd "$here" && npm ci --no-audit --no-fund --loglevel=error) >&2
    echo "$lock" >"$stamp"
  fi
  export CHROMIUM
}
