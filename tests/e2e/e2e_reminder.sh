#!/usr/bin/env bash
# The update reminder at start-up, over a series of starts against planted
# reminder dates: silent within 14 days either way, a Yes/No box before the
# main window beyond that, the date moved to today after either answer, and
# the download page opened on Yes only.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

download_url="${CINDREL_SITE_URL}ssd.php?page=download-web-page"
settings=$(e2e_settings_file)
today=$(date +%F)

# e2e_day OFFSET : today moved by OFFSET days, as yyyy-MM-dd.
e2e_day() { date -d "$today $1 days" +%F; }

# e2e_stored_date : the reminder date in the settings file's [Settings] group.
e2e_stored_date()
{
  [[ -f $settings ]] || return 0
  awk -F= '/^\[/ { group = $0; next }
           group == "[Settings]" && $1 == "LastReminderDate" { print substr($0, index($0, "=") + 1) }' \
    "$settings" | tr -d '\r'
}

e2e_plant()
{
  if [[ $1 == absent ]]; then
    rm -f "$settings"
  else
    mkdir -p "$(dirname "$settings")"
    printf '[Settings]\nLastReminderDate=%s\n' "$(e2e_day "$1")" >"$settings"
  fi
}

# Each start: the date planted before it (offset in days from today, or
# "absent" for no settings at all), the answer to give ("-" when no reminder
# may come) and the date that must be stored afterwards.
phases=(
  "absent -   0"
  "-14    -   -14"
  "+14    -   +14"
  "-15    yes 0"
  "0      -   0"
  "+15    no  0"
)

for phase in "${phases[@]}"; do
  read -r planted answer stored <<<"$phase"
  what="start with the date at $planted"
  e2e_log "$what"
  e2e_plant "$planted"
  urls_before=$(e2e_url_count)

  e2e_start_app
  app=$E2E_PID
  if [[ $answer == - ]]; then
    e2e_wait_window "$E2E_MAIN_TITLE" "$app" >/dev/null
    sleep 0.5
    e2e_has_window "$E2E_BOX_TITLE" "$app" && e2e_fail "$what: a message box came up"
  else
    box=$(e2e_wait_window "$E2E_BOX_TITLE" "$app")
    sleep 0.5
    e2e_has_window "$E2E_MAIN_TITLE" "$app" &&
      e2e_fail "$what: the main window is on screen while the reminder waits for its answer"
    e2e_screenshot "box-planted$planted"
    e2e_activate "$box"
    if [[ $answer == yes ]]; then e2e_keys alt+y; else e2e_keys alt+n; fi
    e2e_wait_gone "$box"
    e2e_wait_window "$E2E_MAIN_TITLE" "$app" >/dev/null
    sleep 0.5
    e2e_has_window "$E2E_BOX_TITLE" "$app" && e2e_fail "$what: a second box came up after the reminder"
  fi

  expected_urls=$urls_before
  if [[ $answer == yes ]]; then
    expected_urls=$((urls_before + 1))
    e2e_wait_urls "$expected_urls"
    e2e_expect "$what: page opened on Yes" "$(tail -n1 "$E2E_URLS")" "$download_url"
  fi
  sleep 0.3
  e2e_expect "$what: pages opened" "$(e2e_url_count)" "$expected_urls"
  e2e_expect "$what: stored reminder date" "$(e2e_stored_date)" "$(e2e_day "$stored")"

  kill -TERM "$app"
  e2e_wait_exit "$app" >/dev/null
done
e2e_pass
