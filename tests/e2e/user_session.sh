#!/usr/bin/env bash
# The calculator used as an engineer uses it: the built program on a real X
# server, driven only by real X key presses and mouse clicks. Every step waits
# for what it needs (the window, its focus, the clipboard, the program's end)
# rather than for a fixed time, so a loaded machine only makes it slower.
#   user_session.sh FLANGE_WEIGHT WM_DELETE_WINDOW ARTIFACT_DIR
set -euo pipefail
program=$1 wmDeleteWindow=$2 artifacts=$3
mkdir -p "$artifacts"

fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs a check up to 100 times, 0.1 s apart.
waitFor() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }

# A private X server at 96 dpi on the first free display. The display file of
# an earlier run goes first: the new one appears only once the server is up.
rm -f "$artifacts/display"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
  4> "$artifacts/display" 2>/dev/null &
xvfb=$!
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null || true' EXIT
waitFor test -s "$artifacts/display" || fail "no X server"
export DISPLAY=:$(cat "$artifacts/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
startProgram() {
  "$program" & app=$!
  window=$(xdotool search --sync --onlyvisible --pid "$app" --name '法兰' | head -n 1)
  [ -n "$window" ] || fail "no window appeared"
  xdotool windowfocus --sync "$window"
  waitFor focused || fail "the window never took the focus"
}
ended() { ! kill -0 "$app" 2>/dev/null; }
expectExit() {
  waitFor ended || fail "$1: the program was still running after ten seconds"
  wait "$app" || fail "$1: the program ended with status $?"
  app=""
  echo "$1: ended with status 0"
}

key() { xdotool key --delay 30 "$@"; }
# The focused field's text by Ctrl+C: the clipboard holds a marker until the
# program has copied, and keeps it when there is nothing to copy (empty).
marker=$'\001'
clipboardChanged() { [ "$(xclip -o -selection clipboard 2>/dev/null)" != "$marker" ]; }
copy() {
  printf "%s" "$marker" | xclip -i -selection clipboard >/dev/null 2>&1
  key ctrl+c
  if waitFor clipboardChanged; then xclip -o -selection clipboard; fi
}
# Client-area pixels of the buttons' centres.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# ---- The worked flange, then the exit button.
startProgram
# Fields 1 to 11, moving on with Tab.
for value in 220 158 110 18 8 132 115 20 3 52 12; do
  xdotool type --delay 30 "$value"
  key Tab
done
# The material list: the first entry by keyboard, then Enter, whose Tab is
# handled after any key already typed: copy again until field 12 holds the
# focus with its density 7.85 selected (the second copy comes after that Tab;
# each copy of nothing waits ten seconds). Enter there goes back to field 1.
key Down Return
densityShown() { [ "$(copy)" = 7.85 ]; }
densityShown || densityShown || densityShown || fail "the density field does not hold 7.85"
key Return
click 192 494  # calculate
# The calculate button has the focus; Tab goes round to field 1, then on to
# field 13. Arriving selects the result, which is copied.
key $(printf 'Tab %.0s' $(seq 14))
[ "$(copy)" = "604.75" ] || fail "volume not 604.75"
key Tab
[ "$(copy)" = "4.75" ] || fail "weight not 4.75"
click 597 493  # exit
expectExit "exit button"

# ---- Closed through the window manager protocol.
startProgram
"$wmDeleteWindow" "$window"
expectExit "window close"
