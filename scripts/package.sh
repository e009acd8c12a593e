#!/usr/bin/env bash
# Builds the Debian package flange-weight_VERSION_amd64.deb in build/package.
# Installs what building and the dependency scan need first, and fails when
# the package would not name the Qt 6 libraries it needs: a package without
# them installs cleanly and then cannot start.
#   scripts/package.sh            then: sudo apt install ./build/package/flange-weight_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

# dpkg-shlibdeps (dpkg-dev) and file are CPack's dependency scan: without them
# CPack still reports success, with Depends naming only the fonts.
need_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" dpkg-dev file
cmake --preset package >/dev/null
cmake --build --preset package
rm -f build/package/flange-weight_*.deb
(cd build/package && cpack -G DEB "$@" >/dev/null)
deb=$(ls build/package/flange-weight_*.deb)
require_qt_dependencies "$deb"
echo "built $deb"
