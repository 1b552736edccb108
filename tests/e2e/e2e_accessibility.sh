#!/usr/bin/env bash
# What a screen reader reads from the running program, over the AT-SPI
# accessibility bus: the main window's named fields, list and button with
# only the first step panel shown; an error box read as an alert and
# dismissed through its button; and the farewell window's named fields and
# Exit button, whose press ends the program.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

probe_script="$(cd "$(dirname "$0")" && pwd)/a11y_probe.py"
# The system interpreter, which has the pyatspi bindings (a python from
# another installation on PATH would not).
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
[[ -x $launcher ]] || e2e_fail "no $launcher (install at-spi2-core with: bash scripts/deps.sh)"
command -v dbus-send >/dev/null || e2e_fail "no dbus-send (install dbus-bin with: bash scripts/deps.sh)"
"$python" -c 'import pyatspi' 2>/dev/null ||
  e2e_fail "$python cannot import pyatspi (install python3-pyatspi with: bash scripts/deps.sh)"

A11Y_LAUNCHER_PID=
A11Y_BUS_PID=
A11Y_REGISTRY_PID=

# Stops the accessibility bus and its registry (started by this script
# through the launcher), then hands over to the harness's own exit handling.
# shellcheck disable=SC2317  # run by the exit trap
a11y_on_exit()
{
  local status=$?
  set +e
  e2e_stop "$A11Y_REGISTRY_PID"
  e2e_stop "$A11Y_BUS_PID"
  e2e_stop "$A11Y_LAUNCHER_PID"
  (exit "$status")
  e2e_on_exit
}
trap a11y_on_exit EXIT

a11y_bus_address()
{
  timeout 5 dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' '
}

# shellcheck disable=SC2317  # run through e2e_wait_until
a11y_bus_answers() { [[ -n $(a11y_bus_address) ]]; }

# a11y_owner_pid BUS NAME : pid of the process that owns NAME on BUS.
a11y_owner_pid()
{
  timeout 5 dbus-send --address="$1" --print-reply=literal --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.GetConnectionUnixProcessID "string:$2" \
    2>/dev/null | awk '{print $2}'
}

# probe CHECK [ARGUMENT] : one check of a11y_probe.py against the program.
probe()
{
  local out
  if ! out=$(WAIT=$E2E_WAIT timeout $((E2E_WAIT + 10)) "$python" "$probe_script" "$app" "$@" 2>&1); then
    e2e_fail "accessibility check '$*': $out"
  fi
  e2e_log "$out"
}

# The accessibility bus, registered on the harness's private session bus.
"$launcher" --launch-immediately >"$E2E_TMP/at-spi-launcher.log" 2>&1 &
A11Y_LAUNCHER_PID=$!
e2e_wait_until 15 "the accessibility bus to be announced" a11y_bus_answers
A11Y_BUS_PID=$(pgrep -P "$A11Y_LAUNCHER_PID" | head -n1 || true)
e2e_log "accessibility bus at $(a11y_bus_address)"

# The program reports to the bus whatever the desktop's settings say.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

e2e_start_app
app=$E2E_PID
main=$(e2e_wait_window "$E2E_MAIN_TITLE" "$app")
e2e_activate "$main"
A11Y_REGISTRY_PID=$(a11y_owner_pid "$(a11y_bus_address)" org.a11y.atspi.Registry || true)

probe main

# Starting the test with an empty name: the refusal is read as an alert.
probe press "Take the Nicotine Dependency Test"
probe alert "Please enter your name"
e2e_screenshot alert
probe press OK
probe no-alert
probe focused "Enter Name"

# Closing the main window brings the farewell window.
wmctrl -i -c "$main"
e2e_wait_gone "$main"
probe farewell
e2e_screenshot farewell

probe press Exit
e2e_expect "exit status" "$(e2e_wait_exit "$app")" 0
e2e_pass
