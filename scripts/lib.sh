# Shared by the set-up scripts: installs the Debian packages that are missing.
# Sourced, not run.

# Runs a command as root: directly when we are root, through sudo otherwise.
# Without sudo a non-root user gets one line that says what to do instead of
# the shell's bare "sudo: command not found".
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "$(basename "$0"): packages must be installed first; run this command as root, or install sudo" >&2
    exit 1
  fi
}

# need_packages PKG...: installs those of the packages that are not installed.
need_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# What building the program needs, and what it needs to look right: the Song
# and Kai faces of the labels and buttons, the sans-serif face of the fields.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libfontconfig-dev libfast-float-dev libfmt-dev)
FONT_PACKAGES=(fonts-arphic-uming fonts-arphic-ukai fonts-dejavu-core)
# What the test suites need besides: GoogleTest, Google Benchmark, a German
# locale to prove locale independence, an X server for the window tests, X
# input and clipboard tools for the end-to-end test, and the Latin face the
# drawing is redrawn with to check the committed images.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev locales xvfb xauth time libx11-dev xdotool xclip
  imagemagick fonts-urw-base35)

# What the Windows program needs: the MinGW-w64 cross compiler, zip, and Wine
# with the Chinese locale's sources (locales) for its tests.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64 libfast-float-dev libfmt-dev wine wine64
  locales zip)
# What the web edition needs: emscripten (with node and python3) and the
# header-only libraries it compiles the core with; its tests also need
# Debian's chromium and the fonts the page names.
WEB_PACKAGES=(cmake ninja-build emscripten libfast-float-dev libfmt-dev python3)
WEB_TEST_PACKAGES=(chromium "${FONT_PACKAGES[@]}")

# require_qt_dependencies DEB: fails with a message unless the package's
# Depends names the Qt 6 Widgets library, proof that the shared-library scan ran.
require_qt_dependencies() {
  local depends
  depends=$(dpkg-deb --field "$1" Depends)
  echo "Depends: $depends"
  if ! grep -q 'libqt6widgets6' <<<"$depends"; then
    echo "$(basename "$0"): $1 does not depend on the Qt 6 libraries: the shared-library" \
      "scan (dpkg-shlibdeps, file) did not run; the package would not start once installed" >&2
    return 1
  fi
}
