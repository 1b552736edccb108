#!/usr/bin/env bash
# Two builds of one commit give the same bytes:
#   scripts/windows-repro.sh [BUILD-DIRECTORY]    (default ./build-windows, made by scripts/windows.sh)
# copies the commit (with any uncommitted changes to tracked files) into a
# folder of another path, cross-builds there only what ships (no tests),
# packs the installer and the portable zip, and compares both, and every
# file CPack staged for them, byte for byte with the first build's. Both are
# compared unsigned: a signature holds its own time. A difference is named,
# with the PE headers of the two files where they are programs or libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
first=$(realpath "${1:-build-windows}")
# shellcheck source=/dev/null
source "$first/identity.sh"
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$first/CMakeCache.txt"; }
stem=$CINDREL_WINDOWS_PACKAGE
started=$SECONDS

signed=${CINDREL_SIGN_PKCS12:+yes}
unset CINDREL_SIGN_PKCS12 CINDREL_SIGN_PASSWORD_FILE CINDREL_SIGN_TIMESTAMP_URL
scratch=$(mktemp -d "${TMPDIR:-/tmp}/cindrel-repro.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
snapshot=$(git stash create)
mkdir "$scratch/cindrel"
git archive "${snapshot:-HEAD}" | tar -x -C "$scratch/cindrel"
second=$scratch/cindrel/build-windows
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$CINDREL_SOURCE_DATE_EPOCH}
# Qt as the first build reached it (scripts/windows.sh: through a link).
qt_prefix=$(cache_value Qt6_DIR)
qt_prefix=${qt_prefix%/lib/cmake/Qt6}
"$qt_prefix/bin/qt-cmake" -S "$scratch/cindrel" -B "$second" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCINDREL_BUILD_TESTS=OFF -DCINDREL_BUILD_BENCH=OFF -DCINDREL_PCH="$(cache_value CINDREL_PCH)" \
  -DCINDREL_SITE_HOST="$(cache_value CINDREL_SITE_HOST)" \
  -DCINDREL_FORUM_ADDRESS="$(cache_value CINDREL_FORUM_ADDRESS)" >"$scratch/configure.log"
nice -n 5 cmake --build "$second" >"$scratch/build.log" ||
  { tail -n 30 "$scratch/build.log" >&2; exit 1; }
built=$SECONDS
# pack BUILD-DIRECTORY [OUTPUT-DIRECTORY]: the installer and the zip, unsigned.
pack()
{
  (cd "$1" && cpack -G NSIS ${2:+-B "$2"} >"$scratch/cpack.log") ||
    { tail -n 30 "$scratch/cpack.log" >&2; exit 1; }
  python3 "$root/scripts/windows-zip.py" "${2:-$1}" >/dev/null
}
pack "$second"
# The first build's installer is compared as it is, or packed again unsigned.
if [[ -n $signed ]]; then
  cp "$first/identity.sh" "$scratch/"
  pack "$first" "$scratch"
  first_packs=$scratch
else
  first_packs=$first
fi

staged() { printf '%s/%s' "$1" "$CINDREL_WINDOWS_STAGING"; }
differ=0
difference()
{
  echo "windows-repro: $1 differs between the two builds" >&2
  differ=1
  local a=$2 b=$3
  if [[ $1 == *.exe || $1 == *.dll || $1 == *.com ]]; then
    diff <(x86_64-w64-mingw32-objdump -p "$a") <(x86_64-w64-mingw32-objdump -p "$b") | head -n 20 >&2 || true
  fi
  cmp -l "$a" "$b" | head -n 5 >&2 || true
}
if ! diff <(cd "$(staged "$first_packs")" && find . | sort) <(cd "$(staged "$second")" && find . | sort) >&2; then
  echo "windows-repro: the two builds staged different files" >&2
  differ=1
fi
while IFS= read -r -d '' file; do
  other="$(staged "$second")/$file"
  if [[ -f $other ]] && ! cmp -s "$(staged "$first_packs")/$file" "$other"; then
    difference "$file" "$(staged "$first_packs")/$file" "$other"
  fi
done < <(cd "$(staged "$first_packs")" && find . -type f -print0 | sort -z)
for package in "$stem.exe" "$stem.zip"; do
  if ! cmp -s "$first_packs/$package" "$second/$package"; then
    difference "$package" "$first_packs/$package" "$second/$package"
  fi
done
((differ == 0)) || exit 1
count=$(cd "$(staged "$second")" && find . -type f | wc -l)
echo "windows-repro: a second build in $scratch gave the same $count staged files, installer and zip" \
     "(build $((built - started)) s, packing and comparing $((SECONDS - built)) s)" >&2
