#!/usr/bin/env bash
# Runs each libFuzzer target for SECONDS (default 60), starting from the
# committed seeds. A crash, hang, sanitizer report or wrong display text fails.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
seconds=${1:-60}

need_packages cmake ninja-build clang libclang-rt-14-dev libfast-float-dev libfmt-dev
CXX=clang++ cmake --preset fuzz -DFLANGE_WERROR=ON >/dev/null
cmake --build --preset fuzz

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for pair in parse_leading_number:parse format_result:format calculate_from_field_texts:calculate \
    batch:batch; do
  target=fuzz_${pair%%:*}
  seeds=fuzz/seeds/${pair##*:}
  mkdir -p "$corpus/$target"
  echo "== $target for ${seconds}s"
  log=build/fuzz/$target.log
  if ! build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="build/fuzz/$target-" -print_final_stats=1 \
      "$corpus/$target" "$seeds" > "$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "$target failed; the input that failed is build/fuzz/$target-*" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log"
done
