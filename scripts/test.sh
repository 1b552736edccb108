#!/usr/bin/env bash
# Builds Cindrel and runs every test, in six stages:
#   1. the linters (scripts/lint.sh): clang-format, clang-tidy and clazy, first
#      so that a finding fails the run before the long builds;
#   2. the normal build, of the program only: the one that ships, packed in
#      stage 5;
#   3. the whole suite, built with AddressSanitizer and
#      UndefinedBehaviorSanitizer: unit tests, widget tests on the offscreen
#      platform and end-to-end tests under a private Xvfb and weston. Every
#      test runs once, where the sanitizers watch it;
#   4. the libFuzzer targets, each for a bounded time from its corpus (clang);
#   5. the DEB package, from the normal build: built, checked (lintian,
#      hardening-check, and a second build in another folder that must give
#      the same bytes), unpacked into a scratch root, and the installed
#      program driven end to end under X11 and Wayland;
#   6. Windows: the program cross-built with MinGW-w64, its unit and widget
#      tests under wine, the installer, and the installed program end to end
#      under wine (scripts/windows.sh, scripts/windows-e2e.sh), its console
#      twin (scripts/windows-console.sh), the installer's own scenarios (old
#      Windows, the last release, elevation: scripts/windows-installer.sh),
#      and a second build of the same commit that must give the same bytes
#      (scripts/windows-repro.sh).
# Needs no terminal and no display; exits non-zero when any stage fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each stage's time, printed when the next one starts and summed up at the end.
timings=()
stage_name="" stage_start=$SECONDS
stage_done() {
  if [[ -n $stage_name ]]; then
    timings+=("$(printf '%5d s  %s' $((SECONDS - stage_start)) "$stage_name")")
  fi
}
stage() {
  stage_done
  stage_name=$1 stage_start=$SECONDS
  printf '\n==== %s ====\n' "$*"
}

stage "dependencies"
bash scripts/deps.sh --windows

# Qt for Windows, when its cache is cold, is the longest step of the run: it
# builds in the background at nice 19, behind the Linux stages, and the
# Windows stage waits for it. With a warm cache this returns at once.
mkdir -p build-windows
bash scripts/windows-qt.sh >build-windows/qt-build.log 2>&1 &
windows_qt=$!

# CINDREL_WERROR=ON (as CI sets it) makes every warning in the program's own
# code an error.
werror=-DCINDREL_WERROR=${CINDREL_WERROR:-OFF}

# The end-to-end tests bring their own X server; make sure nothing they start
# reaches the caller's display or session bus.
run_ctest() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
    ctest --output-on-failure --no-tests=error "$@"
}

stage "lint"
bash scripts/lint.sh

stage "build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCINDREL_BUILD_TESTS=OFF "$werror"
cmake --build build

stage "build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCINDREL_SANITIZE=ON -DCINDREL_PCH=ON "$werror"
cmake --build build-asan
# The unit and widget tests, side by side: each has its own settings and
# runtime folder.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_ctest --test-dir build-asan -LE e2e -j "$(nproc)"
# The end-to-end tests, on the real program. Leaks are checked by the unit
# tests above; at the end of a real session the platform plugins (xcb,
# Wayland, the accessibility bridge) keep what they keep, so only errors can
# fail these.
ASAN_OPTIONS=abort_on_error=1:detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_ctest --test-dir build-asan -L e2e -j "$(nproc)"

stage "fuzz"
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCINDREL_FUZZ=ON -DCINDREL_BUILD_TESTS=OFF -DCINDREL_BUILD_BENCH=OFF "$werror"
cmake --build build-fuzz --target fuzz_scoring fuzz_referral_url fuzz_settings_file
# The three targets side by side, each for its time (libFuzzer counts it on
# the clock).
run_ctest --test-dir build-fuzz -L fuzz -j 3

stage "package: check it is lintian-clean, hardened and reproducible, install into a scratch root and run the installed program"
bash scripts/package-check.sh build

stage "Windows: waiting for Qt for Windows"
if ! wait "$windows_qt"; then
  tail -n 40 build-windows/qt-build.log >&2
  echo "test: building Qt for Windows failed (build-windows/qt-build.log)" >&2
  exit 1
fi
stage "Windows: cross-build, tests under wine, installer, installed program under wine"
bash scripts/windows.sh
# The second build for the comparison compiles (at nice 5) while the
# installed program is driven under wine, which leaves the processors
# mostly idle; its report follows.
bash scripts/windows-repro.sh build-windows >build-windows/repro.log 2>&1 &
windows_repro=$!
trap 'kill "$windows_repro" 2>/dev/null || true' EXIT
# The installer's own scenarios run beside them, in a wine prefix of their own.
bash scripts/windows-installer.sh build-windows >build-windows/installer.log 2>&1 &
windows_installer=$!
trap 'kill "$windows_repro" "$windows_installer" 2>/dev/null || true' EXIT
bash scripts/windows-e2e.sh build-windows
bash scripts/windows-console.sh build-windows
installer_status=0
wait "$windows_installer" || installer_status=$?
cat build-windows/installer.log
((installer_status == 0)) || { echo "test: the installer's scenarios failed under wine" >&2; exit 1; }
repro_status=0
wait "$windows_repro" || repro_status=$?
trap - EXIT
cat build-windows/repro.log
((repro_status == 0)) || { echo "test: the second Windows build failed or differs" >&2; exit 1; }
stage_done
printf '\n==== stage times ====\n'
printf '%s\n' "${timings[@]}"
printf '%5d s  in all\n' "$SECONDS"
