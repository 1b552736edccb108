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
# The cache can move: no file in it names a folder of the machine that built
# it. After the install, qt.toolchain.cmake names the toolchain file and
# QtBuildInternalsExtra.cmake the prefix relative to themselves, the .pc files
# their prefix through ${pcfiledir}, target_qt.conf the target's files
# relative to itself and the host's Qt tools under /usr, and the .prl and .pri
# files name the build folder /qt-build, as the compiled code does. Only these
# text files are rewritten; no compiled file changes, nor the key. The script
# checks it after every build, unpack and reuse and fails if such a folder is
# left; a cache made before this rule is put right in place on reuse.
#
# usage: windows-qt.sh              build, reuse or unpack Qt; print its prefix
#        windows-qt.sh --pack FILE  pack this configuration's cache into FILE
#
# --pack writes the cache (the installed Qt with source/ and attributions/)
# as one .tar.xz: names sorted, the Qt source's time and owner 0 on every
# entry, single-threaded xz, so the same cache always packs to the same bytes.
# Its first entry, .cindrel-archive, holds the key and a SHA-256 of every file.
#
# CINDREL_CACHE_DIR   where caches live (default: $XDG_CACHE_HOME/cindrel, else ~/.cache/cindrel)
# CINDREL_JOBS        parallel compile jobs (default: the number of cores)
# CINDREL_QT_ARCHIVE  an archive made by --pack: a cache that is not there yet
#                     is unpacked from it instead of built, once its key is
#                     this configuration's and every file matches its checksum;
#                     any other archive is refused in one line and Qt is built
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

pack_file=
case ${1-} in
  '') ;;
  --pack) [[ $# == 2 && -n $2 ]] || { echo "usage: windows-qt.sh [--pack FILE]" >&2; exit 2; }
          pack_file=$(realpath -m -- "$2") ;;
  *) echo "usage: windows-qt.sh [--pack FILE]" >&2; exit 2 ;;
esac

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
cache_root=$(realpath -ms -- "${CINDREL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/cindrel}")
jobs=${CINDREL_JOBS:-$(nproc)}

# Debian's source removes the bundled wintab.h and SQLite, so tablet support
# and the SQLite driver stay off. Direct2D stays on: without it
# Qt6PrintSupport.dll does not link in 6.4.2. The rest is left out because the
# program does not use it (network, D-Bus, OpenGL, XML, concurrency).
#
# Qt is optimised for size (-Os), which makes its DLLs about a third smaller
# and starts the program as fast under wine, and leaves out what neither the
# program nor its tests use: the style sheet engine, the graphics view, the
# widgets and dialogs named below, Markdown and ODF, undo stacks, movies, the
# tray icon, two image formats, and the built-in MIME database (nothing asks
# QMimeDatabase; without it, it knows only the default type). The print
# dialog needs the date and spin boxes, tab widget and tree view, the file
# dialog the item views, and the windowsvista style QInputDialog, so those
# stay.
configure_options=(
  -release -shared -opensource -confirm-license
  -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
  -qt-host-path /usr
  -nomake tests -nomake examples
  -no-dbus -no-icu -no-opengl -no-openssl
  -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
  -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
  -no-sql-sqlite
  -optimize-size
  -no-feature-style-stylesheet -no-feature-graphicsview -no-feature-mdiarea -no-feature-toolbox
  -no-feature-lcdnumber -no-feature-dial -no-feature-splashscreen -no-feature-undoview
  -no-feature-columnview -no-feature-datawidgetmapper -no-feature-listwidget -no-feature-treewidget
  -no-feature-tablewidget -no-feature-textbrowser -no-feature-syntaxhighlighter
  -no-feature-keysequenceedit -no-feature-fontcombobox -no-feature-fontdialog -no-feature-colordialog
  -no-feature-errormessage -no-feature-wizard -no-feature-progressdialog
  -no-feature-commandlinkbutton -no-feature-printpreviewwidget -no-feature-printpreviewdialog
  -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
  -no-feature-movie -no-feature-undocommand -no-feature-systemtrayicon
  -no-feature-imageformat_ppm -no-feature-imageformat_xbm -no-feature-mimetype-database
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

name=${prefix##*/}
manifest=.cindrel-archive

# rewrite FILE SED-SCRIPT: edits FILE when the script changes it, through a
# copy moved into place, so that a reader never sees half a file.
rewrite()
{
  local file=$1 copy
  [[ -f $file ]] || return 0
  copy=$(mktemp "$file.XXXXXX")
  sed -e "$2" "$file" >"$copy"
  if cmp -s "$copy" "$file"; then
    rm -f "$copy"
  else
    chmod --reference="$file" "$copy"
    mv -f "$copy" "$file"
  fi
}

# relocate DIR: makes the installed Qt in DIR name no folder of this machine.
relocate()
{
  local dir=$1 file
  # The toolchain file Qt's own chain-loads, beside the installed Qt.
  # shellcheck disable=SC2016 # ${...} are CMake's and pkg-config's
  rewrite "$dir/lib/cmake/Qt6/qt.toolchain.cmake" \
    's|^set(__qt_initially_configured_toolchain_file ".*")$|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../toolchain.cmake")|'
  # Further Qt modules built against this one install beside it, wherever it is.
  # shellcheck disable=SC2016
  rewrite "$dir/lib/cmake/Qt6BuildInternals/QtBuildInternalsExtra.cmake" \
    's|^\( *set(qtbi_orig_prefix \)".*")$|\1"${QT_BUILD_INTERNALS_RELOCATABLE_INSTALL_PREFIX}")|'
  for file in "$dir"/lib/pkgconfig/*.pc; do
    # shellcheck disable=SC2016
    rewrite "$file" 's|^prefix=/.*|prefix=${pcfiledir}/../..|'
  done
  # The build folder, named as the compiled code names it.
  for file in "$dir"/lib/*.prl "$dir"/mkspecs/modules/*.pri; do
    rewrite "$file" "s|/[^ ]*/qt-build-[0-9a-f]\{12\}/|$work_map/|g"
  done
  # qmake finds the target's files relative to this file and the host's
  # tools in the system's Qt.
  rewrite "$dir/bin/target_qt.conf" \
    's|^HostPrefix=.*|HostPrefix=..|; s|^HostData=.*|HostData=.|
     s#^\(Host\(Binaries\|Libraries\|LibraryExecutables\)\)=\([^/].*\)#\1=/usr/\3#'
}

# check_relocatable DIR: fails, naming the files, if any file in DIR names
# the cache's folder or the checkout of this machine, or the folder of a Qt
# cache or build of any machine.
check_relocatable()
{
  local dir=$1 found path
  local -a paths=()
  for path in "$cache_root" "$here"; do
    paths+=(-e "$path" -e "$(realpath -m -- "$path")")
  done
  found=$( { LC_ALL=C grep -rlF "${paths[@]}" "$dir" || true
             LC_ALL=C grep -rlE '/qt-(build|[0-9.]+-win64)-[0-9a-f]{12}' "$dir" || true; } | sort -u)
  if [[ -n $found ]]; then
    printf 'windows-qt: the Qt in %s names a folder of the machine that made it, in:\n%s\n' \
      "$dir" "$found" >&2
    return 1
  fi
}

# ensure_relocatable DIR: rewrites DIR only when the check finds a folder
# named, then checks again.
ensure_relocatable()
{
  check_relocatable "$1" 2>/dev/null || { relocate "$1" && check_relocatable "$1"; }
}

# pack FILE: the complete cache as one reproducible archive.
pack()
{
  local out=$1 tmp epoch
  [[ -f $stamp ]] ||
    { echo "windows-qt: no complete Qt at $prefix to pack; run scripts/windows-qt.sh first" >&2; exit 1; }
  ensure_relocatable "$prefix"
  if [[ -n $(find "$prefix" ! -type f ! -type d) ]]; then
    echo "windows-qt: $prefix holds entries that are neither files nor folders; not packed" >&2
    exit 1
  fi
  tmp=$(mktemp -d)
  # shellcheck disable=SC2064 # the folder is known now
  trap "rm -rf '$tmp'" EXIT
  mkdir "$tmp/$name"
  { echo "Qt for Windows packed by windows-qt.sh --pack"
    echo "key $key"
    (cd "$prefix" && find . -type f ! -name "${stamp##*/}" -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
  } >"$tmp/$name/$manifest"
  (cd "$cache_root" && find "$name" ! -name "${stamp##*/}" -print0 | LC_ALL=C sort -z) >"$tmp/list"
  epoch=$(tar -xOf "$(echo "$prefix"/source/qt6-base_*.debian.tar.*)" debian/changelog |
          dpkg-parsechangelog -l - -STimestamp)
  tar --create --file="$tmp/archive.tar" --format=gnu --no-recursion \
    --mtime="@$epoch" --owner=0 --group=0 --numeric-owner --mode='u+rwX,go+rX,go-w' \
    -C "$tmp" "$name/$manifest" -C "$cache_root" --null -T "$tmp/list"
  mkdir -p "$(dirname "$out")"
  xz -T1 -9 -c "$tmp/archive.tar" >"$tmp/archive.tar.xz"
  mv -f "$tmp/archive.tar.xz" "$out"
  printf 'windows-qt: packed %s into %s (%s bytes, sha256 %s)\n' "$prefix" "$out" \
    "$(stat -c %s "$out")" "$(sha256sum <"$out" | cut -c1-64)" >&2
}

# unpack FILE: the cache from an archive made by pack, after checking it; on
# any fault it says why in one line, leaves no cache, and returns 1.
unpack()
{
  local archive=$1 tmp listing reason=''
  tmp=$(mktemp -d "$cache_root/.qt-unpack.XXXXXX")
  # shellcheck disable=SC2064 # the folder is known now
  trap "rm -rf '$tmp'" EXIT
  listing=$tmp/listing
  if [[ ! -f $archive || ! -r $archive ]]; then
    reason="there is no such file"
  elif ! tar -tvf "$archive" --quoting-style=literal >"$listing" 2>"$tmp/error"; then
    reason="it is damaged or no tar archive ($(head -n 1 "$tmp/error"))"
  else
    # The names, from lines "mode owner size day time name".
    sed 's/^\([^ ]* *\)\{5\}//' "$listing" >"$tmp/names"
    local first
    first=$(head -n 1 "$tmp/names")
    if [[ $first != */$manifest ]]; then
      reason="it was not made by windows-qt.sh --pack (its first entry is not $manifest)"
    elif [[ ${first%/"$manifest"} != "$name" ]]; then
      reason="it holds ${first%/"$manifest"}, another configuration than this one's $name"
    elif grep -qv "^${name//./\\.}\(/\|$\)" "$tmp/names" ||
         grep -q '\(^\|/\)\.\.\(/\|$\)' "$tmp/names"; then
      reason="it holds entries outside $name"
    elif grep -qv '^[-d]' "$listing"; then
      reason="it holds entries that are neither files nor folders"
    elif ! tar -xf "$archive" -C "$tmp" --no-same-owner 2>"$tmp/error"; then
      reason="it is damaged ($(head -n 1 "$tmp/error"))"
    elif [[ $(sed -n 2p "$tmp/$name/$manifest") != "key $key" ]]; then
      reason="its key is not this configuration's ($key)"
    elif ! (cd "$tmp/$name" && tail -n +3 "$manifest" | sha256sum --check --strict --quiet) \
           >"$tmp/sums" 2>&1; then
      reason="its files do not match their checksums ($(head -n 1 "$tmp/sums"))"
    elif ! diff -q <(cd "$tmp/$name" && find . -type f ! -name "$manifest" | LC_ALL=C sort) \
                   <(tail -n +3 "$tmp/$name/$manifest" | cut -c67- | LC_ALL=C sort) >/dev/null; then
      reason="it holds files its checksums do not list"
    fi
  fi
  if [[ -z $reason ]]; then
    rm "$tmp/$name/$manifest"
    if ! (ensure_relocatable "$tmp/$name") 2>"$tmp/error"; then
      first=$(sed -n 2p "$tmp/error")
      reason="it names a folder of the machine that made it (in ${first#"$tmp/$name/"})"
    fi
  fi
  if [[ -n $reason ]]; then
    rm -rf "$tmp"
    trap - EXIT
    echo "windows-qt: refusing the archive $archive: $reason; building Qt instead" >&2
    return 1
  fi
  rm -rf "$prefix"
  mv "$tmp/$name" "$prefix"
  rm -rf "$tmp"
  trap - EXIT
  touch "$stamp"
}

if [[ -n $pack_file ]]; then
  pack "$pack_file"
  echo "$pack_file"
  exit 0
fi

if [[ -f $stamp ]]; then
  echo "windows-qt: reusing $prefix" >&2
  ensure_relocatable "$prefix"
  echo "$prefix"
  exit 0
fi

if [[ -n ${CINDREL_QT_ARCHIVE-} ]]; then
  mkdir -p "$cache_root"
  started=$SECONDS
  if unpack "$(realpath -m -- "$CINDREL_QT_ARCHIVE")"; then
    echo "windows-qt: unpacked $CINDREL_QT_ARCHIVE into $prefix in $((SECONDS - started)) s" >&2
    echo "$prefix"
    exit 0
  fi
fi

echo "windows-qt: building Qt $qt_version for Windows into $prefix" >&2
rm -rf "$prefix"
mkdir -p "$prefix"
# The installed Qt's CMake files chain-load the toolchain file, so it lives in
# the cache beside them (named relative to them) rather than in a checkout.
cp "$here/cmake/mingw-w64.cmake" "$prefix/toolchain.cmake"

work=$cache_root/qt-build-$key
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
compile_flags=${compile_flags//WORK/$work}

# shellcheck source=scripts/debian-source.sh
source "$here/scripts/debian-source.sh"
debian_source_fetch qt6-base "$qt_version" "$work"

mkdir -p "$prefix/source"
cp "$work"/qt6-base_*.dsc "$work"/qt6-base_*.orig.tar.* "$work"/qt6-base_*.debian.tar.* \
   "$here/scripts/windows-qt.sh" "$here/scripts/debian-source.sh" "$here/scripts/qt-attributions.py" \
   "$prefix/source/"
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
relocate "$prefix"
check_relocatable "$prefix"
touch "$stamp"
echo "windows-qt: done" >&2
echo "$prefix"
