#!/usr/bin/env bash
# Builds the calculator and starts its window. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}"
cmake --preset app >/dev/null
cmake --build --preset app
exec build/app/ui/flange-weight
