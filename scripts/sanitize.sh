#!/usr/bin/env bash
# Builds the core and the command-line calculator without Qt, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs their tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need_packages cmake ninja-build g++ libfast-float-dev libfmt-dev libgtest-dev libbenchmark-dev locales
cmake --preset asan -DFLANGE_WERROR=ON >/dev/null
cmake --build --preset asan
ctest --preset asan
