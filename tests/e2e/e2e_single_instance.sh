#!/usr/bin/env bash
# One copy per user: a second copy shows only its refusal box and ends, the
# first goes on; a copy that was killed leaves no lock that refuses the next.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start_app
first=$E2E_PID
first_main=$(e2e_wait_window "$E2E_MAIN_TITLE" "$first")
lock=$XDG_RUNTIME_DIR/cindrel.lock
[[ -e $lock ]] || e2e_fail "the running copy holds no lock at $lock"

# A second copy: its refusal box, and no main window of its own.
e2e_start_app
second=$E2E_PID
box=$(e2e_wait_window "$E2E_BOX_TITLE" "$second")
sleep 0.5
own=$(e2e_all_windows "$E2E_MAIN_TITLE" "$second")
[[ -z $own ]] || e2e_fail "the refused copy made a main window of its own ($own)"
e2e_has_window "$E2E_MAIN_TITLE" "$second" && e2e_fail "the refused copy shows a main window"
e2e_screenshot refusal

e2e_activate "$box"
e2e_keys Return
status=$(e2e_wait_exit "$second" 10)
e2e_expect "exit status of the refused copy" "$status" 0
e2e_has_window "$E2E_BOX_TITLE" && e2e_fail "a message box is still on screen after the refusal"

# The first copy is untouched by all this.
e2e_app_running "$first" || e2e_fail "the first copy ended when the second was refused"
e2e_window_visible "$first_main" || e2e_fail "the first copy's main window is gone"
[[ $(e2e_windows "$E2E_MAIN_TITLE" "$first") == "$first_main" ]] ||
  e2e_fail "the first copy's windows changed"

# A copy killed outright leaves its lock behind; that lock is stale, not a
# running copy, and the next start must go ahead.
kill -KILL "$first"
status=$(e2e_wait_exit "$first" 10)
e2e_expect "exit status of the killed copy" "$status" 137
[[ -e $lock ]] || e2e_fail "the killed copy left no lock behind, so no stale lock can be tried"

e2e_start_app
third=$E2E_PID
e2e_wait_window "$E2E_MAIN_TITLE" "$third" >/dev/null
sleep 0.5
e2e_has_window "$E2E_BOX_TITLE" "$third" && e2e_fail "a start after a killed copy was refused"
e2e_app_running "$third" || e2e_fail "the start after a killed copy ended"
e2e_pass
