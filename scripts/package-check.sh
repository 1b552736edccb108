#!/usr/bin/env bash
# Builds the DEB package from a configured build directory, checks its
# metadata, desktop files and manual page, unpacks it into a scratch root and
# drives the installed binary through the end-to-end wizard test under X11
# and the end-to-end test under Wayland.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# shellcheck source=scripts/identity.sh.in
source "$build/identity.sh"

(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/cindrel_*.deb | head -n 1)
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
for recommended in qt6-wayland qt6-translations-l10n; do
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
# written into the program relative to its own), with its entry.
module_dir=$(strings -e l "$root/usr/bin/cindrel" | grep -m1 -x '/\.\./.*/cindrel' || true)
[[ -n $module_dir ]] || { echo "package-check: the program names no print module folder" >&2; exit 1; }
module=$(realpath -m "$root/usr/bin$module_dir/cindrel-print.so")
module=${module#"$root"/}
expect_file "$module"
nm -D --defined-only "$root/$module" | grep -qw cindrelPrint ||
  { echo "package-check: $module has no print entry" >&2; exit 1; }

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
