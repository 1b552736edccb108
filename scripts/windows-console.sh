#!/usr/bin/env bash
# The console twin cindrel.com under wine:
#   scripts/windows-console.sh [BUILD-DIRECTORY]      (default ./build-windows)
# In the portable build unpacked into a folder whose name has spaces and
# non-ASCII letters, "cindrel --help", "cindrel --version" and a bad option
# with non-ASCII letters, typed in cmd, must print what the Linux build
# prints (build/, compared line by line: Windows ends lines with CR LF)
# with the same exit status, into a file and into a pipe. In a per-user
# install into a folder with a dot and a blank in its name
# (C:\users\john.doe\My Programs\...), the version must come through the
# twin, also when the name is typed with quotes around the part with the
# blank (C:\users\john.doe\"My Programs"\...), and the twin must outlast
# Ctrl+C while "cindrel -reverse" runs and then end with the program's
# status. Last, "cindrel" alone must start the windowed program and return
# at once.
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

# A per-user install into a folder with a dot in its name, as a user's own
# folder often has, and a blank. NSIS takes the folder as the rest of the
# command line after /D=, unquoted, and wine joins its arguments with
# single spaces, so the folder goes in words.
installer=$build/$stem.exe
dotted="C:\\users\\john.doe\\My Programs\\$CINDREL_NAME"
dotted_unix=$(unix_of "$dotted")
rm -rf "$WINEPREFIX/drive_c/users/john.doe"
wine "$installer" /S '/D=C:\users\john.doe\My' "Programs\\$CINDREL_NAME" ||
  fail "the silent install into $dotted ended with $?"
[[ -f $dotted_unix/bin/cindrel.com ]] || fail "the install into $dotted has no bin\\cindrel.com"
[[ $(cd "$dotted_unix/bin" && wine cmd /c 'cindrel --version' | tr -d '\r') == "$CINDREL_NAME $CINDREL_VERSION" ]] ||
  fail "'cindrel --version' in $dotted\\bin did not give the version"
# The name typed with quotes around the part with the blank, read by the C
# runtime's rule; from a batch file, so that cmd hands the line on as typed.
printf '@%s --version\r\n' "C:\\users\\john.doe\\\"My Programs\"\\$CINDREL_NAME\\bin\\cindrel" >"$scratch/quoted.cmd"
[[ $(wine cmd /c "$(wine_path "$scratch/quoted.cmd")" | tr -d '\r') == "$CINDREL_NAME $CINDREL_VERSION" ]] ||
  fail "$(tr -d '\r' <"$scratch/quoted.cmd") did not give the version"
echo "windows-console: the version through the twin in $dotted, also by a name typed with quotes" >&2

# Ctrl+C while the twin waits for the program. A console hands Ctrl+C to
# the processes on it: the twin, never the windowed program, which has no
# console. wine turns a SIGINT into Ctrl+C for the process it reaches, so
# the twin alone gets one. (A terminal's Ctrl+C would reach every wine
# process of the shell's job, the windowed one too, which Windows never
# does; and wine hands Ctrl+Break to no process group.)
main_title="^${CINDREL_WINDOW_TITLE//./\\.}\$"
main_windows() { windows_titled "$main_title"; }
window_up() { [[ -n $(main_windows) && $(main_windows | head -n 1) != "${1:-}" ]]; }
wine "$dotted_unix/bin/cindrel.com" -reverse &
twin=$!
wait_until 40 "the main window of 'cindrel -reverse'" window_up
kill -INT "$twin"
sleep 1
kill -0 "$twin" 2>/dev/null || fail "Ctrl+C ended the twin while the program ran"
# The main window, then the farewell window it opens, closed as a user does.
main=$(main_windows | head -n 1)
wmctrl -i -c "$(printf '0x%08x' "$main")"
wait_until 20 "the farewell window" window_up "$main"
wmctrl -i -c "$(printf '0x%08x' "$(main_windows | head -n 1)")"
wait_until 20 "the twin to end with the program" bash -c "! kill -0 $twin 2>/dev/null"
status=0
wait "$twin" || status=$?
[[ $status == 0 ]] || fail "the twin ended with $status; the program ended with 0"
echo "windows-console: Ctrl+C left the twin waiting; it ended with the program's status" >&2
# The uninstaller runs from a copy of itself and returns at once.
wine "$dotted_unix/Uninstall.exe" /S
wait_until 60 "the uninstaller to remove $dotted" test ! -e "$dotted_unix"
rm -rf "$WINEPREFIX/drive_c/users/john.doe"

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
