#!/usr/bin/env bash
# Packs Qt's exact source beside the Windows installer, as LGPL-3 (Qt's DLLs)
# and GPL-3 (Qt's translations) ask of whoever ships them:
# build-windows/<Name>-<version>-qt-source.tar holds the Qt cache's source/
# folder (Debian's qt6-base source package as fetched, the patches applied
# and skipped, windows-qt.sh with qt-attributions.py, the configure options
# and the toolchain file), Debian's qt6-translations source package of the
# translations shipped, and a README on rebuilding. The licence notices say
# where it is published. The archive is reproducible: sorted names, owner 0,
# and the commit's time (SOURCE_DATE_EPOCH).
#
# The translations' source package is fetched once (scripts/debian-source.sh)
# and kept in the cache beside Qt's (CINDREL_CACHE_DIR, default
# $XDG_CACHE_HOME/cindrel, else ~/.cache/cindrel).
#
# When the translations' source cannot be fetched, it says why, makes no
# archive and fails.
#
# Usage: windows-qt-source.sh QT_PREFIX BUILD_DIR   (prints the archive's path)
set -euo pipefail
qt_prefix=$1 build=$2
# shellcheck source=/dev/null
source "$build/identity.sh"
name=$CINDREL_WINDOWS_QT_SOURCE
archive=$build/$name.tar
# An archive of an earlier run is not left to pass for this one's.
rm -f "$archive"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Debian's source package of the Qt translations the installer ships.
read -r translations translations_version < <(dpkg-query -W -f='${source:Package} ${source:Version}\n' \
                                                  qt6-translations-l10n)
translations_cache=${CINDREL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/cindrel}/$translations-$translations_version
if [[ ! -f $translations_cache/.cindrel-complete ]]; then
  echo "windows-qt-source: fetching Debian's $translations $translations_version into $translations_cache" >&2
  # shellcheck source=scripts/debian-source.sh
  source "$(dirname "$0")/debian-source.sh"
  if ! debian_source_fetch "$translations" "$translations_version" "$work/fetch" 2>"$work/fetch.log"; then
    # Without it the translations cannot ship, as their licence (GPL-3) asks
    # for their source beside them: no archive is made.
    echo "windows-qt-source: Debian's source package $translations $translations_version could not be" \
         "fetched ($(grep -m 1 '^E:' "$work/fetch.log" || tail -n 1 "$work/fetch.log")): no archive of" \
         "Qt's source made, and the installer is not to be published without it" >&2
    exit 1
  fi
  rm -rf "$translations_cache"
  mkdir -p "$translations_cache"
  cp "$work/fetch/${translations}_"* "$translations_cache/"
  touch "$translations_cache/.cindrel-complete"
fi

mkdir "$work/$name"
cp "$qt_prefix"/source/* "$translations_cache/${translations}_"* "$work/$name/"
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
  debian-source.sh        its helper that fetches Debian's source packages
  qt-attributions.py      its helper that lists the licence notices
  ${translations}_*.dsc, *.orig.tar.xz, *.debian.tar.xz
                          Debian's $translations source package, as fetched:
                          the source of Qt's translations (translations\\qtbase_*.qm)

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

To rebuild Qt's translations, with Qt's lrelease (Debian's qt6-l10n-tools):

  mkdir qttranslations
  tar -xf ${translations}_*.orig.tar.xz -C qttranslations --strip-components=1
  # change the translations here as you like
  lrelease qttranslations/translations/qtbase_de.ts -qm qtbase_de.qm

and put each qtbase_*.qm in place of the one of the same name in the install
folder's translations\\.
README

tar --create --file "$archive" --directory "$work" --sort=name --format=gnu \
  --mtime="@$CINDREL_SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
  --mode='u+rw,go+r,go-w' "$name"
echo "$archive"
