#!/usr/bin/env bash
# Builds Cindrel and starts it on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target cindrel

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "run: no DISPLAY is set; Cindrel needs a graphical session" >&2
  exit 1
fi
exec build/src/cindrel "$@"
