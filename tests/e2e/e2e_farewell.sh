#!/usr/bin/env bash
# Closing the main window hands over to the farewell window, whose referral
# goes to the browser as one encoded URL, and leaving the farewell window ends
# the program. Two runs: File > Exit, a referral and "E&xit"; then the close
# box of each window in turn.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"


# e2e_urlencode TEXT : TEXT as UTF-8 with every byte outside the unreserved
# characters (letters, digits, "-._~") written as %XX.
e2e_urlencode()
{
  local LC_ALL=C text=$1 out='' char i
  for ((i = 0; i < ${#text}; i++)); do
    char=${text:i:1}
    case $char in
      [A-Za-z0-9._~-]) out+=$char ;;
      *)
        printf -v char '%%%02X' "'$char"
        out+=$char
        ;;
    esac
  done
  printf '%s' "$out"
}

# e2e_farewell_after_close APP MAIN : waits for the main window to go and the
# farewell window to come, and prints the farewell window's id.
e2e_farewell_after_close()
{
  local app=$1 main=$2 farewell
  e2e_wait_gone "$main"
  farewell=$(e2e_wait_window "$E2E_MAIN_TITLE" "$1")
  [[ $farewell != "$main" ]] || e2e_fail "the main window is still on screen after closing it"
  [[ $(e2e_windows "$E2E_MAIN_TITLE" "$app") == "$farewell" ]] ||
    e2e_fail "more than the farewell window is on screen: $(e2e_windows "$E2E_MAIN_TITLE" "$app" | xargs)"
  e2e_app_running "$app" || e2e_fail "closing the main window ended the program"
  echo "$farewell"
}

e2e_expect_ended_cleanly()
{
  local app=$1 status
  status=$(e2e_wait_exit "$app")
  e2e_expect "exit status" "$status" 0
  [[ -z $(e2e_all_windows . "$app") ]] || e2e_fail "windows of the ended program remain"
  e2e_has_window "$CINDREL_NAME" && e2e_fail "a window of the program is still on screen"
  return 0
}

# --- Run 1: File > Exit, a referral, then "E&xit" ---------------------------
e2e_start_main
e2e_keys alt+f x
farewell=$(e2e_farewell_after_close "$app" "$main")
xprop -id "$farewell" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  e2e_fail "the farewell window is not kept above other windows"
e2e_activate "$farewell"
e2e_screenshot farewell

name="Zoë Doe"
email="zoe@example.org"
friend_email="max@example.net"
friend_name="Max & Co"
message="Meet me at 8 = fun #1"

# Tab order from "E&xit": check box, name, submit, e-mail, friend's e-mail,
# friend's name, message. Each field drops its placeholder when it gets the
# focus; the message field's first text is replaced as a whole.
e2e_keys Tab Tab
e2e_type "$name"
e2e_keys Tab Tab
e2e_type "zoe"
# A space in an e-mail field is refused with a box, which must come up above
# the topmost farewell window; afterwards the typing goes on in the same field.
e2e_keys space
box=$(e2e_wait_window "$E2E_BOX_TITLE" "$app")
e2e_screenshot space-refused
box_level=$(e2e_stacking_index "$box")
farewell_level=$(e2e_stacking_index "$farewell")
if [[ -z $box_level || -z $farewell_level ]] || ((box_level < farewell_level)); then
  e2e_fail "the message box is hidden below the farewell window (stacking $box_level, farewell $farewell_level)"
fi
e2e_activate "$box"
e2e_keys Return
e2e_wait_gone "$box"
e2e_wait_active "$farewell"
e2e_type "@example.org"
e2e_keys Tab
e2e_type "$friend_email"
e2e_keys Tab
e2e_type "$friend_name"
e2e_keys Tab ctrl+a
e2e_type "$message"
e2e_screenshot referral-filled

expected="${CINDREL_SITE_URL}ssd.php?page=qxvl-refer-a-friend"
expected+="&taf1=$(e2e_urlencode "$name")"
expected+="&taf2=$(e2e_urlencode "$email")"
expected+="&taf3=$(e2e_urlencode "$message")"
expected+="&taf4=$(e2e_urlencode "$friend_name")"
expected+="&taf5=$(e2e_urlencode "$friend_email")"
expected+="&taf6=$(e2e_urlencode "$CINDREL_SITE_URL")"

for attempt in 1 2; do
  e2e_keys alt+n
  e2e_wait_urls "$attempt"
  e2e_expect "referral request $attempt" "$(sed -n "${attempt}p" "$E2E_URLS")" "$expected"
  e2e_has_window "$E2E_BOX_TITLE" "$app" && e2e_fail "a message box came up after sending a referral"
  e2e_window_visible "$farewell" || e2e_fail "the farewell window closed after sending a referral"
done

e2e_keys alt+x
e2e_expect_ended_cleanly "$app"

# --- Run 2: the close box of the main window, then of the farewell window --
urls_before=$(e2e_url_count)
e2e_start_app
app=$E2E_PID
main=$(e2e_wait_window "$E2E_MAIN_TITLE" "$app")
wmctrl -i -c "$main"
farewell=$(e2e_farewell_after_close "$app" "$main")
wmctrl -i -c "$farewell"
e2e_expect_ended_cleanly "$app"
e2e_expect "pages opened by closing" "$(e2e_url_count)" "$urls_before"
e2e_pass
