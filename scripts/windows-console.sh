#!/usr/bin/env bash
# The console twin cindrel.com under wine, in the portable build unpacked into
# a folder whose name has spaces and non-ASCII letters:
#   scripts/windows-console.sh [BUILD-DIRECTORY]      (default ./build-windows)
# "cindrel --help", "cindrel --version" and a bad option with non-ASCII
# letters, typed in cmd, must print what the Linux build prints (build/,
# compared line by line: Windows ends lines with CR LF) with the same exit
# status, into a file and into a pipe; "cindrel" alone must start the
# windowed program from there and return at once.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-windows}")
linux=$root/build/src/cindrel
[[ -x $linux ]] || { echo "windows-console: no Linux build at $linux to compare with" >&2; exit 1; }
# shellcheck source=/dev/null
source "$build/identity.sh"
# shellcheck source=scripts/wine.sh
source "$root/scripts/wine.sh"

fail() { echo "windows-console: FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
cleanup() { wine_stop; rm -rf "$scratch"; }
trap cleanup EXIT
wine_init
wine_display 1024x768x24
wineserver --persistent

stem=$CINDREL_WINDOWS_PACKAGE
folder="$scratch/$CINDREL_NAME Tést Ünïcode"
python3 -m zipfile -e "$build/$stem.zip" "$folder"
bin=$folder/$stem/bin
[[ -f $bin/cindrel.com ]] || fail "the portable zip has no $stem/bin/cindrel.com"

# check EXPECTED-STATUS ARGUMENTS... : runs "cindrel ARGUMENTS" in cmd in the
# install folder, its output redirected to files, and compares with Linux.
runs=0
check()
{
  local expected=$1 status=0 linux_status=0
  shift
  runs=$((runs + 1))
  local out=out$runs.txt err=err$runs.txt
  # Files of their own: wine may close the last run's handles a moment late.
  (cd "$bin" && wine cmd /c "cindrel $* >$out 2>$err") || status=$?
  (exec -a cindrel "$linux" "$@" >"$scratch/out" 2>"$scratch/err") || linux_status=$?
  [[ $status == "$expected" && $linux_status == "$expected" ]] ||
    fail "'cindrel $*' ended with $status under wine and $linux_status on Linux, not $expected"
  local stream
  for stream in out err; do
    tr -d '\r' <"$bin/${!stream}" | cmp -s - "$scratch/$stream" ||
      fail "'cindrel $*' printed on std$stream:$(printf '\n%s' "$(cat "$bin/${!stream}")")
but on Linux:$(printf '\n%s' "$(cat "$scratch/$stream")")"
  done
  echo "windows-console: 'cindrel $*' in cmd: status $status, the Linux output" >&2
}
check 0 --help
check 0 --version
check 2 --bögus-ñ
check 2 -platform

# Through a pipe, from cmd's own and from wine's.
[[ $(cd "$bin" && wine cmd /c 'cindrel --version | more' | tr -d "\r" | sed "s/ *$//") == "$CINDREL_NAME $CINDREL_VERSION" ]] ||
  fail "'cindrel --version | more' in cmd did not give the version"
[[ $(wine "$bin/cindrel.com" --help | tr -d '\r') == "$(exec -a cindrel "$linux" --help)" ]] ||
  fail "'cindrel.com --help' into a pipe differs from Linux"
echo "windows-console: the help and the version through pipes" >&2

# Alone, the twin starts the windowed program and returns at once.
started=$SECONDS
(cd "$bin" && timeout 20 wine cmd /c cindrel) || fail "'cindrel' alone ended with $?"
# Its main window, or the update reminder's box before it.
until [[ -n $(xdotool search --name "^$CINDREL_NAME" 2>/dev/null) ]]; do
  ((SECONDS - started < 40)) || fail "'cindrel' alone started no main window"
  sleep 0.3
done
echo "windows-console: 'cindrel' alone returned 0 and the main window came ($((SECONDS - started)) s)" >&2
echo "windows-console: PASS" >&2
