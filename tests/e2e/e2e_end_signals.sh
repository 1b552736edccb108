#!/usr/bin/env bash
# A signal that asks the program to end (SIGTERM, SIGINT, SIGHUP) ends it as
# its own shutdown does, whichever window is in front, the update reminder's
# box included (no main window may follow it): the program exits with 0 and
# its guard removes the lock file. A signal the program was started to
# ignore, as under nohup, stays ignored.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

lock=$XDG_RUNTIME_DIR/cindrel.lock
settings=$(e2e_settings_file)

# Each run: the window in front when the signal comes, and the signal.
runs=(
  "main     TERM"
  "main     INT"
  "main     HUP"
  "farewell TERM"
  "reminder TERM"
)

for run in "${runs[@]}"; do
  read -r window signal <<<"$run"
  what="SIG$signal at the $window window"
  e2e_log "$what"
  rm -f "$settings"
  if [[ $window == reminder ]]; then
    # A reminder date long past brings the reminder's box before the main window.
    mkdir -p "$(dirname "$settings")"
    printf '[Settings]\nLastReminderDate=%s\n' "$(date -d '-30 days' +%F)" >"$settings"
    e2e_start_app
    app=$E2E_PID
    e2e_wait_window "$E2E_BOX_TITLE" "$app" >/dev/null
  else
    e2e_start_main
    if [[ $window == farewell ]]; then
      e2e_keys alt+f x
      e2e_wait_gone "$main"
      e2e_wait_window "$E2E_MAIN_TITLE" "$app" >/dev/null
    fi
  fi
  [[ -e $lock ]] || e2e_fail "$what: the running copy holds no lock"

  kill -"$signal" "$app"
  e2e_expect "$what: exit status" "$(e2e_wait_exit "$app")" 0
  [[ ! -e $lock ]] || e2e_fail "$what: the lock file is left behind"
done

trap '' HUP
e2e_start_main
trap - HUP
kill -HUP "$app"
sleep 0.5
e2e_app_running "$app" || e2e_fail "SIGHUP ended a copy started to ignore it"
kill -TERM "$app"
e2e_expect "exit status of the copy that ignores SIGHUP" "$(e2e_wait_exit "$app")" 0
e2e_pass
