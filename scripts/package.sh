#!/usr/bin/env bash
# Builds the Debian package from the release build, validates the desktop
# entry and the AppStream metainfo, installs the package with apt, and starts
# the installed program once under Xvfb. Run after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

# dpkg-shlibdeps (dpkg-dev) and file find the shared libraries the .deb needs.
need_packages dpkg-dev file desktop-file-utils appstream xvfb xauth xdotool
build=build/release
[ -x "$build/ui/flange-weight" ] || { echo "run scripts/test.sh first" >&2; exit 1; }

echo "== install tree"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
(cd "$stage" && find . -type f | sort)
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml

echo "== Debian package"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/flange-weight_*.deb)
dpkg-deb --field "$deb" Package Version Depends
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" >/dev/null

echo "== the installed program starts"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  /usr/bin/flange-weight & app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app" --name "法兰" | head -n 1)
  [ -n "$window" ] || { echo "the installed program showed no window" >&2; kill $app; exit 1; }
  echo "window $window: $(xdotool getwindowname "$window")"
  "$0" "$window"
  wait "$app"
' "$PWD/$build/tests/e2e/wm_delete_window"
echo "installed program ran and closed with status 0"
