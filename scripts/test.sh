#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test suite.
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset release -DFLANGE_WERROR=ON >/dev/null
cmake --build --preset release
ctest --preset release
# The web edition, in a real browser, against the flange-calc just built.
bash scripts/web.sh --test
# flange-calc.exe, cross-built for Windows and run under Wine.
bash scripts/windows.sh
