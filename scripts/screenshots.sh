#!/usr/bin/env bash
# shellcheck disable=SC2317  # the passes' functions are called as ${pass}_...
# Screenshots of every window of the program, to look for clipped,
# overlapping or unreadable text and blurred icons:
#   scripts/screenshots.sh [BUILD-DIRECTORY] [OUTPUT-DIRECTORY]
# (default ./build and ./shots) writes, each picture trimmed to the windows
# on it,
#   OUTPUT-DIRECTORY/100, /150, /200   under X11 at 100%, 150% and 200% scale
#   OUTPUT-DIRECTORY/wayland-100       under Wayland at 100%
#   OUTPUT-DIRECTORY/results           under X11, the result step with a
#                                      score in each level at each scale
#   OUTPUT-DIRECTORY/wine              the Windows build (build-windows) under
#                                      wine, when it has been built
# and the whole screens beside them in OUTPUT-DIRECTORY/screens. It runs on
# the end-to-end harness (tests/e2e/lib.sh and wayland.sh): a private Xvfb
# with openbox, driven by keys, then a headless weston, driven over the
# accessibility bus, with a private home and settings and a stand-in browser.
# Under Wayland the menus are not opened: a menu is a popup, which Qt's
# Wayland plugin cannot show on a compositor without input devices.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if [[ ${1:-} == --wine ]]; then
  # The Windows program under wine, on a private Xvfb with openbox, driven
  # by keys; settings in the wine prefix's registry.
  build=$2 out=$3/wine
  mkdir -p "$out"
  # shellcheck source=scripts/wine.sh
  source "$root/scripts/wine.sh"
  # shellcheck source=/dev/null
  source "$build/identity.sh"
  wine_init
  wine_display 1600x1200x24
  trap wine_stop EXIT
  qt_prefix=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$build/CMakeCache.txt")
  gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  WINEPATH=$(wine_path "$qt_prefix/bin" "$gcc_runtime" /usr/x86_64-w64-mingw32/lib)
  export WINEPATH
  wineserver --persistent
  main_title="^${CINDREL_WINDOW_TITLE//./\\.}\$"
  box_title="^$CINDREL_NAME\$"
  window() # TITLE-REGEX: waits up to 30 s for a visible window so titled, prints the newest
  {
    local id tries=150
    until id=$(for w in $(xdotool search --name "$1" 2>/dev/null); do
                 xwininfo -id "$w" | grep -q 'Map State: IsViewable' && echo "$w"; done | tail -n 1) &&
          [[ -n $id ]]; do
      ((--tries > 0)) || { echo "screenshots: no window $1" >&2; exit 1; }
      sleep 0.2
    done
    echo "$id"
  }
  shoot() # NAME
  {
    sleep 1
    import -window root "$out/screen-$1.png"
    convert "$out/screen-$1.png" -trim +repage "$out/$1.png"
    rm -f "$out/screen-$1.png"
  }
  keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
  settings_key="HKCU\\Software\\$CINDREL_MAKER\\$CINDREL_NAME\\Settings"
  wine reg add "$settings_key" /v LastReminderDate /d "$(date -d '15 days ago' +%F)" /f >/dev/null
  wine "$build/src/cindrel.exe" >/dev/null 2>&1 &
  app=$!
  xdotool windowactivate --sync "$(window "$box_title")"
  shoot update-reminder
  keys Escape
  main=$(window "$main_title")
  xdotool windowactivate --sync "$main"
  shoot main-1-personal-details
  wine "$build/src/cindrel.exe" >/dev/null 2>&1 &
  second=$!
  xdotool windowactivate --sync "$(window "$box_title")"
  shoot already-running
  keys Return
  wait "$second" || true
  xdotool windowactivate --sync "$main"
  xdotool type --delay 60 "Ann Example"
  keys Tab
  xdotool type --delay 60 42
  keys alt+t
  shoot main-2-question-1
  keys alt+q alt+q alt+q alt+q alt+q alt+q
  shoot main-3-result
  keys alt+h a
  sleep 1
  shoot about
  keys Escape
  xdotool windowactivate --sync "$main"
  keys alt+f x
  sleep 1
  xdotool windowactivate --sync "$(window "$main_title")"
  shoot farewell
  keys alt+x
  wait "$app" || true
  echo "[screenshots] wine: $out" >&2
  exit 0
elif [[ ${1:-} == --x11 || ${1:-} == --wayland ]]; then
  pass=${1#--}
  shift
else
  build=$(realpath "${1:-$root/build}")
  out=$(realpath -m "${2:-$root/shots}")
  [[ -x $build/src/cindrel && -f $build/identity.sh ]] ||
    { echo "screenshots: no built program in $build (build it first)" >&2; exit 1; }
  # One harness per display, each in its own process.
  bash "$0" --x11 "$build" "$out"
  bash "$0" --wayland "$build" "$out"
  if [[ -f $root/build-windows/src/cindrel.exe ]]; then
    bash "$0" --wine "$root/build-windows" "$out"
  fi
  echo "[screenshots] done: $out" >&2
  exit 0
fi

build=$1 out=$2
export CINDREL_IDENTITY=$build/identity.sh CINDREL_E2E_ARTIFACTS=$out/screens
export E2E_BUDGET=900 E2E_SCREEN=2600x1700x24
if [[ $pass == wayland ]]; then
  # shellcheck source=tests/e2e/wayland.sh
  source "$root/tests/e2e/wayland.sh"
  E2E_NAME=wayland
else
  # shellcheck source=tests/e2e/lib.sh
  source "$root/tests/e2e/lib.sh"
  E2E_NAME=x11
fi
e2e_init "$build/src/cindrel"
e2e_start_a11y

# shoot NAME [DIRECTORY] : the screen as DIRECTORY/NAME.png (default the
# scale's), trimmed to the windows on it.
shoot()
{
  sleep 0.6
  e2e_screenshot "$scale-$1"
  convert "$E2E_ARTIFACTS/$E2E_NAME-$scale-$1.png" -trim +repage "${2:-$dir}/$1.png"
}

# plant_reminder : a reminder date 15 days back brings the update reminder.
plant_reminder()
{
  mkdir -p "$(dirname "$(e2e_settings_file)")"
  printf '[Settings]\nLastReminderDate=%s\n' "$(date -d '15 days ago' +%F)" >"$(e2e_settings_file)"
}

# --- X11: keys through xdotool ------------------------------------------------

x11_main() { e2e_wait_window "$E2E_MAIN_TITLE" "$E2E_PID"; }

x11_two_main_titles() { (($(e2e_windows "$E2E_MAIN_TITLE" "$E2E_PID" | wc -l) >= 2)); }

# x11_steps LABEL : the three steps of the main window, named after the
# banner label in front.
x11_steps()
{
  local main
  main=$(x11_main)
  e2e_activate "$main"
  shoot "main-1-personal-details-$1"
  e2e_type "Ann Example"
  e2e_keys Tab
  e2e_type 42
  e2e_keys alt+t
  shoot "main-2-question-1-$1"
  e2e_keys alt+q alt+q alt+q alt+q alt+q
  shoot "main-2-question-6-$1"
  e2e_keys alt+q
  shoot "main-3-result-$1"
  e2e_keys alt+m
}

x11_end()
{
  local main farewell
  main=$(x11_main)
  e2e_activate "$main"
  e2e_keys alt+f x
  e2e_wait_gone "$main"
  farewell=$(x11_main)
  e2e_activate "$farewell"
  if [[ -n ${1:-} ]]; then
    shoot "$1"
    e2e_keys shift+Tab
    shoot "$1-focus-link"
  fi
  e2e_keys alt+x
  e2e_wait_exit "$E2E_PID" >/dev/null
}

x11_pass()
{
  local box main
  plant_reminder
  e2e_start_app
  box=$(e2e_wait_window "$E2E_BOX_TITLE" "$E2E_PID")
  e2e_activate "$box"
  shoot update-reminder
  e2e_keys Escape
  main=$(x11_main)
  e2e_activate "$main"
  first=$(e2e_probe_read banner)

  # The start button with no name gives a critical box.
  e2e_keys alt+t
  box=$(e2e_wait_window "$E2E_BOX_TITLE" "$E2E_PID")
  shoot critical-box
  e2e_activate "$box"
  e2e_keys Return
  e2e_activate "$main"
  # Tab from the name field to the forum link, the banner and round again.
  e2e_keys Tab Tab Tab Tab
  shoot main-focus-forum-link
  e2e_keys Tab
  shoot main-focus-banner-link
  e2e_keys Tab

  e2e_keys alt+f
  shoot menu-file
  e2e_keys Escape Escape alt+h
  shoot menu-help
  e2e_keys Escape Escape alt+h a
  # The About window bears the main window's title.
  e2e_wait_until "$E2E_WAIT" "the About window" x11_two_main_titles
  shoot about
  e2e_keys Tab
  shoot about-focus-link
  e2e_keys Escape

  x11_steps "$first"
  x11_end farewell
}

# x11_results : the result step for a score in each level. Per question, how
# many times Down moves off the preselected answer (starting the test leaves
# the focus in the list).
x11_results()
{
  local -A picks=([0]="0 3 1 1 1 1" [3]="3 3 1 1 1 1" [5]="2 2 0 1 0 1" [7]="0 0 0 0 0 0"
                  [10]="3 0 0 0 0 0")
  local score downs i
  for score in 0 3 5 7 10; do
    e2e_start_app
    e2e_activate "$(x11_main)"
    e2e_type "Ann Example"
    e2e_keys Tab
    e2e_type 42
    e2e_keys alt+t
    for downs in ${picks[$score]}; do
      for ((i = 0; i < downs; i++)); do e2e_keys Down; done
      e2e_keys alt+q
    done
    shoot "result-$score-at-$scale" "$out/results"
    x11_end
  done
}

# --- Wayland: the accessibility bus --------------------------------------------

# wayland_steps LABEL : as x11_steps.
wayland_steps()
{
  e2e_probe main
  shoot "main-1-personal-details-$1"
  e2e_probe set-text "Enter Name" "Ann Example"
  e2e_probe set-text "Enter Age" 42
  e2e_probe press "Take the Nicotine Dependency Test"
  shoot "main-2-question-1-$1"
  for _ in 1 2 3 4 5; do
    e2e_probe press "Next Question"
  done
  shoot "main-2-question-6-$1"
  e2e_probe press "Next Question"
  shoot "main-3-result-$1"
  e2e_probe press "Main Screen"
}

wayland_end()
{
  e2e_probe menu File Exit
  e2e_probe farewell
  [[ -z ${1:-} ]] || shoot "$1"
  e2e_probe press Exit
  e2e_wait_exit "$E2E_PID" >/dev/null
}

wayland_pass()
{
  plant_reminder
  e2e_start_app
  e2e_probe alert ""
  shoot update-reminder
  e2e_probe press No
  e2e_probe main
  first=$(e2e_probe_read banner)

  e2e_probe press "Take the Nicotine Dependency Test"
  e2e_probe alert "Please enter your name"
  shoot critical-box
  e2e_probe press OK

  e2e_probe menu Help "About Software"
  e2e_probe about
  shoot about
  e2e_probe press OK

  wayland_steps "$first"
  wayland_end farewell
}

# ------------------------------------------------------------------------------

if [[ $pass == wayland ]]; then
  scales=(1)
else
  scales=(1 1.5 2)
  mkdir -p "$out/results"
  rm -f "$out/results"/*.png
fi
for factor in "${scales[@]}"; do
  scale=$(awk -v f="$factor" 'BEGIN { printf "%d", f * 100 }')
  if [[ $pass == x11 ]]; then dir=$out/$scale; else dir=$out/wayland-$scale; fi
  mkdir -p "$dir"
  rm -f "$dir"/*.png
  export QT_SCALE_FACTOR=$factor
  e2e_log "$pass at ${scale}%"
  "${pass}_pass"

  # Start again until the other banner label comes to the front.
  for _ in $(seq 12); do
    e2e_start_app
    if [[ $pass == x11 ]]; then x11_main >/dev/null; else e2e_probe main; fi
    now=$(e2e_probe_read banner)
    if [[ $now != "$first" ]]; then
      "${pass}_steps" "$now"
      "${pass}_end"
      break
    fi
    "${pass}_end"
  done
  [[ $pass == wayland ]] || x11_results
done
e2e_pass
