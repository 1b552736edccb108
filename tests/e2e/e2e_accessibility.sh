#!/usr/bin/env bash
# What a screen reader reads from the running program, over the AT-SPI
# accessibility bus: the main window's named fields, list and button with
# only the first step panel shown; an error box read as an alert and
# dismissed through its button; and the farewell window's named fields and
# Exit button, whose press ends the program.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start_a11y

e2e_start_main

e2e_probe main

# Starting the test with an empty name: the refusal is read as an alert.
e2e_probe press "Take the Nicotine Dependency Test"
e2e_probe alert "Please enter your name"
e2e_screenshot alert
e2e_probe press OK
e2e_probe no-alert
e2e_probe focused "Enter Name"

# Closing the main window brings the farewell window.
wmctrl -i -c "$main"
e2e_wait_gone "$main"
e2e_probe farewell
e2e_screenshot farewell

e2e_probe press Exit
e2e_expect "exit status" "$(e2e_wait_exit "$app")" 0
e2e_pass
