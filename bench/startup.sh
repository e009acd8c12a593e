#!/usr/bin/env bash
# Start-up of the calculator window against the smallest Qt 6 program.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build/release, 10)
#
# Time: milliseconds from process start to the first Expose of the window
# (startup_probe), under a private Xvfb started with -noreset, the two
# programs run alternately RUNS times each after one warm-up run; the medians
# are compared. Target: the window at most 1.5 times the minimal program.
# Memory: peak resident set (VmHWM) of the window after it has been shown and
# painted for two seconds. Target: at most 40 MB.
#
# The measuring sticks (startup_probe.c, min_qt_window.cpp) live in the shared
# bench folder beside the project (../shared/bench), or where
# FLANGE_SHARED_BENCH points. Needs gcc, libx11-dev, Qt 6 and Xvfb.
# Exit status: 0 when both targets hold, 1 when one does not, 2 on set-up errors.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" 2>/dev/null && pwd) || {
  echo "startup.sh: no build folder ${1:-$root/build/release}; build first" >&2
  exit 2
}
runs=${2:-10}
sticks=${FLANGE_SHARED_BENCH:-$root/../shared/bench}
program=$build/ui/flange-weight
max_ratio=1.5
max_rss_kb=$((40 * 1024))

for f in "$program" "$sticks/startup_probe.c" "$sticks/min_qt_window.cpp"; do
  [ -e "$f" ] || { echo "startup.sh: missing $f" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The probe and the minimal window, built the way the product is (Release).
gcc -O2 "$sticks/startup_probe.c" -o "$work/startup_probe" -lX11
mkdir -p "$work/min"
cp "$sticks/min_qt_window.cpp" "$work/min/"
cat >"$work/min/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(min_qt_window LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(min_qt_window min_qt_window.cpp)
target_link_libraries(min_qt_window PRIVATE Qt6::Widgets)
CMAKE
cmake -S "$work/min" -B "$work/min/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/min/build" >/dev/null
minimal=$work/min/build/min_qt_window

# A private X server on a free display number; -noreset so that no run pays
# for the server resetting after the previous client.
display_number=""
for n in $(seq 90 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display_number=$n
    break
  fi
done
[ -n "$display_number" ] || { echo "startup.sh: no free X display number" >&2; exit 2; }
Xvfb ":$display_number" -screen 0 1280x1024x24 -dpi 96 -noreset -nolisten tcp \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -S "/tmp/.X11-unix/X$display_number" ] && break
  sleep 0.05
done
[ -S "/tmp/.X11-unix/X$display_number" ] || { echo "startup.sh: Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$display_number"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}

probe() { "$work/startup_probe" "$1" 2>/dev/null; }

probe "$minimal" >/dev/null
probe "$program" >/dev/null
: >"$work/minimal.ms"
: >"$work/program.ms"
for _ in $(seq "$runs"); do
  probe "$minimal" >>"$work/minimal.ms"
  probe "$program" >>"$work/program.ms"
done

median() { sort -n "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
minimal_ms=$(median "$work/minimal.ms")
program_ms=$(median "$work/program.ms")
ratio=$(awk -v p="$program_ms" -v m="$minimal_ms" 'BEGIN {printf "%.2f", p / m}')

# Peak resident memory once the window has been up and painted for a while.
peak_rss_kb() {
  "$1" 2>/dev/null &
  local pid=$!
  sleep 2
  local kb
  kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$kb"
}
minimal_rss_kb=$(peak_rss_kb "$minimal")
program_rss_kb=$(peak_rss_kb "$program")

echo "start-up to first Expose, median of $runs alternating runs under Xvfb -noreset:"
echo "  minimal Qt window   $minimal_ms ms   (runs: $(tr '\n' ' ' <"$work/minimal.ms"))"
echo "  flange-weight       $program_ms ms   (runs: $(tr '\n' ' ' <"$work/program.ms"))"
echo "  ratio               $ratio   (target <= $max_ratio)"
echo "peak resident memory (VmHWM after 2 s on screen):"
echo "  minimal Qt window   $((minimal_rss_kb / 1024)).$(((minimal_rss_kb % 1024) * 10 / 1024)) MB"
echo "  flange-weight       $((program_rss_kb / 1024)).$(((program_rss_kb % 1024) * 10 / 1024)) MB   (target <= 40 MB)"

status=0
if awk -v r="$ratio" -v m="$max_ratio" 'BEGIN {exit !(r > m)}'; then
  echo "start-up: over target"
  status=1
fi
if [ "$program_rss_kb" -gt "$max_rss_kb" ]; then
  echo "memory: over target"
  status=1
fi
[ "$status" -eq 0 ] && echo "both targets hold"
exit "$status"
