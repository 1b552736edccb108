#!/usr/bin/env bash
# Installs everything that building, running and testing Cindrel need on a
# Debian 12 machine. Quick when nothing is missing: apt is only called for the
# packages that are not installed yet.
set -euo pipefail

# The one list of the project's packages. Add new needs here.
PACKAGES=(
  # Building the program and its tests
  build-essential
  cmake
  ninja-build
  qt6-base-dev
  qt6-base-dev-tools
  qt6-qpa-plugins
  libgl-dev
  # Translations: lupdate and lrelease with their CMake package, Qt's own
  # translations (the message boxes' buttons), and python3 for the
  # pseudo-translation the tests generate
  qt6-l10n-tools
  qt6-tools-dev
  qt6-translations-l10n
  python3
  # End-to-end tests: a virtual X server, a window manager, input and
  # window tools, screenshots, fonts and a session bus
  xvfb
  xauth
  x11-xkb-utils
  xfonts-base
  openbox
  xdotool
  wmctrl
  x11-utils
  imagemagick
  fonts-dejavu-core
  dbus-x11
  # The report tests read the saved PDF's text (pdftotext, pdfinfo) and
  # compile a locale's paper from its definition (locales)
  poppler-utils
  locales
  # The accessibility test: the AT-SPI bus and registry, their Python
  # bindings, dbus-send to ask the bus, pgrep to find the bus's process
  at-spi2-core
  python3-pyatspi
  dbus-bin
  procps
  # The Wayland end-to-end test and screenshots: Qt's Wayland platform
  # plugin and a compositor that runs headless (with weston-screenshooter)
  qt6-wayland
  weston
  # Hardening: sanitizers and libFuzzer come with clang
  clang-14
  libclang-rt-14-dev
  # Linters (scripts/lint.sh): the code's layout, clang-tidy's checks (with
  # run-clang-tidy) and clazy's Qt checks, all from LLVM 14 like the fuzzing
  clang-format
  clang-tidy
  clazy
  # Packaging: the DEB package and the checks of its desktop files, lintian
  # and hardening-check (devscripts) on the package
  dpkg-dev
  desktop-file-utils
  appstream
  lintian
  devscripts
)

# Building and testing the Windows program (scripts/windows.sh asks for them
# with --windows): the MinGW-w64 cross compilers, wine to run the Windows
# build's tests, NSIS for its installer, PyYAML for the check of the winget
# manifest. The rest it needs (Xvfb, openbox, the X tools, fonts, Qt's
# translations) is in the list above.
WINDOWS_PACKAGES=(
  mingw-w64
  wine
  wine64
  nsis
  osslsigncode
  openssl
  python3-yaml
)
if [[ ${1:-} == --windows ]]; then
  PACKAGES+=("${WINDOWS_PACKAGES[@]}")
fi

missing=()
for package in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  if [[ $status != "install ok installed" ]]; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "deps: all ${#PACKAGES[@]} packages are installed"
  exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "deps: missing packages (${missing[*]}) and no sudo to install them; run this script as root" >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
