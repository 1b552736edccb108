#!/usr/bin/env bash
# The result kept only when the user asks: a whole test, then File > Save
# Result as PDF through the real save dialog, which suggests a dated name in
# the documents folder; the PDF's text holds the name, every question with
# its answer, the score, the Heaviness of Smoking Index with its bands and
# the verdict, on the paper of LC_PAPER: en_US's Letter, compiled from the
# system's definition into a private LOCPATH.
# Showing the result writes nothing.
# A save into a folder that is a regular file (which fails for root too,
# unlike a read-only folder) shows the program's message box and leaves
# nothing behind.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
command -v pdftotext >/dev/null || e2e_fail "no pdftotext (install poppler-utils with: bash scripts/deps.sh)"
mkdir -p "$E2E_TMP/locales"
printf 'LC_PAPER\ncopy "en_US"\nEND LC_PAPER\n' >"$E2E_TMP/paper"
localedef --quiet -c -i "$E2E_TMP/paper" -f UTF-8 "$E2E_TMP/locales/en_US.UTF-8" || true
[[ -f $E2E_TMP/locales/en_US.UTF-8/LC_PAPER ]] ||
  e2e_fail "localedef made no LC_PAPER (install locales with: bash scripts/deps.sh)"
unset LC_ALL
export LOCPATH=$E2E_TMP/locales LC_PAPER=en_US.UTF-8

mkdir -p "$HOME/Documents" "$E2E_TMP/dest"
printf 'not a folder\n' >"$E2E_TMP/dest/blocker"

e2e_start_main
# Anything the program writes from here on is newer than this mark.
sleep 1
touch "$E2E_TMP/mark"

# Ann, 42, Female; the answers below score 1+1+1+0+0+1 = 4. Start leaves
# the focus in the answer list, where Down picks the next entry.
e2e_type "Ann Example"
e2e_keys Tab
e2e_type 42
e2e_keys Tab Down alt+t
for downs in 1 2 0 1 1 0; do
  for ((i = 0; i < downs; i++)); do e2e_keys Down; done
  e2e_keys alt+q
done
e2e_screenshot result
written=$(find "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" \
  -newer "$E2E_TMP/mark" \( -type f -o -type d \) -print)
[[ -z $written ]] || e2e_fail "showing the result wrote: $written"

# save_dialog : opens File > Save Result as PDF... by its access keys.
save_dialog()
{
  e2e_activate "$main"
  e2e_keys alt+f s
  dialog=$(e2e_wait_window '^Save Result as PDF$' "$app")
  e2e_activate "$dialog"
}

# Accept the suggested name.
save_dialog
e2e_screenshot save-dialog
e2e_keys Return
e2e_wait_gone "$dialog"
e2e_wait_until "$E2E_WAIT" "the PDF in the documents folder" \
  compgen -G "$HOME/Documents/$CINDREL_NAME result ????-??-??.pdf" >/dev/null
pdf=$(compgen -G "$HOME/Documents/$CINDREL_NAME result ????-??-??.pdf")
[[ $(find "$HOME/Documents" -mindepth 1 | wc -l) == 1 ]] || e2e_fail "more than the PDF in Documents: $(ls -A "$HOME/Documents")"
# The page's text in reading order, as one line with single blanks (no-break
# spaces too), where
# each question and answer reads whole; and line by line as laid out, where
# each heading stands beside its value.
text=$(pdftotext "$pdf" - | sed 's/\xc2\xa0/ /g' | tr -s '[:space:]' ' ')
layout=$(pdftotext -layout "$pdf" - | tr -s ' ')
expect_text()
{
  [[ $text == *"$1"* ]] || e2e_fail "the PDF lacks '$1'; its text: $text"
}
expect_line()
{
  grep -qxF -- "$1" <<<"$layout" || e2e_fail "the PDF has no line '$1'; its lines: $layout"
}
expect_line "Name: Ann Example"
expect_line "Age: 42"
expect_line "Sex: Female"
expect_line "Total score 4 of 10"
expect_line "Heaviness of Smoking Index (HSI), questions 1 and 2: 2 of 6, medium"
expect_line "You are slightly dependent on nicotine"
expect_line "$CINDREL_NAME version $CINDREL_VERSION"
for line in \
  "1. How many cigarettes do you smoke in a day?" \
  "2. When do you smoke your first cigarette of the day?" \
  "3. Do you find it difficult not to smoke in restricted places?" \
  "4. Which cigarette is the most satisfying?" \
  "5. Do you smoke even when you are sick in bed?" \
  "6. Do you smoke more frequently in the first half of the day?" \
  "Between 11- 20" "Between half an hour to an hour" "Yes" "The others" "No" \
  "Bands from the NIDA Data Share instrument page: 0–1 low, 2–4 medium, 5–6 high."; do
  expect_text "$line"
done
[[ $(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}') == 1 ]] || e2e_fail "the report is not one page"
# en_US's paper, 216 x 279 mm, is written as Letter, 612 x 792 points (A4
# would be 595 x 842).
size=$(pdfinfo "$pdf" | awk '/^Page size:/ {printf "%.0f x %.0f", $3, $5}')
e2e_expect "the page size in points" "$size" "612 x 792"

# A folder that is a regular file: refused with a message box, nothing left.
save_dialog
e2e_type "$E2E_TMP/dest/blocker/result.pdf"
e2e_keys Return
box=$(e2e_wait_window "$E2E_BOX_TITLE" "$app" 10) || e2e_fail "no message box after a failed save"
e2e_screenshot save-failed
e2e_activate "$box"
e2e_keys Return
e2e_wait_gone "$box"
e2e_expect "the failed save's folder" "$(ls -A "$E2E_TMP/dest")" blocker
e2e_expect "the file in the way" "$(cat "$E2E_TMP/dest/blocker")" "not a folder"
e2e_app_running "$app" || e2e_fail "the program ended after a failed save"
e2e_pass
