#!/usr/bin/env bash
# A signal that asks the program to end (SIGTERM, SIGINT, SIGHUP) ends it as
# its own shutdown does, whichever window is in front, the update reminder's
# box included (no main window may follow it): the program exits with 0 and
# its guard removes the lock file. The reminder's box closed so is no
# answer: no date is stored. A signal the program was started to ignore, as
# under nohup, stays ignored. A second signal before the program could heed
# the first (its event loop stuck) ends it at once, killed by that signal,
# and the lock dies with it.
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
    cp "$settings" "$E2E_TMP/settings.before"
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
  if [[ $window == reminder ]]; then
    cmp -s "$settings" "$E2E_TMP/settings.before" || e2e_fail "$what: a date was stored"
  fi
done

# Stopped, the program cannot run its event loop: both signals wait for it
# and are caught one after the other, before the loop can heed the first.
rm -f "$settings"
e2e_start_main
kill -STOP "$app"
kill -TERM "$app"
kill -INT "$app"
kill -CONT "$app"
status=$(e2e_wait_exit "$app")
[[ $status == 130 || $status == 143 ]] || e2e_fail "two signals at once: exit status $status, not killed by one"
# A new copy starts (its main window comes): the lock died with the old one.
e2e_start_main
kill -TERM "$app"
e2e_expect "exit status after a copy was killed" "$(e2e_wait_exit "$app")" 0

trap '' HUP
e2e_start_main
trap - HUP
kill -HUP "$app"
sleep 0.5
e2e_app_running "$app" || e2e_fail "SIGHUP ended a copy started to ignore it"
kill -TERM "$app"
e2e_expect "exit status of the copy that ignores SIGHUP" "$(e2e_wait_exit "$app")" 0
e2e_pass
