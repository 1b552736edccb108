# shellcheck shell=bash
# Harness of the end-to-end tests under Wayland: lib.sh with a headless
# weston (pixman renderer, no input devices) in place of Xvfb and openbox.
# The program runs on Qt's Wayland platform plugin. X input tools do not
# reach Wayland windows, so a test drives them through the accessibility bus
# (e2e_start_a11y, e2e_probe); e2e_wayland_toplevels reads the windows the
# program announced from its WAYLAND_DEBUG=client output.
#
#   source "$(dirname "$0")/wayland.sh"
#   e2e_init "$@"
#   e2e_start_a11y
#   e2e_start_app; ...
#
# weston gets a configuration of its own (black background, no panel, no
# screen lock) and its socket in the private runtime directory (0700) that
# the program uses too. It is started with --debug, which lets
# weston-screenshooter take screenshots.

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

E2E_WESTON_PID=

e2e_display_tools() { echo weston weston-screenshooter; }

e2e_start_display()
{
  local socket=wayland-cindrel size=${E2E_SCREEN%x*}
  cat >"$E2E_TMP/weston.ini" <<'EOF'
[core]
idle-time=0

[shell]
background-color=0xff000000
panel-position=none
locking=false
EOF
  weston --config="$E2E_TMP/weston.ini" --backend=headless-backend.so --use-pixman \
    --width="${size%x*}" --height="${size#*x}" --socket="$socket" --idle-time=0 --debug \
    --log="$E2E_TMP/weston.log" >"$E2E_TMP/weston.out" 2>&1 &
  E2E_WESTON_PID=$!
  e2e_wait_until 15 "weston to open its socket" test -S "$XDG_RUNTIME_DIR/$socket"
  export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
  unset DISPLAY
}

e2e_stop_display() { e2e_stop "$E2E_WESTON_PID"; }

# e2e_screenshot NAME : saves the whole output as <artifacts>/<test>-NAME.png.
e2e_screenshot()
{
  local file=$E2E_ARTIFACTS/$E2E_NAME-$1.png dir=$E2E_TMP/screenshot
  mkdir -p "$dir"
  rm -f "$dir"/*.png
  # weston-screenshooter writes wayland-screenshot-<time>.png where it runs.
  (cd "$dir" && timeout 15 weston-screenshooter) >/dev/null 2>&1 &&
    mv "$dir"/wayland-screenshot-*.png "$file" && e2e_log "screenshot: $file"
}

# The program's windows as the accessibility bus reads them, and the
# compositor's log, for the diagnosis of a failure.
e2e_display_diagnose()
{
  [[ -n ${WAYLAND_DISPLAY:-} && -S ${XDG_RUNTIME_DIR:-}/$WAYLAND_DISPLAY ]] || return 0
  if [[ -n ${E2E_PID:-} && -n $E2E_A11Y_LAUNCHER_PID ]]; then
    e2e_log "windows of cindrel pid $E2E_PID on the accessibility bus:"
    WAIT=2 timeout 15 "$E2E_PYTHON" "$E2E_PROBE" "$E2E_PID" windows >&2
  fi
  e2e_log "weston's log:"
  tail -n 15 "$E2E_TMP/weston.log" >&2
  e2e_screenshot failure
}

# e2e_wayland_toplevels PID : the windows the program announced, from its
# WAYLAND_DEBUG=client output, one line each in the order created:
#   <number> TAB <title> TAB <app id> TAB <number of the parent, or 0>
e2e_wayland_toplevels()
{
  awk '
    function arg(line) { sub(/^[^(]*\("?/, "", line); sub(/"?\).*$/, "", line); return line }
    function object(line) { sub(/^.*-> xdg_toplevel@/, "", line); sub(/\..*$/, "", line); return line }
    /-> xdg_surface@[0-9]+\.get_toplevel\(/ {
      id = $0; sub(/^.*new id xdg_toplevel@/, "", id); sub(/\).*$/, "", id)
      number[id] = ++count; title[count] = ""; app[count] = ""; parent[count] = 0
    }
    /-> xdg_toplevel@[0-9]+\.set_title\(/ { title[number[object($0)]] = arg($0) }
    /-> xdg_toplevel@[0-9]+\.set_app_id\(/ { app[number[object($0)]] = arg($0) }
    /-> xdg_toplevel@[0-9]+\.set_parent\(/ {
      to = arg($0); sub(/^xdg_toplevel@/, "", to)
      parent[number[object($0)]] = (to in number) ? number[to] : 0
    }
    END { for (i = 1; i <= count; i++) printf "%d\t%s\t%s\t%d\n", i, title[i], app[i], parent[i] }
  ' "${E2E_APP_DIR[$1]}/log"
}
