#!/usr/bin/env bash
# Builds Qt for Windows (qtbase only) with MinGW-w64 from Debian's own source
# package of the Qt version installed here, and keeps it in a cache outside
# the checkout. The cache is keyed by the Qt version and everything that
# shapes the build (configure options, skipped patches, toolchain file,
# compiler flags), so a change to any of them builds a new one and an
# unchanged one is reused. Prints the installed Qt's prefix as its last line.
#
# The build is reproducible: it runs in a fixed folder whose path is mapped
# away, with SOURCE_DATE_EPOCH from the source package's changelog and no
# link time in the PE files (the toolchain file), so two machines get the
# same DLLs. Beside the installed Qt, the cache keeps what the LGPL asks a
# distributor to offer and what the licence notices are made from:
#   source/        the source package as fetched (.dsc, .orig and .debian
#                  tarballs), the patches applied and skipped, this script
#                  and the toolchain file;
#   attributions/  every qt_attribution.json of the source with the licence
#                  files it names, Qt's own LICENSE.* texts, compiled-dirs.tsv
#                  (for each DLL built, the source folders of every source and
#                  header compiled into it, asked of Ninja) and binaries.tsv
#                  (for each DLL, the attribution folders whose code went
#                  into it): see scripts/qt-attributions.py.
#
# CINDREL_CACHE_DIR  where caches live (default: $XDG_CACHE_HOME/cindrel, else ~/.cache/cindrel)
# CINDREL_JOBS       parallel compile jobs (default: the number of cores)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
cache_root=${CINDREL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/cindrel}
jobs=${CINDREL_JOBS:-$(nproc)}

# Debian's source removes the bundled wintab.h and SQLite, so tablet support
# and the SQLite driver stay off. Direct2D stays on: without it
# Qt6PrintSupport.dll does not link in 6.4.2. The rest is left out because the
# program does not use it (network, D-Bus, OpenGL, XML, concurrency).
configure_options=(
  -release -shared -opensource -confirm-license
  -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
  -qt-host-path /usr
  -nomake tests -nomake examples
  -no-dbus -no-icu -no-opengl -no-openssl
  -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
  -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
  -no-sql-sqlite
)
# Debian's cross.patch adapts qtbase to Debian's own multiarch cross builds;
# it does not apply to a MinGW build.
skipped_patches=(cross.patch)

# The work folder has a fixed path, mapped away in the compiled code.
work_map=/qt-build
compile_flags="-ffile-prefix-map=WORK=$work_map"

key=$( { echo "$qt_version"; printf '%s\n' "${configure_options[@]}" "${skipped_patches[@]}" "$compile_flags"
         cat "$here/cmake/mingw-w64.cmake"; } | sha256sum | cut -c1-12)
prefix=$cache_root/qt-${qt_version%%+*}-win64-$key
stamp=$prefix/.cindrel-complete

if [[ -f $stamp ]]; then
  echo "windows-qt: reusing $prefix" >&2
  echo "$prefix"
  exit 0
fi

echo "windows-qt: building Qt $qt_version for Windows into $prefix" >&2
rm -rf "$prefix"
mkdir -p "$prefix"
# The installed Qt's CMake files name the toolchain file, so it lives inside
# the cache with it rather than in a checkout that may move.
cp "$here/cmake/mingw-w64.cmake" "$prefix/toolchain.cmake"

work=$cache_root/qt-build-$key
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
compile_flags=${compile_flags//WORK/$work}

# Fetch the source package through a private sources list made from the
# system's own (deb turned into deb-src), and private package lists, so the
# system's apt configuration is left untouched.
mkdir -p "$work/apt/lists/partial" "$work/apt/sources.list.d"
for f in /etc/apt/sources.list.d/*.sources; do
  [[ -f $f ]] && sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$work/apt/sources.list.d/$(basename "$f")"
done
if [[ -f /etc/apt/sources.list ]]; then
  sed -nE 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$work/apt/sources.list"
else
  : >"$work/apt/sources.list"
fi
apt_opts=(-o "Dir::Etc::sourcelist=$work/apt/sources.list"
          -o "Dir::Etc::sourceparts=$work/apt/sources.list.d"
          -o "Dir::State::Lists=$work/apt/lists")
apt-get "${apt_opts[@]}" update -q >&2
(cd "$work" && apt-get "${apt_opts[@]}" source --download-only "qt6-base=$qt_version" >&2)

mkdir -p "$prefix/source"
cp "$work"/qt6-base_*.dsc "$work"/qt6-base_*.orig.tar.* "$work"/qt6-base_*.debian.tar.* \
   "$here/scripts/windows-qt.sh" "$here/scripts/qt-attributions.py" "$prefix/source/"
cp "$here/cmake/mingw-w64.cmake" "$prefix/source/toolchain.cmake"
printf '%s\n' "${configure_options[@]}" >"$prefix/source/configure-options.txt"

src=$work/qtbase
mkdir "$src"
tar -xf "$work"/qt6-base_*.orig.tar.* -C "$src" --strip-components=1
tar -xf "$work"/qt6-base_*.debian.tar.* -C "$src"
while read -r patch _; do
  [[ -z $patch || $patch == \#* ]] && continue
  if printf '%s\n' "${skipped_patches[@]}" | grep -qx "$patch"; then
    echo "windows-qt: skipping $patch" >&2
    echo "skipped $patch" >>"$prefix/source/patches.txt"
    continue
  fi
  patch -d "$src" -p1 -s --forward <"$src/debian/patches/$patch" >&2
  echo "applied $patch" >>"$prefix/source/patches.txt"
done <"$src/debian/patches/series"
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH

mkdir "$work/build"
cd "$work/build"
CFLAGS=$compile_flags CXXFLAGS=$compile_flags \
nice -n 19 "$src/configure" -prefix "$prefix" "${configure_options[@]}" -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
nice -n 19 cmake --build . --parallel "$jobs" >&2
cmake --install . >&2
python3 "$here/scripts/qt-attributions.py" graph "$work/build" "$src" "$prefix/attributions" >&2
python3 "$here/scripts/qt-attributions.py" collect "$src" "$prefix/attributions" >&2
touch "$stamp"
echo "windows-qt: done" >&2
echo "$prefix"
