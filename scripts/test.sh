#!/usr/bin/env bash
# Builds Cindrel with its tests and runs every test: unit tests, widget tests
# on the offscreen platform and end-to-end tests under a private Xvfb.
# Needs no terminal and no display; exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
# The end-to-end tests bring their own X server; make sure nothing they
# start reaches the caller's display or session bus.
env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
  ctest --test-dir build --output-on-failure --no-tests=error
