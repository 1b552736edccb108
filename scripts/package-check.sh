#!/usr/bin/env bash
# Builds the DEB package from a configured build directory, checks its
# metadata and desktop files, unpacks it into a scratch root and drives the
# installed binary through the end-to-end wizard test.
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
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libc6 libstdc++6; do
  if [[ $depends != *"$needed"* ]]; then
    echo "package-check: the package does not depend on $needed" >&2
    exit 1
  fi
done

recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
if [[ $recommends != *qt6-translations-l10n* ]]; then
  echo "package-check: the package does not recommend qt6-translations-l10n" >&2
  exit 1
fi

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

desktop-file-validate "$root/$desktop_file"
appstreamcli validate --no-net "$root/$metainfo_file"

CINDREL_E2E_ARTIFACTS=$PWD/$build/e2e-artifacts \
CINDREL_IDENTITY=$PWD/$build/identity.sh \
  env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
  bash tests/e2e/e2e_wizard.sh "$root/usr/bin/cindrel"
echo "package-check: the installed program passed its end-to-end smoke test"
