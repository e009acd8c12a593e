#!/usr/bin/env bash
# A set-up script run by a user who is not root, on a machine without sudo,
# must say in one line what to do instead of failing with "sudo: command not
# found". Runs need_packages as the nobody user with a PATH that has no sudo.
set -euo pipefail
lib=$(cd "$(dirname "$0")/../../scripts" && pwd)/lib.sh
[ "$(id -u)" -eq 0 ] || { echo "needs root to become another user; skipped"; exit 77; }

bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
for tool in bash dpkg-query grep id basename env; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
chmod 755 "$bin"

set +e
message=$(setpriv --reuid=65534 --regid=65534 --clear-groups env -i PATH="$bin" \
  bash -c 'source "$1"; need_packages flange-test-no-such-package' setup.sh "$lib" 2>&1 >/dev/null)
status=$?
set -e
echo "status $status: $message"
[ "$status" -eq 1 ] || { echo "expected status 1" >&2; exit 1; }
[ "$(wc -l <<<"$message")" -eq 1 ] || { echo "expected one line" >&2; exit 1; }
grep -q 'as root, or install sudo' <<<"$message" || { echo "expected the advice" >&2; exit 1; }
