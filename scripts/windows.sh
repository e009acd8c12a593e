#!/usr/bin/env bash
# Cross-builds flange-calc.exe for 64-bit Windows with MinGW-w64, checks that
# it needs only DLLs that come with Windows, tests it under Wine without a
# display, and makes build/windows/flange-calc-VERSION-windows-x64.zip with the
# program and its read-me. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need_packages "${WINDOWS_PACKAGES[@]}"
cmake --preset windows -DFLANGE_WERROR=ON >/dev/null
cmake --build --preset windows
exe=build/windows/cli/flange-calc.exe
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)

# A DLL of the compiler's (libstdc++-6.dll, libgcc_s_seh-1.dll,
# libwinpthread-1.dll) would be missing on a bare Windows.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "flange-calc.exe imports:" $dlls
if grep -viqE '^(kernel32|msvcrt|shell32)\.dll$' <<<"$dlls"; then
  echo "$(basename "$0"): flange-calc.exe needs a DLL that Windows does not have" >&2
  exit 1
fi

bash tests/windows/wine.sh "$exe" "$version"

zip=build/windows/flange-calc-$version-windows-x64.zip
rm -f "$zip"
zip -q -j "$zip" "$exe"
zip -q -j -l "$zip" packaging/windows/README.txt  # CRLF line ends, for Notepad
echo "built $zip"
