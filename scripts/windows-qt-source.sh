#!/usr/bin/env bash
# Packs Qt's exact source beside the Windows installer, as LGPL-3 asks of
# whoever ships Qt's DLLs: build-windows/<Name>-<version>-qt-source.tar holds
# the Qt cache's source/ folder (Debian's qt6-base source package as fetched,
# the patches applied and skipped, windows-qt.sh with qt-attributions.py, the
# configure options and the toolchain file) and a README on rebuilding. The
# licence notices say where it is published. The archive is reproducible:
# sorted names, owner 0, and the commit's time (SOURCE_DATE_EPOCH).
#
# Usage: windows-qt-source.sh QT_PREFIX BUILD_DIR   (prints the archive's path)
set -euo pipefail
qt_prefix=$1 build=$2
# shellcheck source=/dev/null
source "$build/identity.sh"
name=$CINDREL_NAME-$CINDREL_VERSION-qt-source
archive=$build/$name.tar

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/$name"
cp "$qt_prefix"/source/* "$work/$name/"
cat >"$work/$name/README" <<README
Qt's source for $CINDREL_NAME $CINDREL_VERSION for Windows
$(printf '%*s' $((${#CINDREL_NAME} + ${#CINDREL_VERSION} + 29)) '' | tr ' ' '=')

$CINDREL_NAME's Windows build ships Qt's DLLs (Qt6Core, Qt6Gui, Qt6Widgets,
Qt6PrintSupport, and the qwindows and qwindowsvistastyle plugins), built from
the files here with MinGW-w64 on Debian 12:

  qt6-base_*.dsc, *.orig.tar.xz, *.debian.tar.xz
                          Debian's qt6-base source package, as fetched
  patches.txt             the patches of debian/patches applied, and skipped
  configure-options.txt   Qt's configure options, one a line
  toolchain.cmake         the CMake toolchain file for MinGW-w64
  windows-qt.sh           the script that made the build from these files
  qt-attributions.py      its helper that lists the licence notices

To rebuild Qt, on Debian 12 with g++-mingw-w64-x86-64-posix, cmake, ninja-build
and qt6-base-dev (Qt's host tools) installed:

  mkdir qtbase build
  tar -xf qt6-base_*.orig.tar.xz -C qtbase --strip-components=1
  tar -xf qt6-base_*.debian.tar.xz -C qtbase
  for p in \$(sed -n 's/^applied //p' patches.txt); do
    patch -d qtbase -p1 <qtbase/debian/patches/\$p
  done
  # change the source here as you like
  cd build
  ../qtbase/configure -prefix "\$PWD/../qt" \$(cat ../configure-options.txt) -- -G Ninja \\
    -DCMAKE_TOOLCHAIN_FILE="\$PWD/../toolchain.cmake" \\
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  cmake --build . && cmake --install .

(windows-qt.sh does the same from a checkout of $CINDREL_NAME's source, where it
lives in scripts/ and the toolchain file is cmake/mingw-w64.cmake.)

Then replace the DLLs of the same names in the folder $CINDREL_NAME is installed
in with those from qt/bin and qt/plugins, keeping their places (bin\\ and
plugins\\platforms, plugins\\styles). $CINDREL_NAME loads them from there.
README

rm -f "$archive"
tar --create --file "$archive" --directory "$work" --sort=name --format=gnu \
  --mtime="@$CINDREL_SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
  --mode='u+rw,go+r,go-w' "$name"
echo "$archive"
