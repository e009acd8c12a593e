#!/usr/bin/env bash
# The calculator used as an engineer uses it: the built program on a real X
# server, driven only by real X key presses and mouse clicks.
#   user_session.sh FLANGE_WEIGHT WM_DELETE_WINDOW ARTIFACT_DIR
set -euo pipefail
program=$1
wm_delete_window=$2
artifacts=$3
mkdir -p "$artifacts"

fail() { echo "FAIL: $*" >&2; exit 1; }

# A private X server at 96 dpi on the first free display.
Xvfb -displayfd 4 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
  4> "$artifacts/display" 2>/dev/null &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$artifacts/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$artifacts/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

start_program() {
  "$program" & app=$!
  window=$(xdotool search --sync --onlyvisible --pid "$app" --name '法兰' | head -n 1)
  [ -n "$window" ] || fail "no window appeared"
  xdotool windowfocus --sync "$window"
  sleep 0.3  # let the window take the focus before typing
}

# Waits at most one second for the program to end; passes on status 0.
expect_exit_within_a_second() {
  local status=""
  for _ in $(seq 20); do
    if ! kill -0 "$app" 2>/dev/null; then
      wait "$app" && status=0 || status=$?
      break
    fi
    sleep 0.05
  done
  [ -n "$status" ] || fail "$1: the program was still running after a second"
  [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
  app=""
}

key() { xdotool key --delay 30 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
copy() { key ctrl+c; sleep 0.2; clipboard; }

# Client-area pixels of the buttons' centres (positions in twips / 15).
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click_calculate() { click_at $((2160 / 15 + 1455 / 30)) $((7140 / 15 + 540 / 30)); }
click_exit() { click_at $((8490 / 15 + 930 / 30)) $((7140 / 15 + 525 / 30)); }

# ---- First run: the worked flange, then a change, then the exit button.
start_program
# Fields 1 to 11, moving on alternately with Tab and Enter.
next=Tab
for value in 220 158 110 18 8 132 115 20 3 52 12; do
  type_text "$value"
  key "$next"
  [ "$next" = Tab ] && next=Return || next=Tab
done
# The material list: the first entry by keyboard, then Enter on to field 12.
key Down
key Return
click_calculate

# The calculate button now has the focus; Tab goes round to field 1, then on
# to field 13. Arriving selects the result, which is copied.
for _ in $(seq 14); do key Tab; done
volume=$(copy)
key Tab
weight=$(copy)
[ "$volume" = "604.75" ] || fail "volume shown as '$volume', expected 604.75"
[ "$weight" = "4.75" ] || fail "weight shown as '$weight', expected 4.75"
echo "worked flange: volume $volume, weight $weight"

# Back to field 1 and change it: both results go blank.
for _ in $(seq 14); do key shift+Tab; done
type_text "2"
for _ in $(seq 12); do key Tab; done
density=$(copy)  # field 12: proves copying works at this point
[ "$density" = "7.85" ] || fail "density field holds '$density', expected 7.85"
key Tab
[ "$(copy)" = "7.85" ] || fail "the volume was not blanked by the change of field 1"
key Tab
[ "$(copy)" = "7.85" ] || fail "the weight was not blanked by the change of field 1"
echo "after changing field 1: both results empty"

import -window root "$artifacts/final-state.png"
click_exit
expect_exit_within_a_second "exit button"
echo "exit button: ended with status 0"

# ---- Second run: closed through the window manager protocol.
start_program
"$wm_delete_window" "$window"
expect_exit_within_a_second "window close"
echo "window close: ended with status 0"
