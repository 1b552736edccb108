#!/usr/bin/env bash
# Files a real machine leaves behind: a settings file of another format and a
# lock file emptied or garbled by a crash. The program starts without a
# refusal or a reminder, stays usable, and leaves the settings file byte for
# byte. Then the same with a FIFO where the settings file belongs, which must
# not block the start.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

settings=$(e2e_settings_file)
lock=$XDG_RUNTIME_DIR/cindrel.lock
mkdir -p "$(dirname "$settings")"

# start_and_use WHAT : starts the program, checks it opens its main window
# with no box, answers the age box's key filter, and closes through the
# farewell window.
start_and_use()
{
  e2e_start_app
  local app=$E2E_PID main box farewell
  main=$(e2e_wait_window "$E2E_MAIN_TITLE" "$app") || e2e_fail "no main window with $1"
  sleep 0.5
  e2e_has_window "$E2E_BOX_TITLE" "$app" && e2e_fail "a box came up at the start with $1"
  e2e_activate "$main"
  e2e_keys Tab
  e2e_type x
  box=$(e2e_wait_window "$E2E_BOX_TITLE" "$app" 10) || e2e_fail "the main window does not answer with $1"
  e2e_activate "$box"
  e2e_keys Return
  e2e_wait_gone "$box"
  e2e_activate "$main"
  e2e_keys alt+f x
  farewell=$(e2e_wait_window "$E2E_MAIN_TITLE" "$app")
  e2e_activate "$farewell"
  e2e_keys alt+x
  e2e_expect "exit status with $1" "$(e2e_wait_exit "$app")" 0
}

# Another program's JSON where the settings belong, and an empty lock file.
printf '{"LastReminderDate": "2020-01-01", "theme": "dark"}\n' >"$settings"
cp "$settings" "$E2E_TMP/settings.before"
: >"$lock"
start_and_use "a JSON settings file and an empty lock file"
cmp -s "$settings" "$E2E_TMP/settings.before" || e2e_fail "the JSON settings file was changed"

# Binary data, and a lock file naming another host.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' >"$settings"
cp "$settings" "$E2E_TMP/settings.before"
printf '4242\ncindrel\nsome-other-host\n' >"$lock"
start_and_use "a binary settings file and another host's lock"
cmp -s "$settings" "$E2E_TMP/settings.before" || e2e_fail "the binary settings file was changed"

# A FIFO where the settings file belongs: read, it would wait for a writer.
rm -f "$settings"
mkfifo "$settings"
printf 'half a li' >"$lock"
start_and_use "a FIFO for a settings file and a half-written lock"
[[ -p $settings ]] || e2e_fail "the FIFO was replaced"
e2e_pass
