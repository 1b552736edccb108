#!/usr/bin/env bash
# Builds Cindrel for 64-bit Windows on Debian 12 and packs its installer:
#   1. installs what it needs (scripts/deps.sh --windows);
#   2. builds Qt for Windows, or reuses it from its cache (scripts/windows-qt.sh);
#   3. cross-builds the program and its tests with MinGW-w64 into build-windows/;
#   4. runs the unit and widget tests under wine, on Qt's offscreen platform;
#   5. packs the NSIS installer (stripped, signed when a key is given; see
#      scripts/windows-sign.sh), checks its weight, packs the portable zip of
#      the same files, the winget manifest (checked) and Qt's source
#      (build-windows/Cindrel-<version>-qt-source.tar, with the source of
#      Qt's translations), and prints the installer's path last:
#      build-windows/Cindrel-<version>-win64.exe
# CINDREL_WERROR=ON (as CI sets it) makes every warning in the program's own
# code an error. See docs/windows.md.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-windows

step() { printf '\n==== windows: %s ====\n' "$*" >&2; }

step "1/5 packages"
bash scripts/deps.sh --windows >&2

step "2/5 Qt for Windows"
qt_prefix=$(bash scripts/windows-qt.sh | tail -n 1)
[[ -x $qt_prefix/bin/qt-cmake ]] || { echo "windows: no Qt at '$qt_prefix'" >&2; exit 1; }
# GNU ld lays a program's imports out in the order of the paths of their
# import libraries, so the folder the Qt cache is in would change the
# program's bytes (a cache under /work sorts after the compiler's own
# libraries in /usr, one under /home or /root before them). The build reaches
# Qt through a link of this user's in /tmp, which sorts before /usr wherever
# the cache is.
qt_link=/tmp/cindrel-qt-$(id -u)-${qt_prefix##*/}
if [[ -e $qt_link || -L $qt_link ]] && [[ ! -L $qt_link || -n $(find "$qt_link" -maxdepth 0 ! -user "$(id -u)") ]]; then
  echo "windows: $qt_link is in the way and not this user's link to Qt; remove it" >&2
  exit 1
fi
ln -sfnT "$qt_prefix" "$qt_link"
qt_prefix=$qt_link

step "3/5 cross-build"
# Release, as a Windows program ships; the hardening flags apply to it.
# Release carries no debug information, the one part of GCC's output that a
# precompiled header's folder changes, so the program and its tests share
# precompiled Qt headers here; scripts/windows-repro.sh checks that the
# shipped bytes do not depend on the folder.
"$qt_prefix/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCINDREL_WERROR="${CINDREL_WERROR:-OFF}" -DCINDREL_BUILD_BENCH=OFF -DCINDREL_PCH=ON \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/wine >&2
nice -n 5 cmake --build "$build" >&2
# shellcheck source=/dev/null
source "$build/identity.sh"

step "4/5 tests under wine"
# shellcheck source=scripts/wine.sh
source scripts/wine.sh
trap wine_stop EXIT
wine_init
wine_display 1280x1024x24
# The test programs find Qt's and MinGW's libraries through WINEPATH; Qt
# finds its plugins beside its own libraries.
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
WINEPATH=$(wine_path "$qt_prefix/bin" "$gcc_runtime" /usr/x86_64-w64-mingw32/lib)
export WINEPATH
# One wine server for all the tests, and the whole session started before
# the first test rather than beside it: the services, which the first wine
# program starts, and the desktop, which the first program with a window
# starts (every Qt program makes one for its events).
wineserver --persistent
# The widget tests draw on Qt's offscreen platform, which under wine finds
# no font unless it is given a folder of them: Debian's DejaVu, the fonts
# the Linux build's tests draw with. wine passes no QT_* variable on, so
# the folder goes into the prefix's environment; regedit, a windowed
# program, reads it back and so starts the desktop.
timeout 120 wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(wine_path /usr/share/fonts/truetype/dejavu)" \
  /f >/dev/null
timeout 120 wine regedit /E "$(wine_path "$build/wine-environment.reg")" 'HKEY_CURRENT_USER\Environment'
iconv -f UTF-16LE "$build/wine-environment.reg" | grep -q QT_QPA_FONTDIR ||
  { echo "windows: the prefix's environment lacks QT_QPA_FONTDIR" >&2; exit 1; }
ctest --test-dir "$build" --output-on-failure --no-tests=error --timeout 180 >&2
wine_stop
trap - EXIT

step "5/5 installer"
# Packing checks that every staged file is named in the licence notices and
# that every executable and DLL, as it ships (stripped, and signed when a
# key is given), asks for ASLR with high entropy and DEP and keeps its
# relocations (packaging/windows/CindrelStage.cmake).
(cd "$build" && cpack -G NSIS >&2)
installer=$build/$CINDREL_WINDOWS_PACKAGE.exe
[[ -f $installer ]] || { echo "windows: cpack made no $installer" >&2; exit 1; }
# The weight: the installer at most 6 MiB, the installed files (as staged,
# stripped, for the installer) at most 20 MiB.
staged=$build/$CINDREL_WINDOWS_STAGING
installer_bytes=$(stat -c %s "$installer")
installed_bytes=$(find "$staged" -type f -printf '%s\n' | awk '{sum += $1} END {print sum + 0}')
printf 'windows: the installer is %s bytes, the installed files %s bytes\n' "$installer_bytes" "$installed_bytes" >&2
((installer_bytes <= 6 * 1024 * 1024)) || { echo "windows: the installer is over 6 MiB" >&2; exit 1; }
((installed_bytes <= 20 * 1024 * 1024)) || { echo "windows: the installed files are over 20 MiB" >&2; exit 1; }
# The portable zip of the same files, and the winget manifest of the installer.
python3 scripts/windows-zip.py "$build" >&2
python3 scripts/winget.py "$build" >&2 && python3 scripts/winget-check.py "$build/winget" "$installer"
# Qt's exact source beside it, which the licence notices point to. When it
# cannot be made (the translations' source cannot be fetched), the installer
# is still tested, and the reason is said again last: without the archive
# the installer is not to be published.
if ! bash scripts/windows-qt-source.sh "$qt_prefix" "$build" >&2; then
  echo "windows: NOT FOR PUBLISHING: no $CINDREL_WINDOWS_QT_SOURCE.tar (see above)" >&2
fi
echo "$installer"
