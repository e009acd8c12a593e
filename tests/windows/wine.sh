#!/usr/bin/env bash
# flange-calc.exe under Wine, without a display: a Windows user gets the bytes
# of every other system (LF line ends, UTF-8 labels) and the same exit
# statuses, and the arguments arrive whole whatever the desktop's code page.
#   wine.sh FLANGE-CALC.EXE VERSION
set -u
exec </dev/null  # CI gives none, and localedef and Wine need one
exe=$1 version=$2
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
unset DISPLAY WAYLAND_DISPLAY
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
# A new prefix, without the dialogs that offer to install Mono and Gecko.
timeout 300 wineboot -i >/dev/null 2>&1 || { echo "wine.sh: cannot set up Wine" >&2; exit 1; }

args=(220 158 110 18 8 132 115 20 3 52 12 7.85)
worked=220,158,110,18,8,132,115,20,3,52,12,7.85
labels=$'法兰体积 V(cm3): 604.75\n法兰重量 Wf(Kg): 4.75\n'
passed=0 failed=0

run() { wine "$exe" "$@" >"$work/out" 2>"$work/err"; }

# expect NAME STATUS STDOUT STDERR: the last run's status and output bytes; a
# STDERR ending in "*" is a prefix, as the C library's words for an error differ.
expect() {
  local status=$? out= err=
  IFS= read -r -d '' out <"$work/out"
  IFS= read -r -d '' err <"$work/err"
  if [ "$status" = "$2" ] && [ "$out" = "$3" ] && [[ $err == ${4%\*}* ]] &&
    { [[ $4 == *\* ]] || [ "$err" = "$4" ]; }; then
    passed=$((passed + 1))
    echo "ok $1"
  else
    failed=$((failed + 1))
    printf 'FAIL %s: status %s (want %s)\nstdout [%q]\nwant   [%q]\nstderr [%q]\nwant   [%q]\n' \
      "$1" "$status" "$2" "$out" "$3" "$err" "$4"
  fi
}

run "${args[@]}"
expect worked_example 0 "$labels" ""

# A Chinese desktop's ANSI code page, GBK, in which full-width digits typed
# with an input method are not the UTF-8 the calculation reads.
mkdir "$work/locale"
localedef -i zh_CN -f UTF-8 "$work/locale/zh_CN.UTF-8" >/dev/null 2>&1 ||
  echo "wine.sh: cannot compile the zh_CN.UTF-8 locale (package locales)" >&2
env LOCPATH="$work/locale" LC_ALL=zh_CN.UTF-8 wine "$exe" ２２０ "${args[@]:1}" >"$work/out" \
  2>"$work/err"
expect full_width_digits_on_a_gbk_desktop 0 "$labels" ""

# A spreadsheet's "CSV UTF-8" file: byte-order mark, CRLF line ends, no
# newline at the end. Ctrl-Z, the end of a text file to Windows' C library,
# is an ordinary byte.
printf '\xEF\xBB\xBF# DN100 \x1A\r\n%s\r\n1,2\r\n%s' "$worked" "${worked//,/$'\t'}" >"$work/in"
run --batch <"$work/in"
expect batch_from_a_spreadsheet 1 $'# DN100 \x1A\n604.75\t4.75\n\n604.75\t4.75\n' \
  $'line 3: expected 12 fields, found 2\n'

run
expect usage_error 2 "" \
  $'flange-calc: expected the 12 values D d B dk Nb N A C f H h density, found 0\nTry \'flange-calc --help\'.\n'

run --version
expect version 0 "flange-calc $version"$'\n' ""

: >"$work/out"
wine "$exe" "${args[@]}" >/dev/full 2>"$work/err"
expect full_disk 1 "" $'flange-calc: cannot write the results: No space left on device\n'

wine "$exe" --batch <&- >"$work/out" 2>"$work/err"
expect closed_input 1 "" 'flange-calc: cannot read the input: *'

# Endless input into a pipe whose reader has gone: passes only if reading stops.
: >"$work/out"
(
  trap '' PIPE
  yes "$worked" 2>/dev/null | timeout 60 wine "$exe" --batch 2>"$work/err" | head -c 1 >/dev/null
  exit "${PIPESTATUS[1]}"
)
expect reader_gone 1 "" 'flange-calc: cannot write the results: *'

# A Command Prompt window, through a terminal: the labels read as Chinese
# while the program writes, and the window keeps its own code page after it
# (this Wine keeps a code page a program sets to that program, so the
# program's putting the old one back is not seen here).
on_console() {
  LC_ALL=C.UTF-8 script -qec "wine cmd /c '$1'" /dev/null >"$work/screen" 2>"$work/err"
  local status=$?
  sed -e $'s/\x1b\[[0-9;?]*[a-zA-Z]//g' -e $'s/\r//g' "$work/screen" >"$work/out"
  return $status
}
on_console chcp
IFS= read -r -d '' code_page <"$work/out"
on_console "Z:$(realpath "$exe" | tr / '\\') ${args[*]} & chcp"
expect console_labels_and_code_page 0 "$labels$code_page" ""

echo "wine: $passed passed, $failed failed"
[ "$failed" = 0 ]
