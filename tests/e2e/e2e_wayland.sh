#!/usr/bin/env bash
# The program on Qt's Wayland platform under a headless weston, driven over
# the accessibility bus: a whole test to its result with chosen answers, a
# site link, the About window, a refusal box from the main window, File >
# Exit, the farewell window with a refusal box, and Exit. From the protocol
# the program spoke (WAYLAND_DEBUG=client): every window announces the app
# id that names the desktop entry and the AppStream component, and every
# message box and the About window are transient for the window they
# belong to, which compositors keep them above.
#
# CINDREL_DESKTOP_FILE and CINDREL_METAINFO_FILE name the desktop entry and
# the AppStream metainfo that go with the program.
# shellcheck source=tests/e2e/wayland.sh
source "$(dirname "$0")/wayland.sh"
e2e_init "$@"

[[ -f ${CINDREL_DESKTOP_FILE:-} && -f ${CINDREL_METAINFO_FILE:-} ]] ||
  e2e_fail "CINDREL_DESKTOP_FILE and CINDREL_METAINFO_FILE must name the desktop entry and the metainfo"
entry_id=$(basename "$CINDREL_DESKTOP_FILE" .desktop)
appstream_id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$CINDREL_METAINFO_FILE")
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$CINDREL_METAINFO_FILE")
e2e_expect "AppStream id" "$appstream_id" "$entry_id"
e2e_expect "AppStream launchable" "$launchable" "$entry_id.desktop"

e2e_start_a11y
export WAYLAND_DEBUG=client
e2e_start_app
app=$E2E_PID
e2e_probe main
e2e_screenshot main

# A whole test. The answers are not the first entries (which score 7).
e2e_probe set-text "Enter Name" "Ann Example"
e2e_probe set-text "Enter Age" 42
e2e_probe choose "Select Sex" Female
e2e_probe press "Take the Nicotine Dependency Test"
for answer in "More than 30" "Within five minutes" "No" "The first one" "No" "Yes"; do
  e2e_probe choose Answer "$answer"
  e2e_probe press "Next Question"
done
result=$(e2e_probe_read labels Result)
e2e_log "result step: $result"
grep -qxF '"Your Score is: 8"' <<<"$result" || e2e_fail "the result step does not show the score 8"
grep -qxF '"Your Level of Nicotine Dependency is: \nYou are very highly addicted to nicotine"' \
  <<<"$result" || e2e_fail "the result step does not show the verdict for 8"
e2e_screenshot result

# A site link reaches the stand-in browser (xdg-open, as Qt uses no desktop
# portal outside a sandbox).
e2e_probe link "The Most Popular Online Velmor Discussion Forum"
e2e_wait_urls 1
e2e_expect "page opened" "$(head -n1 "$E2E_URLS")" "${CINDREL_SITE_URL}ssd.php?page=home-page"

# The About window, and a refusal box over the main window.
e2e_probe menu Help "About Software"
e2e_probe about
e2e_screenshot about
e2e_probe press OK
e2e_probe press "Main Screen"
e2e_probe set-text "Enter Name" ""
e2e_probe press "Take the Nicotine Dependency Test"
e2e_probe alert "Please enter your name"
e2e_screenshot main-refusal
e2e_probe press OK
e2e_probe no-alert

# File > Exit closes the main window; the farewell window takes over.
e2e_probe menu File Exit
e2e_probe farewell
e2e_screenshot farewell
e2e_probe set-text "Your Email Address" "ann@example.org"
e2e_probe set-text "Friend's Email Address" "ann@example.org"
e2e_probe press "Refer A Friend Now"
e2e_probe alert "Please Enter Distinct Email Addresses"
e2e_screenshot farewell-refusal
e2e_probe press OK
e2e_probe no-alert
e2e_app_running "$app" || e2e_fail "the program ended before Exit"
e2e_probe press Exit
e2e_expect "exit status" "$(e2e_wait_exit "$app")" 0

# What the program announced: main window, About, box, farewell, box.
toplevels=$(e2e_wayland_toplevels "$app")
e2e_log "windows announced (number, title, app id, parent):"$'\n'"$toplevels"
summary=$(awk -F'\t' -v app="$entry_id" -v name="$CINDREL_NAME" -v title="$CINDREL_WINDOW_TITLE" '
  $3 != app { bad = bad " " $1 "(app id " $3 ")" }
  $2 == title && $4 == 0 { last = $1; printf "window%s", " " }
  $2 == title && $4 != 0 { printf "about-of-%s ", ($4 == last ? "window" : "another") }
  $2 == name { printf "box-of-%s ", ($4 == last ? "window" : ($4 == 0 ? "none" : "another")) }
  END { if (bad != "") printf "wrong-app-id:%s", bad }' <<<"$toplevels")
e2e_expect "windows announced" "$summary" "window about-of-window box-of-window window box-of-window "
e2e_pass
