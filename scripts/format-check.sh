#!/usr/bin/env bash
# Fails when a C++ file is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need_packages clang-format git
git ls-files '*.cpp' '*.hpp' | xargs clang-format --dry-run --Werror
echo "formatting: clean"
