#!/usr/bin/env bash
# flange-calc under the redirections that shells and supervisors give it: a
# lost output or an unreadable input fails loudly, and messages stay in step
# with the results in one file.
#   streams.sh PROGRAM CASE
set -u
calc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
worked=220,158,110,18,8,132,115,20,3,52,12,7.85
lost='flange-calc: cannot write the results'
unread='flange-calc: cannot read the input'
want_out=

# The worked flange as arguments, or endlessly in batch mode: the batch case
# passes only if reading stops once the output is lost.
run() {
  if [[ $2 == single_* ]]; then "$calc" ${worked//,/ }; else "$calc" --batch < <(yes "$worked" 2> /dev/null); fi
}

case $2 in
  *_to_full) run "$@" > /dev/full 2> "$work/err"; status=$? want_err="$lost: No space left on device" ;;
  *_to_closed) run "$@" >&- 2> "$work/err"; status=$? want_err="$lost: Bad file descriptor" ;;
  *_to_broken_pipe)  # a reader that has exited; SIGPIPE ignored, as under many supervisors
    trap '' PIPE; exec 3> >(true); wait $!
    run "$@" >&3 2> "$work/err"; status=$? want_err="$lost: Broken pipe" ;;
  read_directory) "$calc" --batch < / > "$work/out" 2> "$work/err"
    status=$? want_err="$unread: Is a directory" ;;
  read_closed) "$calc" --batch <&- > "$work/out" 2> "$work/err"
    status=$? want_err="$unread: Bad file descriptor" ;;
  endless_line)  # 100 MB without a newline, in 50 MB of address space
    (ulimit -v 50000; head -c 100000000 /dev/zero | tr '\0' 7 | "$calc" --batch > "$work/out" 2> "$work/err")
    status=$? want_err="line 1: longer than 1048576 bytes" ;;
  messages_in_step)
    printf '%s\n1,2\n%s\n' "$worked" "$worked" | "$calc" --batch > "$work/out" 2>&1
    status=$? want_err=
    want_out=$'604.75\t4.75\nline 2: expected 12 fields, found 2\n\n604.75\t4.75' ;;
  *) echo "unknown case $2" >&2; exit 2 ;;
esac
err=$(cat "$work/err" 2> /dev/null) out=$(cat "$work/out" 2> /dev/null)
[ "$status" = 1 ] && [ "$err" = "$want_err" ] && [ "$out" = "$want_out" ] && exit 0
printf 'status %s (want 1)\nstderr [%s]\nwant   [%s]\nstdout [%s]\nwant   [%s]\n' \
  "$status" "$err" "$want_err" "$out" "$want_out" >&2
exit 1
