#!/usr/bin/env bash
# A machine with no browser opener at all: the links and the menu entries that
# open site pages report nothing, and the program stays usable.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The program runs with a PATH that holds no xdg-open (nor anything else).
real_bin=$E2E_BIN
mkdir -p "$E2E_TMP/empty"
printf '#!/bin/bash\nPATH=%q exec %q "$@"\n' "$E2E_TMP/empty" "$real_bin" >"$E2E_TMP/no-opener"
chmod +x "$E2E_TMP/no-opener"
E2E_BIN=$E2E_TMP/no-opener

e2e_start_main
sleep 0.5

# Help > Online Help, Help > Visit Us Online, and Donate on the menu bar.
for keys in "alt+h o" "alt+h v" "alt+d"; do
  for key in $keys; do
    e2e_keys "$key"
    sleep 0.3
  done
  sleep 0.7
  e2e_has_window "$E2E_BOX_TITLE" "$app" && e2e_fail "opening a page with no browser showed a message ($keys)"
  e2e_app_running "$app" || e2e_fail "the program ended after opening a page with no browser ($keys)"
done
[[ $(e2e_url_count) -eq 0 ]] || e2e_fail "a URL reached a browser although none should be found"
e2e_screenshot after-links

# Still usable: the age box's key filter answers at once.
e2e_activate "$main"
e2e_keys Tab
e2e_type x
box=$(e2e_wait_window "$E2E_BOX_TITLE" "$app" 10) ||
  e2e_fail "the main window no longer answers after the links were used"
e2e_activate "$box"
e2e_keys Return
e2e_wait_gone "$box"
e2e_app_running "$app" || e2e_fail "the program ended"
e2e_pass
