#!/usr/bin/env bash
# The Windows installer end to end under wine, on a private Xvfb with openbox:
#   scripts/windows-e2e.sh [BUILD-DIRECTORY]      (default ./build-windows)
# installs silently for the current user, with no elevation asked, and checks
# the per-user folder, the Start-menu entry and the "Apps" entry under
# HKEY_CURRENT_USER; installs again into a folder whose name has spaces and
# non-ASCII letters, which replaces the first (one Apps entry); starts the
# program and sees its main window, sees the reminder's date in the
# registry, has a second copy refused and an install over the running copy
# refused with nothing changed, closes the main window to the farewell
# window (kept on top) and that one to the end of the program; then starts
# it on a registry value of the wrong type, which must stay as it is; ends a
# run with the end of the session, which must take the program's own
# shutdown; prints (the print module loads) and saves a result as PDF,
# whose text reads back right; installs again over it in place (one Apps
# entry, settings kept); signs a second installer with throwaway keys,
# time-stamped by a service on the loopback address, installs it for all
# users beside the per-user install (Program Files, HKEY_LOCAL_MACHINE),
# checks the signature and time stamp of every program and DLL installed,
# and uninstalls it; and uninstalls the per-user install silently: the files
# and entries go, the user's settings stay. Every install holds exactly the
# files its licence notices name.
# Every wait is bounded; on failure the screen is saved as
# BUILD-DIRECTORY/e2e-windows.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-windows}")
# shellcheck source=/dev/null
source "$build/identity.sh"
installer=$build/$CINDREL_WINDOWS_PACKAGE.exe
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

install_places
user_unix=$(unix_of "$user_dir")
folder_name="$CINDREL_NAME Tést Ünïcode"
windows_dir="$user_programs\\$folder_name"
unix_dir=$(unix_of "$windows_dir")
machine_unix=$(unix_of "$machine_dir")
main_title="^${CINDREL_WINDOW_TITLE//./\\.}\$"
box_title="^$CINDREL_NAME\$"
program="$unix_dir/bin/cindrel.exe"

# apps_entry ROOT : the Apps entry under HKCU or HKLM, empty when none.
# (reg says it found none on standard output.)
apps_entry()
{
  local entry
  entry=$(wine reg query "$1\\$apps_key" 2>/dev/null) && tr -d '\r' <<<"$entry"
  return 0
}
# install_silently INSTALLER [OPTION...] [FOLDER] : a silent install; NSIS takes the
# folder as the rest of the command line after /D=, unquoted, and wine joins
# its arguments with single spaces, so the folder goes in words.
install_silently()
{
  local installer=$1
  shift
  if [[ ${!#} == ?:\\* ]]; then
    local words
    read -r -a words <<<"${!#}"
    set -- "${@:1:$#-1}" "/D=${words[0]}" "${words[@]:1}"
  fi
  wine "$installer" /S "$@"
}
# notices_names NOTICES : the paths the licence notices' list of files names
# (the lines after the heading "Files" up to the first empty line).
notices_names()
{
  awk 'f == 2 && /^$/ {exit} f == 2 {print $1} f == 1 {f = 2} prev == "Files" && /^-----$/ {f = 1} {prev = $0}' "$1"
}
# check_installed ROOT WINDOWS-FOLDER UNIX-FOLDER START-MENU-FOLDER : the
# files, the Start-menu entry and a full Apps entry of an install. The
# install folder holds exactly the files its licence notices name.
check_installed()
{
  local hive=$1 folder=$2 unix=$3 links=$4 language apps entry installed named
  [[ -f $unix/licences/notices.txt ]] || fail "the install in $folder has no licence notices"
  installed=$(cd "$unix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  named=$(notices_names "$unix/licences/notices.txt" | LC_ALL=C sort)
  [[ -n $named ]] || fail "the licence notices in $folder name no file"
  [[ -z $(LC_ALL=C comm -23 <(echo "$installed") <(echo "$named")) ]] ||
    fail "the install in $folder holds files its notices do not name: $(LC_ALL=C comm -23 <(echo "$installed") <(echo "$named") | xargs)"
  [[ -z $(LC_ALL=C comm -13 <(echo "$installed") <(echo "$named")) ]] ||
    fail "the install in $folder lacks files its notices name: $(LC_ALL=C comm -13 <(echo "$installed") <(echo "$named") | xargs)"
  for language in $CINDREL_LANGUAGES; do
    [[ -f $unix/translations/qtbase_$language.qm ]] || fail "the install in $folder lacks Qt's $language translation"
  done
  [[ -f $links/$CINDREL_NAME.lnk ]] || fail "no Start-menu entry $links/$CINDREL_NAME.lnk"
  apps=$(apps_entry "$hive")
  for entry in "DisplayName .*$CINDREL_NAME\$" "Publisher .*$CINDREL_MAKER" "DisplayVersion .*$CINDREL_VERSION" \
               "DisplayIcon .*bin.cindrel\.exe" \
               "UninstallString .*Uninstall\.exe\" /" "QuietUninstallString .*Uninstall\.exe\" /S /" \
               "EstimatedSize .*REG_DWORD    0x[0-9a-f]\{4,\}" "URLInfoAbout .*https://" \
               "NoModify .*REG_DWORD    0x1" "NoRepair .*REG_DWORD    0x1"; do
    LC_ALL=C grep -q "$entry" <<<"$apps" || fail "the Apps entry under $hive lacks $entry: $apps"
  done
  # reg prints in the console's code page, 437.
  LC_ALL=C grep -qxF "    InstallLocation    REG_SZ    $(iconv -f UTF-8 -t CP437 <<<"$folder")" <<<"$apps" ||
    fail "the Apps entry under $hive does not name $folder: $apps"
}

# A clean start: no earlier install of either scope, no settings.
rm -rf "$user_unix" "$unix_dir" "$machine_unix" "$user_links/$CINDREL_NAME.lnk" "$machine_links/$CINDREL_NAME.lnk"
for hive in HKCU HKLM; do
  wine reg delete "$hive\\$apps_key" /f >/dev/null 2>&1 || true
done
wine reg delete "HKCU\\Software\\$CINDREL_MAKER\\$CINDREL_NAME" /f >/dev/null 2>&1 || true
# The program's passed-over failures and the guard's decisions, on stderr.
wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /d 'cindrel.*.debug=true' /f >/dev/null

log "installing silently for the current user"
LC_ALL=C grep -aq 'requestedExecutionLevel level="asInvoker"' "$installer" ||
  fail "the installer's manifest does not run it as the invoking user"
install_silently "$installer"
check_installed HKCU "$user_dir" "$user_unix" "$user_links"
[[ -z $(apps_entry HKLM) ]] || fail "a per-user install wrote an Apps entry for all users"
log "installed for the current user: $user_dir, Start-menu and Apps entries under HKCU, no elevation asked"

log "installing again, into $windows_dir"
install_silently "$installer" "$windows_dir"
check_installed HKCU "$windows_dir" "$unix_dir" "$user_links"
[[ ! -e $user_unix ]] || fail "the earlier install in $user_dir was left behind"
log "the install moved into the folder with spaces and non-ASCII letters; one Apps entry, every file named in the notices"

# stored_date: the type and text of the stored LastReminderDate.
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

log "installing over the running program"
before=$(md5sum "$program" "$unix_dir/Uninstall.exe"; apps_entry HKCU)
status=0
install_silently "$installer" || status=$?
((status != 0)) || fail "the installer replaced a running program and said it succeeded"
[[ $(md5sum "$program" "$unix_dir/Uninstall.exe"; apps_entry HKCU) == "$before" ]] ||
  fail "the refused install changed the installed files or the Apps entry"
kill -0 "$first" 2>/dev/null || fail "the refused install ended the running program"
log "refused with status $status, nothing changed"

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

log "printing and saving a result as PDF"
# The installed program finds its print module beside it and loads it once
# its stamp is found in the file (the log says so), and saves a result
# through the save dialog to a PDF whose text reads back right. Ann, 42,
# Female; the answers score 1+1+1+0+0+1 = 4. Start leaves the focus in the
# answer list.
keys() { local key; for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.3; done; }
pdf_unix=$WINEPREFIX/drive_c/cindrel-e2e/result.pdf
rm -rf "$(dirname "$pdf_unix")" && mkdir -p "$(dirname "$pdf_unix")"
wine "$program" >"$out" 2>&1 &
fifth=$!
wait_until 40 "the main window" titled_up "$main_title"
main=$(windows_titled "$main_title" | head -n 1)
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool type --clearmodifiers --delay 60 -- "Ann Example"
keys Tab
xdotool type --clearmodifiers --delay 60 -- 42
keys Tab Down alt+t
for downs in 1 2 0 1 1 0; do
  for ((i = 0; i < downs; i++)); do keys Down; done
  keys alt+q
done
keys ctrl+p
wait_until 20 "the print module to load" grep -q "Print module loaded from .*cindrel-print.dll" "$out"
# wine has no printer, and Windows' print dialog needs one: the program
# says so in its message box instead of the dialog.
wait_until 20 "the box saying there is no printer" titled_up "$box_title"
[[ -n ${CINDREL_E2E_SHOTS:-} ]] && import -window root "$CINDREL_E2E_SHOTS/no-printer.png"
xdotool windowactivate --sync "$(windows_titled "$box_title" | head -n 1)" key Return 2>/dev/null || true
wait_until 20 "the box to close" titled_gone "$box_title"
xdotool windowactivate --sync "$main" 2>/dev/null || true
keys ctrl+s
wait_until 20 "the save dialog" titled_up '^Save Result as PDF$'
xdotool windowactivate --sync "$(windows_titled '^Save Result as PDF$' | head -n 1)" 2>/dev/null || true
# The file name box holds the suggested name: selected whole, typed over.
keys End shift+Home
xdotool type --clearmodifiers --delay 60 -- 'C:\cindrel-e2e\result.pdf'
keys Return
wait_until 20 "the saved PDF" test -s "$pdf_unix"
text=$(pdftotext -layout "$pdf_unix" - | tr -s ' ')
for line in "Name: Ann Example" "Age: 42" "Sex: Female" "Total score 4 of 10" \
            "You are slightly dependent on nicotine" "$CINDREL_NAME version $CINDREL_VERSION"; do
  grep -qxF -- "$line" <<<"$text" || fail "the saved PDF has no line '$line'; its lines: $text"
done
[[ $(pdfinfo "$pdf_unix" | awk '/^Pages:/ {print $2}') == 1 ]] || fail "the saved PDF is not one page"
wmctrl -i -c "$(printf '0x%08x' "$main")"
wait_until 20 "the farewell window" farewell_up
wmctrl -i -c "$(printf '0x%08x' "$(windows_titled "$main_title" | head -n 1)")"
wait_until 20 "the program to end" bash -c "! kill -0 $fifth 2>/dev/null"
rm -rf "$(dirname "$pdf_unix")"
log "the print module loaded; the saved PDF reads back right, on one page"

log "installing over the installed program in place"
install_silently "$installer"
check_installed HKCU "$windows_dir" "$unix_dir" "$user_links"
[[ ! -e $user_unix ]] || fail "the upgrade did not go in place"
[[ $(stored_date) == "REG_SZ $today" ]] || fail "installing again lost the settings: '$(stored_date)'"
log "replaced in place: one Apps entry, LastReminderDate kept"

log "signing with throwaway keys, time-stamped by a service on the loopback address"
keys=$(mktemp -d)
tsa=
trap '[[ -z $tsa ]] || kill "$tsa" 2>/dev/null; rm -rf "$keys"; cleanup' EXIT
# A throwaway authority issues the signing certificate and the time-stamping
# service's (with the critical extended key usage timeStamping); the key
# file carries the authority's certificate beside its own, as one from a
# real authority carries its chain. legacy.p12 is the same key encrypted
# as older tools export it (RC2, 3DES).
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$CINDREL_MAKER (test authority)" \
  -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign \
  -keyout "$keys/ca.key" -out "$keys/ca.pem" 2>/dev/null
# issue NAME SUBJECT EXTENDED-KEY-USAGE : NAME.key and NAME.pem, issued by the authority.
issue()
{
  openssl req -newkey rsa:2048 -nodes -subj "/CN=$2" -keyout "$keys/$1.key" -out "$keys/$1.csr" 2>/dev/null
  openssl x509 -req -in "$keys/$1.csr" -CA "$keys/ca.pem" -CAkey "$keys/ca.key" -days 2 -out "$keys/$1.pem" \
    -extfile <(printf 'extendedKeyUsage=%s\nkeyUsage=critical,digitalSignature\n' "$3") 2>/dev/null
}
issue signer "$CINDREL_MAKER (test)" codeSigning
issue tsa "$CINDREL_MAKER (test time stamps)" critical,timeStamping
head -c 24 /dev/urandom | base64 >"$keys/password"
echo wrong >"$keys/wrong"
openssl pkcs12 -export -inkey "$keys/signer.key" -in "$keys/signer.pem" -certfile "$keys/ca.pem" \
  -out "$keys/key.p12" -passout "file:$keys/password"
openssl pkcs12 -export -legacy -inkey "$keys/signer.key" -in "$keys/signer.pem" -certfile "$keys/ca.pem" \
  -out "$keys/legacy.p12" -passout "file:$keys/password"
python3 "$root/scripts/timestamp-authority.py" "$keys" &
tsa=$!
wait_until 20 "the time-stamping service" test -f "$keys/url"
export CINDREL_SIGN_TIMESTAMP_URL
CINDREL_SIGN_TIMESTAMP_URL=$(cat "$keys/url")
# verify FILE : its signature and its time stamp verify against the authority.
verify()
{
  if ! { osslsigncode verify -CAfile "$keys/ca.pem" -TSA-CAfile "$keys/ca.pem" -in "$1" >"$keys/verify.log" 2>&1 &&
         grep -q '^Signature verification: ok' "$keys/verify.log" &&
         grep -q '^Timestamp Server Signature verification: ok' "$keys/verify.log"; }; then
    cat "$keys/verify.log" >&2
    fail "the signature or time stamp of $1 does not verify"
  fi
}
# Each key and password, and what signing with them does: fail in one line
# and leave the file as it was, or sign it.
while read -r key password outcome; do
  cp "$program" "$keys/unsigned.exe"
  status=0
  message=$(CINDREL_SIGN_PKCS12=$keys/$key CINDREL_SIGN_PASSWORD_FILE=$keys/$password \
            bash "$root/scripts/windows-sign.sh" "$keys/unsigned.exe" 2>&1) || status=$?
  if [[ $outcome == signs ]]; then
    ((status == 0)) || fail "signing with $key and $password failed: $message"
    verify "$keys/unsigned.exe"
    continue
  fi
  ((status != 0)) || fail "signing with $key and $password succeeded"
  (($(wc -l <<<"$message") == 1)) || fail "signing with $key and $password failed in more than one line: $message"
  { cmp -s "$program" "$keys/unsigned.exe" && [[ ! -e $keys/unsigned.exe.signing ]]; } ||
    fail "a failed signing left a changed or half-signed file"
done <<'KEYS'
key.p12 wrong fails
missing.p12 password fails
legacy.p12 wrong fails
legacy.p12 password signs
KEYS
(cd "$build" && CINDREL_SIGN_PKCS12=$keys/key.p12 CINDREL_SIGN_PASSWORD_FILE=$keys/password \
   cpack -G NSIS -B "$keys/package" >"$keys/cpack.log" 2>&1) || { cat "$keys/cpack.log" >&2; fail "packing a signed installer failed"; }
signed=$keys/package/$(basename "$installer")
verify "$signed"
log "a wrong password and a missing key fail in one line, an older key signs; the installer is signed and time-stamped"

log "installing the signed installer for all users, beside the per-user install"
install_silently "$signed" /AllUsers
check_installed HKLM "$machine_dir" "$machine_unix" "$machine_links"
# Every program and DLL installed, the uninstaller too, is signed and time-stamped.
binaries=0
while IFS= read -r -d '' file; do
  verify "$file"
  binaries=$((binaries + 1))
done < <(find "$machine_unix" -type f \( -iname '*.exe' -o -iname '*.dll' -o -iname '*.com' \) -print0)
kill "$tsa"
tsa=
unset CINDREL_SIGN_TIMESTAMP_URL
check_installed HKCU "$windows_dir" "$unix_dir" "$user_links"
log "installed for all users in $machine_dir (HKLM), its $binaries programs and DLLs signed and time-stamped; the per-user install stays"
wine "$machine_unix/Uninstall.exe" /S /AllUsers
# The folder goes last.
wait_until 60 "the all-users uninstall" test ! -e "$machine_unix"
[[ -z $(apps_entry HKLM) ]] || fail "the all-users Apps entry outlived the uninstall"
[[ ! -e $machine_links/$CINDREL_NAME.lnk ]] || fail "the all-users Start-menu entry outlived the uninstall"
check_installed HKCU "$windows_dir" "$unix_dir" "$user_links"
log "uninstalled for all users; the per-user install stays whole"

log "uninstalling silently"
wine "$unix_dir/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once.
wait_until 60 "the uninstaller to remove the program" test ! -e "$program"
wait_until 30 "the install folder to go" test ! -e "$unix_dir"
[[ $(stored_date) == "REG_SZ $today" ]] || fail "uninstalling lost the settings: '$(stored_date)'"
[[ -z $(apps_entry HKCU) ]] || fail "the Apps entry outlived the uninstall"
[[ ! -e $user_links/$CINDREL_NAME.lnk ]] || fail "the Start-menu entry outlived the uninstall"
log "uninstalled: files, Start-menu and Apps entries gone, LastReminderDate kept"
log "PASS"
