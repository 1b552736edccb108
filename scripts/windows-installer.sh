#!/usr/bin/env bash
# The installer's own scenarios under wine, on a private Xvfb with openbox:
#   scripts/windows-installer.sh [BUILD-DIRECTORY]      (default ./build-windows)
# - Windows too old: with the prefix set to Windows 7 and to 8.1, a silent
#   install ends with status 1150 and installs nothing, and an interactive one
#   says why in the user's language (the message box's text, from wine's
#   trace of it), before anything changes;
# - the last release, packed again from this build's files with the stock
#   template it was packed with (tests/windows/last-release) and installed
#   for all users: a per-user install over it whose elevation is declined
#   ends with status 2 and changes nothing; one run without administrator
#   rights removes it through an elevated copy of itself; an all-users
#   install removes it directly. Either way one Cindrel is left in Apps and
#   in the Start menu, nothing of the last release, and the settings;
# - /AllUsers without administrator rights: the installer starts itself
#   elevated, keeps the folder given with /D= and ends with that copy's
#   status; a copy that is still without rights (status 5) asks no second
#   time; a declined prompt ends with 5. The same for the uninstaller;
# - the App Paths entry of either scope, removed with its install.
# wine's user is an administrator: CINDREL_INSTALLER_RIGHTS makes the
# installer take itself for a standard user (NSIS.template.in). The prefix is
# this script's own ($CINDREL_WINEPREFIX-installer), so that it runs beside
# the other wine scripts. On failure the screen is saved as
# BUILD-DIRECTORY/installer-windows.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-windows}")
# shellcheck source=/dev/null
source "$build/identity.sh"
installer=$build/$CINDREL_WINDOWS_PACKAGE.exe
staged=$build/$CINDREL_WINDOWS_STAGING
[[ -f $installer && -d $staged ]] || { echo "windows-installer: no installer $installer (run scripts/windows.sh)" >&2; exit 1; }
CINDREL_WINEPREFIX=${CINDREL_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/cindrel/wine}-installer
# shellcheck source=scripts/wine.sh
source "$root/scripts/wine.sh"

log() { printf '[windows-installer %s] %s\n' "$(date +%T)" "$*" >&2; }
fail()
{
  log "FAIL: $*"
  [[ -n ${DISPLAY:-} ]] && import -window root "$build/installer-windows.png" 2>/dev/null
  exit 1
}

scratch=$(mktemp -d)
cleanup()
{
  wine_stop
  rm -rf "$scratch"
}
trap cleanup EXIT

# The last release's installer, packed once for each installer built.
last_release=$build/last-release/last-release.exe
if [[ ! $last_release -nt $installer ]]; then
  log "packing the last release's installer from this build's files"
  rm -rf "$build/last-release"
  if ! { cmake -S "$root/tests/windows/last-release" -B "$build/last-release" -DSTAGED="$staged" \
           -DNAME="$CINDREL_NAME" -DMAKER="$CINDREL_MAKER" &&
         cpack --config "$build/last-release/CPackConfig.cmake" -B "$build/last-release"; } >"$scratch/pack.log" 2>&1; then
    cat "$scratch/pack.log" >&2
    fail "packing the last release's installer failed"
  fi
fi

wine_init
wine_display 1280x1024x24
wineserver --persistent
drive=$WINEPREFIX/drive_c
# Both installers inside the prefix, where cmd reaches them without quotes.
cp "$installer" "$drive/cindrel-setup.exe"
cp "$last_release" "$drive/last-release-setup.exe"

install_places
last_apps_key="$uninstall_keys\\$CINDREL_NAME Installer"
start_menus=("$user_links" "$machine_links")
# value KEY [NAME] : a registry value's text (the default value without NAME),
# empty when there is none.
value()
{
  local args=(/ve)
  [[ -n ${2:-} ]] && args=(/v "$2")
  wine reg query "$1" "${args[@]}" 2>/dev/null | tr -d '\r' | sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p'
  return 0
}
# setup OPTION... [C:\FOLDER] : runs the installer silently (its folder last
# after /D=, in words: wine joins its arguments with single blanks) and
# prints its status.
setup()
{
  local status=0 args=("$@") words
  if (($#)) && [[ ${args[-1]} == ?:\\* ]]; then
    read -r -a words <<<"${args[-1]}"
    args=("${args[@]:0:${#args[@]}-1}" "/D=${words[0]}" "${words[@]:1}")
  fi
  timeout 120 wine 'C:\cindrel-setup.exe' /S "${args[@]}" >&2 || status=$?
  echo "$status"
}
# snapshot : what an install that refuses must leave as it was.
snapshot()
{
  find "$(unix_of "$machine_dir")" "$(unix_of "$user_programs")" "${start_menus[@]}" \
    -type f -exec md5sum {} + 2>/dev/null | sort
  local hive
  for hive in HKLM HKCU; do
    wine reg query "$hive\\$uninstall_keys" /s 2>/dev/null | tr -d '\r'
    wine reg query "$hive\\$app_paths_key" 2>/dev/null | tr -d '\r'
  done
  value "$settings_key" LastReminderDate
}
# one_cindrel WINDOWS-FOLDER HIVE : exactly one Apps entry and one Start-menu
# entry, the install's own, the App Paths entry naming its program, and
# nothing left of the last release.
one_cindrel()
{
  local folder=$1 hive=$2 entries links
  entries=$(for h in HKLM HKCU; do wine reg query "$h\\$uninstall_keys" /s 2>/dev/null; done |
            tr -d '\r' | grep -c "DisplayName  *REG_SZ  *$CINDREL_NAME\$" || true)
  ((entries == 1)) || fail "$entries Apps entries named $CINDREL_NAME, not one"
  [[ $(value "$hive\\$apps_key" InstallLocation) == "$folder" ]] || fail "the Apps entry under $hive does not name $folder"
  links=$(find "${start_menus[@]}" -iname "$CINDREL_NAME*.lnk" | wc -l)
  ((links == 1)) || fail "$links Start-menu entries, not one: $(find "${start_menus[@]}" -iname "$CINDREL_NAME*")"
  [[ $(value "$hive\\$app_paths_key") == "$folder\\bin\\cindrel.exe" ]] ||
    fail "the App Paths entry under $hive names '$(value "$hive\\$app_paths_key")', not $folder's program"
  [[ -z $(value "HKLM\\$last_apps_key" UninstallString) ]] || fail "the last release's Apps entry is left"
  wine reg query "HKLM\\Software\\$CINDREL_MAKER" >/dev/null 2>&1 && fail "the last release's key under HKLM is left"
  [[ $(value "$settings_key" LastReminderDate) == 2026-01-02 ]] || fail "the settings were not kept"
  return 0
}
# install_last_release : the last release, for all users, as it installs.
install_last_release()
{
  wine 'C:\last-release-setup.exe' /S || fail "the last release did not install"
  [[ -f $(unix_of "$machine_dir")/bin/cindrel.exe && -n $(value "HKLM\\$last_apps_key" UninstallString) &&
     -f ${start_menus[1]}/$CINDREL_NAME/$CINDREL_NAME.lnk ]] ||
    fail "the last release did not install where it did: $(find "$(unix_of "$machine_dir")" | head -3)"
}

# A clean start: nothing installed in either scope, a known setting.
rm -rf "$(unix_of "$user_dir")" "$(unix_of "$machine_dir")" "$drive/Cindrel for Everyone"
for menu in "${start_menus[@]}"; do rm -rf "${menu:?}/$CINDREL_NAME" "$menu/$CINDREL_NAME.lnk"; done
for key in "$apps_key" "$last_apps_key" "$app_paths_key" "Software\\$CINDREL_MAKER"; do
  for hive in HKLM HKCU; do
    [[ $key == "Software\\$CINDREL_MAKER" && $hive == HKCU ]] && continue
    wine reg delete "$hive\\$key" /f >/dev/null 2>&1 || true
  done
done
wine reg add "$settings_key" /v LastReminderDate /d 2026-01-02 /f >/dev/null

log "Windows 7 and 8.1"
# The refusal as the user reads it, in each language (wine takes the language
# from the locale, made here in a private LOCPATH as the locales are not
# installed). The translation checks cover every installer text; this shows
# that they reach the installer.
declare -A refusal=(
  [de]="benötigt Windows 10 Version 1809 oder neuer"
  [fr]="nécessite Windows 10 version 1809 ou ultérieure"
  [es]="necesita Windows 10 versión 1809 o posterior")
mkdir -p "$scratch/locales"
for language in $CINDREL_LANGUAGES; do
  [[ -n ${refusal[$language]:-} ]] || fail "no refusal written down for $language"
  localedef --quiet -c -i "${language}_${language^^}" -f UTF-8 "$scratch/locales/$language.UTF-8" || true
done
# box_text LOG : the text of the message box wine traced in LOG.
box_text()
{
  python3 - "$1" <<'EOF'
import re, sys
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    if "MSGBOX_OnInit" in line:
        print(re.sub(r"\\([0-9a-f]{4})", lambda m: chr(int(m.group(1), 16)), line.strip()))
EOF
}
# The prefix says Windows 10 again however this ends.
trap 'winecfg -v win10 2>/dev/null; cleanup' EXIT
versions=(win7 win81)
reported=("6.1.7601" "6.3.9600")
for v in 0 1; do
  winecfg -v "${versions[v]}"
  [[ $(wine cmd /c ver | tr -d '\r') == *" ${reported[v]}"* ]] ||
    fail "wine does not report ${versions[v]}: $(wine cmd /c ver)"
  before=$(snapshot)
  status=$(wine cmd /c 'C:\cindrel-setup.exe /S & call echo %errorlevel%' | tr -d '\r' || true)
  [[ $status == 1150 ]] || fail "on ${versions[v]} the silent install ended with '$status', not 1150"
  [[ $(snapshot) == "$before" ]] || fail "on ${versions[v]} the refused install changed something"
  # Interactively, the languages shared between the two.
  i=0
  for language in $CINDREL_LANGUAGES; do
    ((i++ % 2 == v)) || continue
    (LOCPATH=$scratch/locales LANG=$language.UTF-8 WINEDEBUG=trace+msgbox \
       wine 'C:\cindrel-setup.exe' >"$scratch/box.log" 2>&1 || true) &
    box=$!
    wait_until 30 "a message box in $language on ${versions[v]}" grep -asq MSGBOX_OnInit "$scratch/box.log"
    deadline=$((SECONDS + 30))
    [[ -z ${CINDREL_INSTALLER_SHOTS:-} ]] ||
      { sleep 1; import -window root "$CINDREL_INSTALLER_SHOTS/old-windows-$language.png"; }
    # The box is the only window; it takes the focus some time after wine
    # traces it, and Return closes it.
    while kill -0 "$box" 2>/dev/null; do
      ((SECONDS < deadline)) || fail "the message box in $language on ${versions[v]} did not close"
      xdotool key Return
      sleep 0.5
    done
    wait "$box"
    [[ $(box_text "$scratch/box.log") == *"\"$CINDREL_NAME ${refusal[$language]}"* ]] ||
      fail "the refusal in $language on ${versions[v]} reads: $(box_text "$scratch/box.log")"
  done
done
winecfg -v win10
trap cleanup EXIT
log "refused on Windows 7 and 8.1 with status 1150, nothing changed, the reason shown in $CINDREL_LANGUAGES"

log "the last release, then a per-user install whose elevation is declined"
install_last_release
before=$(snapshot)
status=$(CINDREL_INSTALLER_RIGHTS=declined setup)
((status == 2)) || fail "the declined removal of the last release ended with status $status, not 2"
[[ $(snapshot) == "$before" ]] || fail "the declined removal of the last release changed something"
log "refused with status 2, nothing changed"

log "a per-user install without administrator rights over the last release"
status=$(CINDREL_INSTALLER_RIGHTS=standard setup)
((status == 0)) || fail "the per-user install over the last release ended with status $status"
[[ ! -e $(unix_of "$machine_dir") ]] || fail "files of the last release are left: $(find "$(unix_of "$machine_dir")")"
one_cindrel "$user_dir" HKCU
log "the last release removed through an elevated copy; one Cindrel, for the current user"

log "the App Paths entry"
# wine's ShellExecuteEx reads App Paths under HKLM alone (Windows reads
# HKCU's first), so "start" is tried with the all-users install below.
wine "$(unix_of "$user_dir")/Uninstall.exe" /S '_?='"$user_dir"
[[ -z $(value "HKCU\\$app_paths_key") ]] || fail "the per-user App Paths entry outlived its install"
rm -rf "$(unix_of "$user_dir")"

log "an all-users install over the last release"
install_last_release
status=$(setup /AllUsers)
((status == 0)) || fail "the all-users install over the last release ended with status $status"
one_cindrel "$machine_dir" HKLM
diff <(cd "$staged" && find . -type f | sort) <(cd "$(unix_of "$machine_dir")" && find . -type f ! -name Uninstall.exe | sort) ||
  fail "the all-users folder holds other files than the installer's"
(cd "$scratch" && wine start /wait cindrel --version) || fail "'start cindrel' does not find the program"
log "the last release replaced for all users; one Cindrel; 'start cindrel' finds it"

elevated_dir='C:\Cindrel for Everyone'
log "/AllUsers without administrator rights, into $elevated_dir"
status=$(CINDREL_INSTALLER_RIGHTS=standard setup /AllUsers "$elevated_dir")
((status == 0)) || fail "the elevated all-users install ended with status $status"
one_cindrel "$elevated_dir" HKLM
[[ ! -e $(unix_of "$machine_dir") ]] || fail "the all-users install did not move into $elevated_dir"
before=$(snapshot)
for rights in none declined; do
  status=$(CINDREL_INSTALLER_RIGHTS=$rights setup /AllUsers "$machine_dir")
  ((status == 5)) || fail "with rights '$rights' the all-users install ended with status $status, not 5"
  [[ $(snapshot) == "$before" ]] || fail "with rights '$rights' the refused all-users install changed something"
done
log "elevated once, into the folder given, status 0; still without rights or declined, status 5 and nothing changed"

log "uninstalling for all users without administrator rights"
# In place (_?=, like /D= in words), so that the status is the uninstaller's own.
read -r -a in_place <<<"_?=$elevated_dir"
for rights in none declined; do
  status=0
  CINDREL_INSTALLER_RIGHTS=$rights wine "$elevated_dir\\Uninstall.exe" /S /AllUsers "${in_place[@]}" || status=$?
  ((status == 5)) || fail "with rights '$rights' the all-users uninstall ended with status $status, not 5"
  [[ $(snapshot) == "$before" ]] || fail "with rights '$rights' the refused all-users uninstall changed something"
done
status=0
CINDREL_INSTALLER_RIGHTS=standard wine "$elevated_dir\\Uninstall.exe" /S /AllUsers "${in_place[@]}" || status=$?
((status == 0)) || fail "the elevated all-users uninstall ended with status $status"
[[ -z $(find "$(unix_of "$elevated_dir")" -type f ! -name Uninstall.exe) ]] || fail "the uninstall left files"
[[ -z $(value "HKLM\\$apps_key" InstallLocation) && -z $(value "HKLM\\$app_paths_key") ]] ||
  fail "the all-users Apps or App Paths entry outlived the uninstall"
(cd "$scratch" && wine start /wait cindrel --version >/dev/null 2>&1) && fail "'start cindrel' still finds a program"
[[ $(value "$settings_key" LastReminderDate) == 2026-01-02 ]] || fail "uninstalling lost the settings"
rm -rf "$(unix_of "$elevated_dir")"
log "uninstalled through an elevated copy, status 0; still without rights or declined, status 5 and nothing changed"
log "PASS"
