#!/usr/bin/env bash
# Builds the web edition into build/web and serves it on localhost:
#   bash scripts/web.sh [PORT]     build, then serve on PORT (8080) until Ctrl+C
#   bash scripts/web.sh --build    build only
#   bash scripts/web.sh --test     build, then run its browser tests in chromium
#                                  (needs build/release/cli/flange-calc, built if missing)
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need_packages "${WEB_PACKAGES[@]}"
# emcc runs its JavaScript tools with node and the acorn parser from Debian's
# node-acorn, which a node not from Debian does not look for by itself.
export NODE_PATH=/usr/share/nodejs
cmake --preset web -DFLANGE_WERROR=ON >/dev/null
cmake --build --preset web

case "${1:-}" in
  --build) ;;
  --test)
    need_packages "${WEB_TEST_PACKAGES[@]}"
    command -v npm >/dev/null 2>&1 || need_packages npm
    if [ ! -x build/release/cli/flange-calc ]; then
      cmake --preset release >/dev/null
      cmake --build --preset release --target flange-calc
    fi
    # The pinned playwright-core only drives Debian's chromium; it downloads no browser.
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --prefix tests/web --no-audit --no-fund >/dev/null
    node --test tests/web/web_test.mjs ;;
  *)
    port=${1:-8080}
    echo "Serving the calculator at http://localhost:$port/ (Ctrl+C stops)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web ;;
esac
