#!/usr/bin/env bash
# Start-up benchmark: compares Cindrel's start with the minimal Qt Widgets
# window built in the same tree. Starts one private Xvfb (no window manager)
# and a private session bus, runs both programs ROUNDS times interleaved
# (the first one alternates from round to round) after one unmeasured
# warm-up start each, and measures for every start the time from exec to the
# first map of its window and the resident memory at that moment. Then it
# measures the CPU time each uses while idle on its window. Prints the
# comparison; the raw records go to --output when given.
#
# With --wine WINDOWS-BUILD, both are the Windows build's instead
# (scripts/windows.sh, then: cmake -DCINDREL_BUILD_BENCH=ON WINDOWS-BUILD &&
# cmake --build WINDOWS-BUILD --target cindrel_bench_minimal), run under wine
# from a copy of the installer's stripped files, the minimal window stripped
# beside cindrel.exe; the probe still comes from --build. One wine server runs
# throughout, as Windows runs before a program starts; the memory is that of
# the program's wine process.
#
# usage: bench/startup.sh [--build DIR] [--wine WINDOWS-BUILD] [--rounds N]
#                         [--idle SECONDS] [--settle SECONDS] [--output FILE]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build
rounds=20
idle=10
settle=1
output=
wine_build=
wait_limit=20   # seconds any single wait may take

die() { printf 'startup.sh: %s\n' "$*" >&2; exit 1; }

usage()
{
  sed -n '2,/^set -euo/p' "$0" | sed -e '/^set -euo/d' -e 's/^# \{0,1\}//'
  exit "${1:-0}"
}

while (($#)); do
  case $1 in
    --build) build=${2:?--build needs a directory}; shift 2 ;;
    --wine) wine_build=${2:?--wine needs a directory}; shift 2 ;;
    --rounds) rounds=${2:?--rounds needs a number}; shift 2 ;;
    --idle) idle=${2:?--idle needs seconds}; shift 2 ;;
    --settle) settle=${2:?--settle needs seconds}; shift 2 ;;
    --output) output=${2:?--output needs a file}; shift 2 ;;
    -h|--help) usage 0 ;;
    *) printf 'startup.sh: unknown argument %s\n' "$1" >&2; usage 2 ;;
  esac
done
[[ $rounds =~ ^[1-9][0-9]{0,3}$ ]] || die "--rounds takes a whole number from 1 to 9999, not '$rounds'"
[[ $idle =~ ^[0-9]+([.][0-9]+)?$ ]] || die "--idle takes seconds, not '$idle'"
[[ $settle =~ ^[0-9]+([.][0-9]+)?$ ]] || die "--settle takes seconds, not '$settle'"

[[ -d $build ]] || die "no build directory $build (build first, see docs/performance.md)"
build=$(cd "$build" && pwd)
program=$build/src/cindrel
[[ -f $build/identity.sh ]] || die "missing $build/identity.sh; configure the build with cmake first"
# shellcheck source=scripts/identity.sh.in
source "$build/identity.sh"
reference=$build/bench/cindrel_bench_minimal
probe=$build/bench/cindrel_bench_probe
if [[ -n $wine_build ]]; then
  [[ -x $probe ]] || die "missing $probe; build it with: cmake --build $build --target cindrel_bench_probe"
  wine_build=$(cd "$wine_build" && pwd)
  staged=$wine_build/$CINDREL_WINDOWS_STAGING
  [[ -f $staged/bin/cindrel.exe ]] || die "no installer's files in $staged (run scripts/windows.sh)"
  [[ -f $wine_build/bench/cindrel_bench_minimal.exe ]] ||
    die "missing $wine_build/bench/cindrel_bench_minimal.exe; build it as the usage says"
fi
for binary in "$program" "$reference" "$probe"; do
  [[ -n $wine_build || -x $binary ]] ||
    die "missing $binary; build it with: cmake --build $build --target cindrel cindrel_bench_minimal cindrel_bench_probe"
done
for tool in Xvfb dbus-daemon; do
  command -v "$tool" >/dev/null 2>&1 || die "missing $tool (apt-get install xvfb dbus)"
done
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)

tmp=$(mktemp -d "${TMPDIR:-/tmp}/cindrel-bench.XXXXXX")
# The runtime directories live on tmpfs, as $XDG_RUNTIME_DIR does on a
# desktop (/run/user/UID), so that the instance lock costs what it costs there.
runtime_root=$tmp/runtime
if [[ -d /dev/shm && -w /dev/shm ]]; then
  runtime_root=$(mktemp -d /dev/shm/cindrel-bench.XXXXXX)
fi
xvfb_pid=
bus_pid=
cleanup()
{
  local pid
  for pid in $bus_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in $bus_pid $xvfb_pid; do
    # Bounded: a server that ignores SIGTERM for two seconds is killed.
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$tmp" "$runtime_root"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# wait_for_line FILE WHAT : waits (bounded) until FILE holds a whole line.
wait_for_line()
{
  local deadline=$((SECONDS + wait_limit))
  until [[ -f $1 ]] && (($(wc -l <"$1") >= 1)); do
    ((SECONDS < deadline)) || die "timed out after ${wait_limit}s waiting for $2"
    sleep 0.05
  done
}

# One display for the whole benchmark; -displayfd picks a free display and
# writes its number once the server accepts connections. No window manager:
# the programs map their windows themselves, and nothing else maps any.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for_line "$tmp/display" "Xvfb to report its display"
display=":$(head -n1 "$tmp/display")"

# A session bus as on a desktop, private to the benchmark.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$tmp/bus" >"$tmp/bus.log" 2>&1 &
bus_pid=$!
wait_for_line "$tmp/bus" "the session bus to start"
bus=$(head -n1 "$tmp/bus")

mkdir -p "$tmp/home" "$tmp/cache" "$tmp/data"
today=$(date +%F)
wine_env=()
if [[ -n $wine_build ]]; then
  # shellcheck source=scripts/wine.sh
  source "$here/../scripts/wine.sh"
  wine_init
  export DISPLAY=$display
  wineserver --persistent
  wine reg add "HKCU\\Software\\$CINDREL_MAKER\\$CINDREL_NAME\\Settings" /v LastReminderDate /d "$today" /f >/dev/null
  trap 'wineserver --kill 2>/dev/null || true; cleanup' EXIT
  cp -r "$staged" "$tmp/windows"
  x86_64-w64-mingw32-strip -o "$tmp/windows/bin/minimal.exe" "$wine_build/bench/cindrel_bench_minimal.exe"
  # The probe starts one file: a script that becomes the wine process.
  for name in cindrel minimal; do
    printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$tmp/windows/bin/$name.exe" >"$tmp/$name-wine"
    chmod +x "$tmp/$name-wine"
  done
  program=$tmp/cindrel-wine reference=$tmp/minimal-wine
  wine_env=(WINEPREFIX="$WINEPREFIX" WINEARCH="$WINEARCH" WINEDEBUG="$WINEDEBUG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES")
  build_type="Windows $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$wine_build/CMakeCache.txt"), under $(wine --version)"
fi
runs=0

# measure NAME [PROBE OPTIONS...] : one start of NAME in a fresh private
# runtime directory and settings (the reminder date is today, so no reminder
# box); sets $result to the probe's result line.
measure()
{
  local name=$1 binary title
  shift
  case $name in
    cindrel) binary=$program title=$CINDREL_WINDOW_TITLE ;;
    minimal) binary=$reference title='Minimal window' ;;
  esac
  runs=$((runs + 1))
  local dir=$tmp/run$runs runtime=$runtime_root/run$runs
  mkdir -p "$runtime" "$dir/config/Cindrel"
  chmod 0700 "$runtime"
  printf '[Settings]\nLastReminderDate=%s\n' "$today" >"$dir/config/Cindrel/Cindrel.conf"
  if ! env -i PATH="$PATH" HOME="$tmp/home" LANG=C.UTF-8 DISPLAY="$display" QT_QPA_PLATFORM=xcb \
      DBUS_SESSION_BUS_ADDRESS="$bus" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$dir/config" \
      XDG_CACHE_HOME="$tmp/cache" XDG_DATA_HOME="$tmp/data" "${wine_env[@]}" \
      "$probe" run --timeout "$wait_limit" --expect-title "$title" --log "$dir/log" "$@" -- "$binary" \
      >"$dir/result"; then
    printf 'startup.sh: the %s start could not be measured; its output:\n' "$name" >&2
    tail -n 20 "$dir/log" >&2 || true
    exit 1
  fi
  result=$(<"$dir/result")
  rm -rf "$runtime" "$dir"
}

records=$tmp/records
{
  echo "# date=$today nproc=$(nproc) build_type=${build_type:-unknown} rounds=$rounds"
} >"$records"

qt_version=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "Start-up benchmark, $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
# The folder as seen from where the benchmark runs, so a report names no
# machine's absolute path.
echo "${build_type:-unknown} build in $(realpath --relative-to=. "${wine_build:-$build}"), Qt $qt_version"
echo "display $display (Xvfb 1280x1024x24, no window manager), $rounds rounds after one warm-up start each"
measure minimal
measure cindrel
for ((round = 1; round <= rounds; round++)); do
  if ((round % 2)); then order=(minimal cindrel); else order=(cindrel minimal); fi
  for name in "${order[@]}"; do
    measure "$name"
    echo "kind=start round=$round program=$name first=${order[0]} $result" >>"$records"
  done
  printf '.'
done
echo
if [[ $idle != 0 && $idle != 0.0 ]]; then
  echo "measuring the CPU used while idle (${idle}s each, from ${settle}s after the map)"
  for name in cindrel minimal; do
    measure "$name" --idle "$idle" --settle "$settle"
    echo "kind=idle program=$name $result" >>"$records"
  done
fi
echo
"$probe" summarize "$records"
if [[ -n $output ]]; then
  cp "$records" "$output"
  echo "records saved to $output"
fi
