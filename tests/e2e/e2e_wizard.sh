#!/usr/bin/env bash
# A whole dependency test driven from the keyboard alone, twice in a row.
#
# Nothing of the program can be read from outside, so the result step is
# recognised by what only it leads to: after the sixth answer the focus sits
# on "&Main Screen", so Space presses that button, which brings back the
# personal details with the focus in the emptied age box, where a letter
# raises the box "Only numbers are accepted". One answer too few or too many
# leaves the focus elsewhere and no box comes up.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start_main
sleep 0.5
e2e_has_window "$E2E_BOX_TITLE" "$app" && e2e_fail "a first start showed a message box"

# e2e_no_box WHEN : the keys typed so far must not have raised a message box.
e2e_no_box()
{
  sleep 0.5
  if e2e_has_window "$E2E_BOX_TITLE" "$app"; then
    e2e_screenshot unexpected-box
    e2e_fail "a message box came up $1"
  fi
  e2e_active_is "$main" || e2e_fail "the main window lost the focus $1"
}

# e2e_answer_six_questions ROUND : starts the test from the personal details
# (name and age already entered) and answers all six questions.
e2e_answer_six_questions()
{
  local round=$1 question
  e2e_keys alt+t
  e2e_no_box "on starting test $round with a name and an age"
  for question in 1 2 3 4 5 6; do
    ((question == 1)) && e2e_screenshot "round$round-question1"
    e2e_keys alt+q
  done
  sleep 0.5
  e2e_no_box "while answering test $round"
  e2e_screenshot "round$round-result"
}

# e2e_expect_age_refusal ROUND : on the result step, goes back to the
# personal details and types a letter into the age box.
e2e_expect_age_refusal()
{
  local round=$1
  e2e_keys space
  e2e_no_box "on leaving the result of test $round"
  e2e_type x
  box=$(e2e_wait_window "$E2E_BOX_TITLE" "$app" 10) ||
    e2e_fail "test $round: no 'Only numbers are accepted' box after a letter in the age box: the result step was not reached, or Main Screen did not focus the age box"
  e2e_screenshot "round$round-age-refused"
  e2e_activate "$box"
  e2e_keys Return
  e2e_wait_gone "$box"
  e2e_app_running "$app" || e2e_fail "the program ended after the age box's refusal"
  e2e_wait_active "$main"
}

# Round 1: name, Tab, age, then the whole test.
e2e_type "Ann Example"
e2e_keys Tab
e2e_type 42
e2e_answer_six_questions 1
e2e_expect_age_refusal 1

# Round 2: the focus is back in the (still empty) age box after the box
# closed, and the name is kept, so an age alone starts a second test.
e2e_type 7
e2e_answer_six_questions 2
e2e_expect_age_refusal 2

e2e_window_visible "$main" || e2e_fail "the main window is no longer shown"
e2e_pass
