# shellcheck shell=bash
# The wine side of the Windows build's tests, sourced by scripts/windows.sh,
# scripts/windows-e2e.sh, scripts/windows-installer.sh,
# scripts/windows-console.sh and scripts/screenshots.sh:
#   wine_init         the 64-bit wine prefix, made once and kept outside the
#                     checkout ($CINDREL_WINEPREFIX, default
#                     ~/.cache/cindrel/wine), set to Windows 10, with Debian's
#                     free fonts for the Windows fonts the program asks for;
#                     held by this script alone until it ends
#   wine_display      a private Xvfb with openbox; wine needs a display even
#                     for Qt's offscreen platform
#   wine_stop         stops what these started
#   wait_until        waits for a condition, or fails through the caller's fail
#   install_places    names the places an install of the program takes
#   windows_titled    the windows on screen with a title
# wine passes no QT_* variable of the environment on to Windows programs, so
# the prefix's own environment (HKCU\Environment) holds the one the tests
# need: QT_FORCE_STDERR_LOGGING, so that Qt logs to standard error rather
# than to the Windows debug log.

WINE_XVFB_PID=
WINE_WM_PID=

wine_init()
{
  export WINEPREFIX=${CINDREL_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/cindrel/wine}
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko: the prefix is made without asking to download them.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Unix file names and arguments are UTF-8, also for wine.
  export LANG=C.UTF-8
  # One script at a time in a prefix: each ends the prefix's wine server when
  # it is done (wine_stop), which ends at once, without a word, every program
  # another script still runs there. A second script waits for the first.
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec {WINE_LOCK_FD}>>"$WINEPREFIX.lock"
  if ! flock -n "$WINE_LOCK_FD"; then
    echo "wine: waiting for another script to finish with $WINEPREFIX" >&2
    flock -w 1800 "$WINE_LOCK_FD" || { echo "wine: $WINEPREFIX stayed in use" >&2; return 1; }
  fi
  if [[ -f $WINEPREFIX/.cindrel-ready ]]; then
    wine_windows_10
    return
  fi
  echo "wine: making the prefix $WINEPREFIX" >&2
  wineboot --init >/dev/null 2>&1
  wineserver --wait
  wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
  # The program's Verdana and Windows' dialog fonts are not free: wine
  # draws them with DejaVu (fonts-dejavu-core), copied into the prefix.
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  local font
  for font in Verdana Tahoma Arial "Segoe UI" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d "DejaVu Sans" /f >/dev/null
  done
  wineserver --wait
  wine_windows_10
  touch "$WINEPREFIX/.cindrel-ready"
}

# wine_windows_10 : the prefix says Windows 10 (wine's is version 1903), as
# the program and its installer need; a new wine 8 prefix says Windows 7.
wine_windows_10()
{
  grep -q '^"CurrentMajorVersionNumber"=dword:0000000a' "$WINEPREFIX/system.reg" && return
  winecfg -v win10
  wineserver --wait
}

# wine_display [WIDTHxHEIGHTxDEPTH] : starts Xvfb on a free display, and
# openbox on it, and exports DISPLAY.
wine_display()
{
  local screen=${1:-1280x1024x24} fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  WINE_XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || { echo "wine: Xvfb did not start" >&2; rm -f "$fifo"; return 1; }
  rm -f "$fifo"
  export DISPLAY=:$number
  unset WAYLAND_DISPLAY
  openbox >/dev/null 2>&1 &
  WINE_WM_PID=$!
}

wine_stop()
{
  wineserver --kill 2>/dev/null || true
  local pid
  for pid in $WINE_WM_PID $WINE_XVFB_PID; do
    kill "$pid" 2>/dev/null || true
  done
  WINE_WM_PID=''
  WINE_XVFB_PID=
}

# wine_path UNIX-PATH... : the paths as Windows sees them, joined by ';'.
wine_path()
{
  local path joined=
  for path in "$@"; do
    joined+="${joined:+;}Z:${path//\//\\}"
  done
  printf '%s' "$joined"
}

# wait_until SECONDS DESCRIPTION COMMAND... : runs COMMAND until it succeeds;
# after SECONDS, calls the sourcing script's fail with what it waited for.
wait_until()
{
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || fail "timed out waiting for $what"
    sleep 0.2
  done
}

# install_places : names, for the tests, the places an install of the program
# takes in the prefix (CINDREL_NAME and CINDREL_MAKER set from the identity):
#   user_programs, user_dir, machine_dir   the user's Programs folder, the
#       per-user and the all-users default folders, as Windows writes them;
#   user_links, machine_links   the Programs folders of the user's and of the
#       all-users Start menu, as Unix paths;
#   uninstall_keys, apps_key, app_paths_key   keys under HKCU or HKLM after
#       the scope: the Apps entries, the program's own (its key is the product
#       code package managers know it by), its App Paths entry;
#   settings_key   the program's settings, with their hive.
# shellcheck disable=SC2034 # the sourcing scripts read them
install_places()
{
  local user=${USER:-$(id -un)}
  user_programs="C:\\users\\$user\\AppData\\Local\\Programs"
  user_dir="$user_programs\\$CINDREL_NAME"
  machine_dir="C:\\Program Files\\$CINDREL_NAME"
  user_links="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
  machine_links="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
  uninstall_keys='Software\Microsoft\Windows\CurrentVersion\Uninstall'
  apps_key="$uninstall_keys\\$CINDREL_NAME"
  app_paths_key='Software\Microsoft\Windows\CurrentVersion\App Paths\cindrel.exe'
  settings_key="HKCU\\Software\\$CINDREL_MAKER\\$CINDREL_NAME\\Settings"
}

# unix_of WINDOWS-PATH : a path on the prefix's drive C: as a Unix path.
unix_of()
{
  local path=${1#C:\\}
  printf '%s/%s' "$WINEPREFIX/drive_c" "${path//\\//}"
}

# windows_titled TITLE-REGEX : the ids of the windows on screen whose title
# matches. (xdotool's --onlyvisible misses wine's windows under openbox, so
# the map state is asked of each.)
windows_titled()
{
  local id
  for id in $(xdotool search --name "$1" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
  done
  return 0
}
