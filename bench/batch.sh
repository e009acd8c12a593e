#!/usr/bin/env bash
# Times `flange-calc --batch` against the floor program on the same generated
# input, in the same run, alternating runs, and reports medians and peak memory.
#   bench/batch.sh [BUILD_DIR] [LINES] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
lines=${2:-1000000}
runs=${3:-5}
floor_src=$root/../shared/bench/floor_batch.cpp
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[ -x "$build/cli/flange-calc" ] && [ -x "$build/bench/make-flanges" ] ||
  { echo "build flange-calc and make-flanges in $build first" >&2; exit 1; }
[ -f "$floor_src" ] || { echo "floor program not found at $floor_src" >&2; exit 1; }
g++ -O2 -std=c++20 "$floor_src" -o "$work/floor_batch"
"$build/bench/make-flanges" "$lines" > "$work/flanges.tsv"

# Prints "seconds peak_kib" for one run of a command reading the input.
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" < "$work/flanges.tsv" > /dev/null
  cat "$work/time"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: > "$work/product"; : > "$work/floor"
for _ in $(seq "$runs"); do
  measure "$build/cli/flange-calc" --batch >> "$work/product"
  measure "$work/floor_batch" >> "$work/floor"
done
product=$(cut -d' ' -f1 "$work/product" | median)
floor=$(cut -d' ' -f1 "$work/floor" | median)
peak=$(cut -d' ' -f2 "$work/product" | sort -n | tail -1)
ratio=$(awk -v p="$product" -v f="$floor" 'BEGIN {printf "%.2f", p / f}')
echo "lines: $lines, runs: $runs"
echo "flange-calc --batch: median ${product} s, peak memory $((peak / 1024)) MB"
echo "floor_batch:         median ${floor} s"
echo "ratio: ${ratio} (target at most 1.5)"
awk -v r="$ratio" -v m="$peak" 'BEGIN {exit !(r <= 1.5 && m < 20 * 1024)}'
