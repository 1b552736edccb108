#!/usr/bin/env bash
# Screenshots of every window of the program at 100% and at 200% scale, to
# look for clipped, overlapping or unreadable text, and of the result step
# with a score in each of the five levels at 100%, 150% and 200%:
#   scripts/screenshots.sh [PATH-OF-CINDREL] [OUTPUT-DIRECTORY]
# writes OUTPUT-DIRECTORY/100/*.png, OUTPUT-DIRECTORY/200/*.png and
# OUTPUT-DIRECTORY/results/*.png (default ./build/src/cindrel and ./shots). Runs on a private Xvfb with openbox, a
# private home and settings, an accessibility bus (to learn which banner
# label is in front) and a stand-in browser that opens nothing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${1:-$root/build/src/cindrel}")
out=$(realpath -m "${2:-$root/shots}")
[[ -x $bin ]] || { echo "screenshots: no program at $bin" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/cindrel-shots.XXXXXX")
started=()   # pids this script started, stopped in reverse order
app=

log() { printf '[screenshots] %s\n' "$*" >&2; }

cleanup()
{
  set +e
  [[ -n $app ]] && kill -KILL "$app" 2>/dev/null
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill -TERM "${started[i]}" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# until_true SECONDS WHAT COMMAND... : polls COMMAND; gives up after SECONDS.
until_true()
{
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || { log "timed out waiting for $what"; exit 1; }
    sleep 0.1
  done
}

has_line() { [[ -s $1 ]]; }

# A black root window, so that trimming a screenshot leaves the windows.
Xvfb -displayfd 3 -screen 0 2600x1700x24 -br -nolisten tcp -noreset 3>"$tmp/display" \
  >"$tmp/xvfb.log" 2>&1 &
started+=($!)
until_true 15 "Xvfb" has_line "$tmp/display"
DISPLAY=":$(head -n1 "$tmp/display")"
export DISPLAY

export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$tmp/bin"
chmod 0700 "$XDG_RUNTIME_DIR"
printf '#!/bin/sh\nexit 0\n' >"$tmp/bin/xdg-open"
chmod +x "$tmp/bin/xdg-open"
export PATH="$tmp/bin:$PATH" LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME SESSION_MANAGER XDG_CURRENT_DESKTOP

openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
started+=($!)
until_true 10 "openbox" eval "wmctrl -m >/dev/null 2>&1"

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$tmp/bus" >/dev/null 2>&1 &
started+=($!)
until_true 10 "the session bus" has_line "$tmp/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$tmp/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
started+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

two_windows() { (($(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l) >= 2)); }
visible() { [[ -n $(xdotool search --onlyvisible --name "$1" 2>/dev/null) ]]; }
gone() { ! visible "$1"; }

# window TITLE-REGEX : waits for a shown window and prints its id.
window()
{
  until_true 20 "a window /$1/" visible "$1"
  xdotool search --onlyvisible --name "$1" | head -n1
}

activate()
{
  timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  sleep 0.3
}

keys()
{
  local key
  for key in "$@"; do
    timeout 10 xdotool key --clearmodifiers "$key"
    sleep 0.4
  done
}

type_text() { timeout 20 xdotool type --clearmodifiers --delay 40 -- "$1"; sleep 0.3; }

# shoot NAME : the screen, trimmed to the windows on it.
shoot()
{
  sleep 0.6
  timeout 15 import -window root "$tmp/screen.png"
  convert "$tmp/screen.png" -trim +repage "$dir/$1.png"
  log "$dir/$1.png"
}

# banner : which promotional label is in front, as the accessibility bus
# reads it ("cobrand" or "fullbrand").
banner()
{
  timeout 20 /usr/bin/python3 - "$app" <<'EOF'
import sys, time, pyatspi
pid = int(sys.argv[1])
def walk(a):
    yield a
    for i in range(a.childCount):
        c = a.getChildAtIndex(i)
        if c is not None:
            yield from walk(c)
for attempt in range(50):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.get_process_id() != pid:
            continue
        for a in walk(app):
            if a.getRoleName() == "link" and a.getState().contains(pyatspi.STATE_SHOWING):
                if a.name.startswith("Co-brand"):
                    sys.exit(print("cobrand"))
                if a.name.startswith("Home Business"):
                    sys.exit(print("fullbrand"))
    time.sleep(0.2)
sys.exit("no banner label found")
EOF
}

start_app()
{
  "$bin" >"$tmp/app.log" 2>&1 &
  app=$!
}

end_app()
{
  local main farewell
  main=$(window '^Cindrel v1\.15$')
  activate "$main"
  keys alt+f x
  until_true 10 "the main window to close" gone_id "$main"
  farewell=$(window '^Cindrel v1\.15$')
  activate "$farewell"
  keys alt+x
  until_true 10 "the program to end" ended
  app=
}

gone_id() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
ended() { ! kill -0 "$app" 2>/dev/null; }

# steps LABEL : the three steps of the main window, named after the banner
# label in front.
steps()
{
  local label=$1 main
  main=$(window '^Cindrel v1\.15$')
  activate "$main"
  shoot "main-1-personal-details-$label"
  type_text "Ann Example"
  keys Tab
  type_text 42
  keys alt+t
  shoot "main-2-question-1-$label"
  keys alt+q alt+q alt+q alt+q alt+q
  shoot "main-2-question-6-$label"
  keys alt+q
  shoot "main-3-result-$label"
  keys alt+m
}

for scale in 1 2; do
  dir=$out/${scale}00
  mkdir -p "$dir"
  rm -f "$dir"/*.png
  export QT_SCALE_FACTOR=$scale
  log "scale $scale"

  # A reminder date 15 days back brings the update reminder first.
  mkdir -p "$XDG_CONFIG_HOME/Cindrel"
  printf '[Settings]\nLastReminderDate=%s\n' "$(date -d '15 days ago' +%F)" \
    >"$XDG_CONFIG_HOME/Cindrel/Cindrel.conf"
  start_app
  box=$(window '^Cindrel$')
  activate "$box"
  shoot update-reminder
  keys Escape
  main=$(window '^Cindrel v1\.15$')
  activate "$main"
  first=$(banner)

  # The start button with no name gives a critical box.
  keys alt+t
  box=$(window '^Cindrel$')
  shoot critical-box
  activate "$box"
  keys Return
  activate "$main"

  keys alt+f
  shoot menu-file
  keys Escape Escape
  keys alt+h
  shoot menu-help
  keys Escape Escape
  keys alt+h a
  # The About window bears the main window's title.
  until_true 10 "the About window" two_windows '^Cindrel v1\.15$'
  shoot about
  keys Escape
  activate "$main"

  steps "$first"
  wmctrl -c 'Cindrel v1.15'
  sleep 1
  farewell=$(window '^Cindrel v1\.15$')
  activate "$farewell"
  shoot farewell
  keys alt+x
  until_true 10 "the program to end" ended
  app=

  # Start again until the other banner label comes to the front.
  for _ in $(seq 12); do
    start_app
    window '^Cindrel v1\.15$' >/dev/null
    now=$(banner)
    if [[ $now != "$first" ]]; then
      steps "$now"
      end_app
      break
    fi
    end_app
  done
done
# The result step for a score in each level: per question, how many times
# Down moves off the preselected answer (Start leaves the focus in the list).
declare -A picks=([0]="0 3 1 1 1 1" [3]="3 3 1 1 1 1" [5]="2 2 0 1 0 1" [7]="0 0 0 0 0 0"
                  [10]="3 0 0 0 0 0")
dir=$out/results
mkdir -p "$dir"
rm -f "$dir"/*.png
declare -A percent=([1]=100 [1.5]=150 [2]=200)
for scale in 1 1.5 2; do
  export QT_SCALE_FACTOR=$scale
  for score in 0 3 5 7 10; do
    start_app
    main=$(window '^Cindrel v1\.15$')
    activate "$main"
    type_text "Ann Example"
    keys Tab
    type_text 42
    keys alt+t
    for downs in ${picks[$score]}; do
      for ((i = 0; i < downs; i++)); do keys Down; done
      keys alt+q
    done
    shoot "result-$score-at-${percent[$scale]}"
    end_app
  done
done
log "done: $out"
