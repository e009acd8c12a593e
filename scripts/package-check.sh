#!/usr/bin/env bash
# Checks the Debian package as a user gets it: the desktop entry and the
# AppStream metainfo validate, a package built without the shared-library
# scan is refused, and the package installs with apt and its program starts
# and closes under Xvfb. Run after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need_packages desktop-file-utils appstream xvfb xauth xdotool libx11-dev
bash scripts/package.sh

echo "== desktop entry and metainfo"
desktop-file-validate packaging/*.desktop
appstreamcli validate --pedantic --no-net packaging/*.metainfo.xml

echo "== a package without the dependency scan is refused"
refusal=$(mktemp)
trap 'rm -f "$refusal"' EXIT
if bash scripts/package.sh -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF 2>"$refusal"; then
  echo "scripts/package.sh accepted a package without Qt dependencies" >&2
  exit 1
fi
grep 'did not run' "$refusal"
bash scripts/package.sh >/dev/null

echo "== installed with apt, the program starts"
deb=$(ls build/package/flange-weight_*.deb)
description=$(dpkg-deb --field "$deb" Description)
if grep -q ';' <<<"$description"; then
  echo "the package description shows list separators: $description" >&2
  exit 1
fi
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" >/dev/null
# The test helper that closes a window as a window manager does, from the
# test build that scripts/test.sh made.
cmake --build --preset release --target wm_delete_window >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  /usr/bin/flange-weight & app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app" --name "法兰" | head -n 1)
  [ -n "$window" ] || { echo "the installed program showed no window" >&2; kill $app; exit 1; }
  echo "window $window: $(xdotool getwindowname "$window")"
  "$0" "$window"
  wait "$app"
' "$PWD/build/release/tests/e2e/wm_delete_window"
echo "installed program ran and closed with status 0"
/usr/bin/flange-calc 220 158 110 18 8 132 115 20 3 52 12 7.85
