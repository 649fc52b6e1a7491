#!/usr/bin/env bash
# The e-mail dialog in the real program under Xvfb, driven from the keyboard: Japanese texts and the
# 8620MG model from the stored preferences, open the SMTP setup, type the card's folder, 7 pictures a day,
# the second operator of the first country, server, port, addresses and password, generate, and check
# smtp.dat byte for byte against the golden file; then Enter in a field generates it again and the dialog
# stays open.
#   smtp_e2e.sh <path to corvane> <golden smtp.dat>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
golden=$2
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1280x800

fresh_home
mkdir -p "$XDG_CONFIG_HOME/Corvane"
printf 'language=10\nmodel=4\nTvMode=0\nCompany=Corvane\n' >"$prefs"

start_program en_US.UTF-8

# Main window: language list focused; Tab past the model list and the camera and MMS buttons to SMTP.
focus_window '^Corvane$' >/dev/null
keys Tab Tab Tab Tab space
focus_window '^Corvane 8620$' >/dev/null

fill_email_dialog smtp.example.com 25 x@example.com secret me@example.org
# from the folder field to Generate
keys Tab space

wait_for "smtp.dat" test -s "$card/smtp.dat"
# The result message (title "Corvane"); Enter closes it.
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null

cmp "$card/smtp.dat" "$golden" || fail "smtp.dat differs from $golden"
[ "$(ls "$card")" = "smtp.dat" ] || fail "more than smtp.dat in the folder: $(ls "$card")"
rm "$card/smtp.dat"

# Enter in a field (back from Generate to the folder field) generates as Generate does: the same file, the
# result message, and the dialog stays open.
keys shift+Tab Return
wait_for "smtp.dat by Enter" test -s "$card/smtp.dat"
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null
app_running || fail "Enter in a field ended the program"
cmp "$card/smtp.dat" "$golden" || fail "smtp.dat written by Enter differs from $golden"

# Exit to a fresh main window, then close it: the program ends.
keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end
echo "smtp end-to-end run passed"
