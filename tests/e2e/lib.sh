# Harness of the end-to-end tests: the real program on a private Xvfb with
# the openbox window manager, a private home, settings and runtime directory,
# a private session bus, and a stand-in xdg-open that records every URL the
# program hands to the browser instead of opening it.
#
# A test script does:
#   source "$(dirname "$0")/lib.sh"
#   e2e_init "$@"            # $1: path of the cindrel binary
#   e2e_start_app; app=$E2E_PID     # starts the program
#   win=$(e2e_wait_window "$E2E_MAIN_TITLE" "$app")
#   ...
#   e2e_pass
#
# Every wait is bounded. On any failure the exit trap prints the windows that
# exist, the program's output and the captured URLs, saves a screenshot into
# the artifacts directory, then stops everything it started and removes the
# temporary directory.

set -euo pipefail

E2E_NAME=$(basename "$0" .sh)
E2E_WAIT=${E2E_WAIT:-20}        # seconds any single wait may take
E2E_BUDGET=${E2E_BUDGET:-80}    # seconds the whole script may take
# Titles of the main and farewell windows, and of every message box.
# shellcheck disable=SC2034  # used by the test scripts
E2E_MAIN_TITLE='^Cindrel v1\.15$'
# shellcheck disable=SC2034
E2E_BOX_TITLE='^Cindrel$'

E2E_TMP=
E2E_XVFB_PID=
E2E_WM_PID=
E2E_BUS_PID=
E2E_WATCHDOG_PID=
declare -A E2E_APP_DIR=()      # program pid -> its run directory
E2E_APP_RUNS=0
E2E_PID=                       # pid of the program started last

e2e_log() { printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%T)" "$*" >&2; }

# Ends the test as failed; the exit trap diagnoses and cleans up.
e2e_fail()
{
  e2e_log "FAIL: $*"
  exit 1
}

e2e_pass()
{
  e2e_log "PASS"
  exit 0
}

# e2e_wait_until SECONDS DESCRIPTION COMMAND... : polls COMMAND until it
# succeeds; fails the test with DESCRIPTION when SECONDS pass first.
e2e_wait_until()
{
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || e2e_fail "timed out after ${seconds}s waiting for $what"
    sleep 0.1
  done
}

e2e_require_tools()
{
  local tool missing=()
  for tool in Xvfb openbox dbus-daemon xdotool wmctrl xwininfo xprop xdpyinfo import timeout; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) || e2e_fail "missing tools: ${missing[*]} (install them with: bash scripts/deps.sh)"
}

# True once the file holds at least one whole line.
e2e_file_has_line() { [[ -f $1 ]] && (($(wc -l <"$1") >= 1)); }

e2e_start_display()
{
  local fdfile=$E2E_TMP/xvfb.display
  # -displayfd picks a free display and writes its number once the server
  # accepts connections; -noreset keeps the server (and anything bound to
  # it) alive when the last client leaves.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$fdfile" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  e2e_wait_until 15 "Xvfb to report its display" e2e_file_has_line "$fdfile"
  DISPLAY=":$(head -n1 "$fdfile")"
  export DISPLAY
  e2e_wait_until 10 "display $DISPLAY to answer" xdpyinfo >/dev/null 2>&1

  # Without a window manager no window is ever activated, and the focus
  # falls to the root window whenever a modal box closes.
  openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  e2e_wait_until 10 "openbox to manage the display" wmctrl -m >/dev/null 2>&1
}

e2e_start_session_bus()
{
  local addrfile=$E2E_TMP/bus.address
  dbus-daemon --session --nofork --nopidfile --print-address=3 \
    3>"$addrfile" >"$E2E_TMP/bus.log" 2>&1 &
  E2E_BUS_PID=$!
  e2e_wait_until 10 "the session bus to start" e2e_file_has_line "$addrfile"
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$addrfile")
  export DBUS_SESSION_BUS_ADDRESS
}

# Private home, settings and runtime directory, so the program neither sees
# nor touches the user's own, and a stand-in browser first on PATH.
e2e_private_environment()
{
  export HOME=$E2E_TMP/home
  export XDG_CONFIG_HOME=$E2E_TMP/config
  export XDG_DATA_HOME=$E2E_TMP/data
  export XDG_CACHE_HOME=$E2E_TMP/cache
  export XDG_STATE_HOME=$E2E_TMP/state
  export XDG_RUNTIME_DIR=$E2E_TMP/runtime
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" \
    "$XDG_RUNTIME_DIR" "$E2E_TMP/bin"
  chmod 0700 "$XDG_RUNTIME_DIR"

  E2E_URLS=$E2E_TMP/opened-urls
  : >"$E2E_URLS"
  cat >"$E2E_TMP/bin/xdg-open" <<EOF
#!/bin/sh
# Stand-in browser: records each request, one line per call, opens nothing.
printf '%s\n' "\$*" >>'$E2E_URLS'
EOF
  chmod +x "$E2E_TMP/bin/xdg-open"
  export PATH="$E2E_TMP/bin:$PATH"

  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME QT_ACCESSIBILITY SESSION_MANAGER \
    XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION \
    GNOME_DESKTOP_SESSION_ID BROWSER DEFAULT_BROWSER
}

# e2e_init BINARY : checks the tools, sets up display, bus and directories.
e2e_init()
{
  E2E_BIN=${1:-}
  [[ -n $E2E_BIN && -x $E2E_BIN ]] || e2e_fail "usage: $0 PATH-OF-CINDREL (got '${1:-}')"
  E2E_ARTIFACTS=${CINDREL_E2E_ARTIFACTS:-$PWD/e2e-artifacts}
  mkdir -p "$E2E_ARTIFACTS"
  rm -f "$E2E_ARTIFACTS/$E2E_NAME"-*.png
  e2e_require_tools

  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/cindrel-e2e.XXXXXX")
  trap e2e_on_exit EXIT
  trap 'e2e_fail "stopped by a signal (interrupted, or the ${E2E_BUDGET}s budget is used up)"' INT TERM
  # A watchdog ends the script (through its exit trap, so nothing is left
  # behind) before CTest would have to kill it.
  (
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep "$E2E_BUDGET" &
    nap=$!
    wait "$nap"
    kill -TERM $$ 2>/dev/null
  ) >/dev/null 2>&1 &
  E2E_WATCHDOG_PID=$!

  e2e_private_environment
  e2e_start_display
  e2e_start_session_bus
  e2e_log "display $DISPLAY, temporary directory $E2E_TMP"
}

# e2e_start_app : starts the program and sets E2E_PID to its pid. Its output
# goes to a log and its exit status is recorded when it ends.
e2e_start_app()
{
  E2E_APP_RUNS=$((E2E_APP_RUNS + 1))
  local dir=$E2E_TMP/run$E2E_APP_RUNS
  mkdir -p "$dir"
  # The watching shell's own stderr is dropped, so a test that kills the
  # program on purpose prints no "Killed" notice.
  (
    set +e
    # The inner shell writes its own pid and becomes the program, so the pid
    # is the program's own (the one its windows carry).
    bash -c 'echo $$ >"$0"; exec "$@"' "$dir/pid" "$E2E_BIN" >"$dir/log" 2>&1 </dev/null
    echo $? >"$dir/status"
  ) 2>/dev/null &
  e2e_wait_until 10 "the program to start" test -s "$dir/pid"
  E2E_PID=$(<"$dir/pid")
  E2E_APP_DIR[$E2E_PID]=$dir
  e2e_log "started cindrel, pid $E2E_PID"
}

e2e_app_ended() { [[ -s ${E2E_APP_DIR[$1]}/status ]]; }

e2e_app_running() { ! e2e_app_ended "$1" && kill -0 "$1" 2>/dev/null; }

# e2e_wait_exit PID [SECONDS] : waits for the program to end; prints its status.
e2e_wait_exit()
{
  e2e_wait_until "${2:-$E2E_WAIT}" "process $1 to end" e2e_app_ended "$1"
  cat "${E2E_APP_DIR[$1]}/status"
}

e2e_app_log() { cat "${E2E_APP_DIR[$1]}/log"; }

# e2e_windows REGEX [PID] : ids of the visible windows whose title matches
# REGEX, only those of process PID when given; one per line.
e2e_windows()
{
  local regex=$1 pid=${2:-} id
  for id in $(xdotool search --onlyvisible --name "$regex" 2>/dev/null); do
    if [[ -z $pid || $(xdotool getwindowpid "$id" 2>/dev/null) == "$pid" ]]; then
      echo "$id"
    fi
  done
}

# e2e_all_windows REGEX PID : like e2e_windows, shown or not.
e2e_all_windows()
{
  local regex=$1 pid=$2 id
  for id in $(xdotool search --name "$regex" 2>/dev/null); do
    [[ $(xdotool getwindowpid "$id" 2>/dev/null) == "$pid" ]] && echo "$id"
  done
  return 0
}

e2e_has_window() { [[ -n $(e2e_windows "$@") ]]; }

# e2e_wait_window REGEX [PID] [SECONDS] : waits for a visible window whose
# title matches REGEX (of process PID when given) and prints its id.
e2e_wait_window()
{
  local regex=$1 pid=${2:-} seconds=${3:-$E2E_WAIT}
  e2e_wait_until "$seconds" "a window titled /$regex/${pid:+ of process $pid}" \
    e2e_has_window "$regex" "$pid"
  e2e_windows "$regex" "$pid" | head -n1
}

e2e_window_visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

e2e_window_gone() { ! e2e_window_visible "$1"; }

# e2e_wait_gone ID [SECONDS] : waits until the window is no longer on screen.
e2e_wait_gone()
{
  e2e_wait_until "${2:-$E2E_WAIT}" "window $1 to close" e2e_window_gone "$1"
}

e2e_active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# e2e_activate ID : makes the window the active one, so keys go to it.
e2e_activate()
{
  timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  e2e_wait_until 10 "window $1 to become active" e2e_active_is "$1"
}

# e2e_wait_active ID : waits until the window manager made the window active.
e2e_wait_active() { e2e_wait_until "${2:-$E2E_WAIT}" "window $1 to become active" e2e_active_is "$1"; }

# e2e_keys KEY... : presses keys (xdotool names, e.g. alt+q Tab Return) in the
# active window, then gives the program time to act on them (buttons pressed
# by their access key click after a short animation).
e2e_keys()
{
  local key
  for key in "$@"; do
    timeout 10 xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
}

# e2e_type TEXT : types text into the active window.
e2e_type()
{
  timeout 20 xdotool type --clearmodifiers --delay 60 -- "$1"
  sleep 0.3
}

# e2e_screenshot NAME : saves the whole screen as <artifacts>/<test>-NAME.png.
e2e_screenshot()
{
  local file=$E2E_ARTIFACTS/$E2E_NAME-$1.png
  timeout 15 import -window root "$file" && e2e_log "screenshot: $file"
}

# e2e_stacking_index ID : position of a window in the window manager's
# bottom-to-top stacking list; empty when the manager does not list it.
e2e_stacking_index()
{
  local want i=0 id
  want=$(printf '0x%x' "$1")
  for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g'); do
    if (($(printf '%d' "$id") == $1)); then
      echo "$i"
      return 0
    fi
    i=$((i + 1))
  done
  e2e_log "window $want is not in the stacking list"
}

e2e_url_count() { grep -c '' "$E2E_URLS" || true; }

# e2e_wait_urls N : waits until the stand-in browser was asked N times.
e2e_wait_urls()
{
  local n=$1
  e2e_wait_until "$E2E_WAIT" "$n URL(s) to reach the browser" test "$(e2e_url_count)" -ge "$n"
}

# e2e_settings_file : the program's per-user settings file.
e2e_settings_file() { echo "$XDG_CONFIG_HOME/Cindrel/Cindrel.conf"; }

# e2e_expect WHAT ACTUAL EXPECTED : fails unless both are equal.
e2e_expect()
{
  [[ $2 == "$3" ]] || e2e_fail "$1: expected '$3', got '$2'"
}

e2e_diagnose()
{
  set +e
  e2e_log "--- diagnosis ---"
  if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    e2e_log "managed windows (wmctrl -l -p):"
    wmctrl -l -p >&2
    e2e_log "named windows (id, pid, shown, title):"
    local id
    for id in $(xdotool search --name . 2>/dev/null); do
      printf '  %s pid=%s shown=%s %s\n' "$id" "$(xdotool getwindowpid "$id" 2>/dev/null)" \
        "$(e2e_window_visible "$id" && echo yes || echo no)" \
        "$(xdotool getwindowname "$id" 2>/dev/null)" >&2
    done
    e2e_log "active window: $(xdotool getactivewindow 2>/dev/null)"
    e2e_screenshot failure
  fi
  local pid
  for pid in "${!E2E_APP_DIR[@]}"; do
    e2e_log "output of cindrel pid $pid (status: $(cat "${E2E_APP_DIR[$pid]}/status" 2>/dev/null || echo running)):"
    tail -n 40 "${E2E_APP_DIR[$pid]}/log" >&2
  done
  if [[ -s ${E2E_URLS:-} ]]; then
    e2e_log "URLs handed to the browser:"
    cat "$E2E_URLS" >&2
  fi
}

# e2e_stop PID : ends a process this harness started and reaps it.
e2e_stop()
{
  local pid=$1
  [[ -n $pid ]] || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  local i
  for i in $(seq 30); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}

e2e_cleanup()
{
  set +e
  local pid
  for pid in "${!E2E_APP_DIR[@]}"; do
    e2e_app_ended "$pid" || kill -KILL "$pid" 2>/dev/null
  done
  local children
  children=$(jobs -p)
  e2e_stop "$E2E_WM_PID"
  e2e_stop "$E2E_BUS_PID"
  e2e_stop "$E2E_XVFB_PID"
  [[ -n $E2E_WATCHDOG_PID ]] && kill -TERM "$E2E_WATCHDOG_PID" 2>/dev/null
  for pid in $children; do
    wait "$pid" 2>/dev/null
  done
  [[ -n $E2E_TMP && -d $E2E_TMP ]] && rm -rf "$E2E_TMP"
}

e2e_on_exit()
{
  local status=$?
  trap - EXIT INT TERM
  ((status == 0)) || e2e_diagnose
  e2e_cleanup
  exit "$status"
}
