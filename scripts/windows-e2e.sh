#!/usr/bin/env bash
# The Windows installer end to end under wine, on a private Xvfb with openbox:
#   scripts/windows-e2e.sh [BUILD-DIRECTORY]      (default ./build-windows)
# installs silently into a folder whose name has spaces and non-ASCII
# letters, checks the Start-menu entry and the "Apps" entry, starts the
# program and sees its main window, sees the reminder's date in the
# registry, has a second copy refused, closes the main window to the
# farewell window (kept on top) and that one to the end of the program;
# then starts it on a registry value of the wrong type, which must stay as
# it is; ends a run with the end of the session, which must take the
# program's own shutdown; and uninstalls silently: the files go, the user's settings stay.
# Every wait is bounded; on failure the screen is saved as
# BUILD-DIRECTORY/e2e-windows.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-windows}")
# shellcheck source=/dev/null
source "$build/identity.sh"
installer=$build/$CINDREL_NAME-$CINDREL_VERSION-win64.exe
[[ -f $installer ]] || { echo "windows-e2e: no installer $installer (run scripts/windows.sh)" >&2; exit 1; }
# shellcheck source=scripts/wine.sh
source "$root/scripts/wine.sh"

log() { printf '[windows-e2e %s] %s\n' "$(date +%T)" "$*" >&2; }
fail()
{
  log "FAIL: $*"
  if [[ -n ${DISPLAY:-} ]]; then
    import -window root "$build/e2e-windows.png" 2>/dev/null || true
  fi
  [[ -f ${out:-} ]] && { log "program output:"; cat "$out" >&2; }
  exit 1
}
# wait_until SECONDS DESCRIPTION COMMAND...
wait_until()
{
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || fail "timed out waiting for $what"
    sleep 0.2
  done
}

wine_init
wine_display 1280x1024x24
out=$(mktemp)
cleanup()
{
  wine reg delete 'HKCU\Environment' /v QT_LOGGING_RULES /f >/dev/null 2>&1 || true
  wine_stop
  rm -f "$out"
}
trap cleanup EXIT
wineserver --persistent

folder_name="$CINDREL_NAME Tést Ünïcode"
windows_dir="C:\\Program Files\\$folder_name"
unix_dir="$WINEPREFIX/drive_c/Program Files/$folder_name"
settings_key="HKCU\\Software\\$CINDREL_MAKER\\$CINDREL_NAME\\Settings"
apps_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$CINDREL_NAME Installer"
main_title="^${CINDREL_WINDOW_TITLE//./\\.}\$"
box_title="^$CINDREL_NAME\$"
program="$unix_dir/bin/cindrel.exe"

# A clean start: no earlier install, no settings.
if [[ -f $unix_dir/Uninstall.exe ]]; then
  wine "$unix_dir/Uninstall.exe" /S "_?=$windows_dir" || true
fi
rm -rf "$unix_dir"
wine reg delete "HKCU\\Software\\$CINDREL_MAKER\\$CINDREL_NAME" /f >/dev/null 2>&1 || true
# The program's passed-over failures and the guard's decisions, on stderr.
wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /d 'cindrel.*.debug=true' /f >/dev/null

log "installing silently into $windows_dir"
# NSIS takes the folder as the rest of the command line after /D=, unquoted:
# wine joins its arguments with single spaces, so the folder goes in words.
read -r -a folder_words <<<"$windows_dir"
wine "$installer" /S "/D=${folder_words[0]}" "${folder_words[@]:1}"
[[ -f $program ]] || fail "the installer put no program at $program"
# The licence notices name the third-party code of every Qt DLL installed.
notices=$unix_dir/licences/notices.txt
[[ -f $notices ]] || fail "the installer put no licence notices at $notices"
qt_prefix=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$build/CMakeCache.txt")
while IFS=$'\t' read -r dll folder; do
  [[ ! -f $unix_dir/$dll ]] || grep -qF "(Qt source: $folder)" "$notices" ||
    fail "the licence notices lack $folder, compiled into $dll"
done <"$qt_prefix/attributions/binaries.tsv"
for file in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll bin/qt.conf \
            plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll Uninstall.exe; do
  [[ -f $unix_dir/$file ]] || fail "the install lacks $file"
done
for language in $CINDREL_LANGUAGES; do
  [[ -f $unix_dir/translations/qtbase_$language.qm ]] || fail "the install lacks Qt's $language translation"
done
start_menu=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' -name "$CINDREL_NAME.lnk" | head -n 1)
[[ -n $start_menu ]] || fail "no Start-menu entry $CINDREL_NAME.lnk"
apps=$(wine reg query "$apps_key" 2>/dev/null | tr -d '\r')
for entry in "Publisher.*$CINDREL_MAKER" "DisplayVersion.*$CINDREL_VERSION" "DisplayIcon.*cindrel.exe" UninstallString; do
  LC_ALL=C grep -q "$entry" <<<"$apps" || fail "the Apps entry lacks $entry: $apps"
done
log "installed: program, libraries, plugins, translations, Start-menu and Apps entries"

# windows_titled TITLE-REGEX : the ids of the visible windows so titled;
# stored_date: the type and text of the stored LastReminderDate.
# (xdotool's --onlyvisible misses wine's windows under openbox, so the map
# state is asked of each.)
windows_titled()
{
  local id
  for id in $(xdotool search --name "$1" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
  done
  return 0
}
titled_up() { [[ -n $(windows_titled "$1") ]]; }
titled_gone() { [[ -z $(windows_titled "$1") ]]; }
stored_date() { wine reg query "$settings_key" /v LastReminderDate 2>/dev/null | tr -d '\r' | awk '/LastReminderDate/ {print $2" "$3}'; }

log "first start"
wine "$program" >"$out" 2>&1 &
first=$!
wait_until 40 "the main window" titled_up "$main_title"
main=$(windows_titled "$main_title" | head -n 1)
today=$(date +%F)
[[ $(stored_date) == "REG_SZ $today" ]] || fail "the registry holds '$(stored_date)', not REG_SZ $today"
log "main window $main is up; the registry holds LastReminderDate REG_SZ $today"

log "a second copy"
second_out=$(mktemp)
wine "$program" >"$second_out" 2>&1 &
second=$!
wait_until 30 "the second copy's message box" titled_up "$box_title"
box=$(windows_titled "$box_title" | head -n 1)
grep -q "held by another copy" "$second_out" || fail "the second copy did not find the first: $(cat "$second_out")"
xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key --window "$box" Return
wait_until 20 "the second copy to end" bash -c "! kill -0 $second 2>/dev/null"
rm -f "$second_out"
[[ $(windows_titled "$main_title") == "$main" ]] || fail "the first copy's main window changed"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
log "the second copy showed its box titled $CINDREL_NAME and ended; the first runs on"

log "closing the main window"
wmctrl -i -c "$(printf '0x%08x' "$main")"
farewell_up() { local w; w=$(windows_titled "$main_title"); [[ -n $w && $w != "$main" ]]; }
wait_until 20 "the farewell window" farewell_up
farewell=$(windows_titled "$main_title" | head -n 1)
xprop -id "$farewell" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the farewell window is not kept above: $(xprop -id "$farewell" _NET_WM_STATE)"
wmctrl -i -c "$(printf '0x%08x' "$farewell")"
wait_until 20 "the program to end" bash -c "! kill -0 $first 2>/dev/null"
log "the farewell window came, on top, and closing it ended the program"

log "a number where the date belongs"
wine reg add "$settings_key" /v LastReminderDate /t REG_DWORD /d 20270203 /f >/dev/null
wine "$program" >"$out" 2>&1 &
third=$!
wait_until 40 "the main window" titled_up "$main_title"
[[ -z $(windows_titled "$box_title") ]] || fail "a message box came on a number for a date"
stored=$(stored_date)
[[ $stored == "REG_DWORD 0x1354c7b" ]] || fail "the number was changed to '$stored'"
grep -q "left alone" "$out" || fail "the number was not logged as left alone"
main=$(windows_titled "$main_title" | head -n 1)
wmctrl -i -c "$(printf '0x%08x' "$main")"
wait_until 20 "the farewell window" farewell_up
wmctrl -i -c "$(printf '0x%08x' "$(windows_titled "$main_title" | head -n 1)")"
wait_until 20 "the program to end" bash -c "! kill -0 $third 2>/dev/null"
wine reg add "$settings_key" /v LastReminderDate /d "$today" /f >/dev/null
log "the number stayed as it was, logged, with no reminder"

log "the end of the session"
# wine ends the process after the session's end (status 137); the subshell
# keeps the shell's notice of that off the log.
( wine "$program" >"$out" 2>&1; true ) 2>/dev/null &
fourth=$!
wait_until 40 "the main window" titled_up "$main_title"
main=$(windows_titled "$main_title" | head -n 1)
# Every window of the program on screen until it ends: the farewell window
# must not come up.
seen=$(mktemp)
( while kill -0 "$fourth" 2>/dev/null; do windows_titled "$main_title"; sleep 0.05; done >"$seen" ) &
watcher=$!
wine wineboot --end-session
wait_until 20 "the program to end" bash -c "! kill -0 $fourth 2>/dev/null"
wait "$watcher" || true
grep -q "The session ends" "$out" || fail "the end of the session did not reach the program's shutdown"
others=$(grep -v -x "$main" "$seen" | sort -u | xargs || true)
rm -f "$seen"
[[ -z $others ]] || fail "windows came up as the session ended: $others"
log "the end of the session ended the program through its shutdown, with no farewell window"

log "uninstalling silently"
wine "$unix_dir/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once.
wait_until 60 "the uninstaller to remove the program" test ! -e "$program"
wait_until 30 "the install folder to go" test ! -e "$unix_dir/bin"
[[ $(stored_date) == "REG_SZ $today" ]] || fail "uninstalling lost the settings: '$(stored_date)'"
wine reg query "$apps_key" >/dev/null 2>&1 && fail "the Apps entry outlived the uninstall"
log "uninstalled: files and Apps entry gone, LastReminderDate kept"
log "PASS"
