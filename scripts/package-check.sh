#!/usr/bin/env bash
# Builds the DEB package from a configured build directory, checks its
# metadata, desktop files and manual page, runs lintian and hardening-check
# on it, builds it a second time from a copy of the sources in another folder
# and compares the two byte for byte, unpacks it into a scratch root and
# drives the installed binary through the end-to-end wizard test under X11
# and the end-to-end test under Wayland.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# shellcheck source=scripts/identity.sh.in
source "$build/identity.sh"

(cd "$build" && cpack -G DEB)
deb=$(realpath "$(ls -t "$build"/cindrel_*.deb | head -n 1)")
echo "package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins libc6 libstdc++6; do
  if [[ $depends != *"$needed"* ]]; then
    echo "package-check: the package does not depend on $needed" >&2
    exit 1
  fi
done

recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
for recommended in qt6-wayland qt6-translations-l10n xdg-utils; do
  if [[ $recommends != *"$recommended"* ]]; then
    echo "package-check: the package does not recommend $recommended" >&2
    exit 1
  fi
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

expect_file() {
  if [[ ! -s $root/$1 ]]; then
    echo "package-check: missing $1" >&2
    exit 1
  fi
}
expect_file usr/bin/cindrel
desktop_file=usr/share/applications/$CINDREL_DESKTOP_ID.desktop
metainfo_file=usr/share/metainfo/$CINDREL_DESKTOP_ID.metainfo.xml
expect_file "$desktop_file"
expect_file "$metainfo_file"
expect_file usr/share/icons/hicolor/scalable/apps/cindrel.svg
for size in 16 22 24 32 48 64 128 256; do
  expect_file "usr/share/icons/hicolor/${size}x${size}/apps/cindrel.png"
done
man_page=usr/share/man/man1/cindrel.1.gz
expect_file "$man_page"
# The print module, where the installed program looks for it (the folder is
# written into the program relative to its own), with its stamp and entry.
module_dir=$(strings -e l "$root/usr/bin/cindrel" | grep -m1 -x '/\.\./.*/cindrel' || true)
[[ -n $module_dir ]] || { echo "package-check: the program names no print module folder" >&2; exit 1; }
module=$(realpath -m "$root/usr/bin$module_dir/cindrel-print.so")
module=${module#"$root"/}
expect_file "$module"
for symbol in cindrelPrintStamp cindrelPrint; do
  nm -D --defined-only "$root/$module" | grep -qw "$symbol" ||
    { echo "package-check: $module has no $symbol" >&2; exit 1; }
done

desktop-file-validate "$root/$desktop_file"
appstreamcli validate --no-net "$root/$metainfo_file"
# The manual page: it formats without a warning and has a NAME line.
man_warnings=$(zcat "$root/$man_page" | groff -man -Tutf8 -ww -z 2>&1)
if [[ -n $man_warnings ]]; then
  echo "package-check: the manual page does not format cleanly:" >&2
  echo "$man_warnings" >&2
  exit 1
fi
lexgrog "$root/$man_page"

# Debian's own checks: lintian (errors and warnings fail; the overrides the
# package ships say why a tag stays), and hardening-check on every ELF file.
# Its Fortify line is not asked for: it reads "no" whenever the compiler
# could size no call. Nor is control-flow protection: Debian 12's C start
# files carry no CET marker, so the linker drops it from every program.
lintian --pedantic --display-info --fail-on error,warning "$deb"
echo "package-check: lintian reports no error and no warning"
elf_files=()
while IFS= read -r -d '' file; do
  if readelf -h "$file" >/dev/null 2>&1; then
    elf_files+=("$file")
  fi
done < <(find "$root" -type f -print0 | sort -z)
((${#elf_files[@]} >= 2)) || { echo "package-check: expected the program and its print module among the ELF files" >&2; exit 1; }
hardening-check --nofortify --nocfprotection "${elf_files[@]}"
echo "package-check: every ELF file has PIE, stack protector, RELRO and immediate binding"

# Reproducible: the same sources, copied to another folder and built there
# with the same settings (only what the package needs), must give the same
# bytes. The copy sits inside the build folder, so a compiler launcher such
# as ccache sees the same layout of sources and build in both.
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
started=$SECONDS
if git rev-parse --git-dir >/dev/null 2>&1; then
  second=$(mktemp -d "$PWD/$build/reproducible.XXXXXX")
  trap 'rm -rf "$root" "$second"' EXIT
  # The working tree's tracked files as they are, committed or not.
  snapshot=$(git stash create)
  git archive --prefix=cindrel/ "${snapshot:-HEAD}" | tar -x -C "$second"
  second_build=$second/cindrel/$(basename "$build")
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$CINDREL_SOURCE_DATE_EPOCH}
  cmake -S "$second/cindrel" -B "$second_build" -G "$(cache_value CMAKE_GENERATOR)" \
    -DCMAKE_BUILD_TYPE="$(cache_value CMAKE_BUILD_TYPE)" \
    -DCMAKE_CXX_COMPILER="$(cache_value CMAKE_CXX_COMPILER)" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(cache_value CMAKE_CXX_COMPILER_LAUNCHER)" \
    -DCMAKE_CXX_FLAGS="$(cache_value CMAKE_CXX_FLAGS)" \
    -DCINDREL_HARDENING="$(cache_value CINDREL_HARDENING)" -DCINDREL_PCH="$(cache_value CINDREL_PCH)" \
    -DCINDREL_SITE_HOST="$(cache_value CINDREL_SITE_HOST)" \
    -DCINDREL_FORUM_ADDRESS="$(cache_value CINDREL_FORUM_ADDRESS)" \
    -DCINDREL_BUILD_TESTS=OFF -DCINDREL_BUILD_BENCH=OFF >"$second/configure.log"
  cmake --build "$second_build" >"$second/build.log"
  (cd "$second_build" && cpack -G DEB >"$second/cpack.log")
  second_deb=$second_build/$(basename "$deb")
  if ! cmp "$deb" "$second_deb"; then
    echo "package-check: the package is not reproducible; differing members:" >&2
    for side in first second; do mkdir -p "$second/$side"; done
    (cd "$second/first" && ar x "$deb") && (cd "$second/second" && ar x "$second_deb")
    for member in $(ar t "$deb"); do
      cmp -s "$second/first/$member" "$second/second/$member" || echo "  $member" >&2
    done
    for side in first second; do
      mkdir -p "$second/$side/data"
      tar -xf "$second/$side"/data.tar.* -C "$second/$side/data"
      tar -tvf "$second/$side"/data.tar.* >"$second/$side/listing"
    done
    diff "$second/first/listing" "$second/second/listing" >&2 || true
    diff -rq "$second/first/data" "$second/second/data" >&2 || true
    exit 1
  fi
  echo "package-check: a second build in $second_build gave the same package ($((SECONDS - started)) s)"
else
  echo "package-check: not a git checkout, the reproducibility check is skipped" >&2
fi

# The installed program, once under X11 and once under Wayland, where its
# app id must match the installed desktop entry and metainfo.
for test in e2e_wizard e2e_wayland; do
  CINDREL_E2E_ARTIFACTS=$PWD/$build/e2e-artifacts \
  CINDREL_IDENTITY=$PWD/$build/identity.sh \
  CINDREL_DESKTOP_FILE=$root/$desktop_file \
  CINDREL_METAINFO_FILE=$root/$metainfo_file \
    env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
    bash "tests/e2e/$test.sh" "$root/usr/bin/cindrel"
done
echo "package-check: the installed program passed its end-to-end smoke tests"
