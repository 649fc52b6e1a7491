#!/usr/bin/env bash
# The MMS dialog in the real program under Xvfb, driven from the keyboard: choose the 8620MG model, open
# the MMS setup, type the pictures per day, the phone number, the e-mail address and the card's folder,
# generate with Enter in the folder field, and compare setup.dat byte for byte with the file generated
# independently for this session (tests/data/make_mms_dialog_goldens.py). The result message carries the
# program's icon; the dialog's controls are no X windows of their own, before that message and after it.
#   mms_e2e.sh <path to corvane>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
golden="$(cd "$(dirname "$0")/../data" && pwd)/mms_dialog_8620_auto.dat"
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1280x800

fresh_home

start_program en_US.UTF-8

# Main window: language list focused; Tab to the model list, down to "Vyn 8620MG", on to the MMS button.
choose_model_8620mg
keys Tab Tab space
dialog=$(focus_window '^Corvane 8620$')
# The X windows inside the dialog's window: its controls are drawn by it, not windows of their own.
native_children() { xwininfo -children -id "$dialog" | sed -n 's/^ *\([0-9][0-9]*\) child.*/\1/p'; }
[ "$(native_children)" = 0 ] || fail "$(native_children) X windows inside the new dialog"

# The mode list has the focus: send list, pictures per day (emptied first: no message takes a key).
keys Tab Tab ctrl+a BackSpace
xdotool type --delay 30 "12"
# country, operator, hours, URL, APN type, APN, gateway, port, phone number
for _ in $(seq 9); do keys Tab; done
xdotool type --delay 30 "13800138000"
# phone type, e-mail address
keys Tab Tab
xdotool type --delay 30 "someone@example.com"
# account, password, second and third recipient, folder button, read button, folder field
for _ in $(seq 7); do keys Tab; done
keys ctrl+a
xdotool type --delay 10 "$card"
keys Return

wait_for "setup.dat" test -s "$card/setup.dat"
# The result message (title "Corvane"), with the program's icon; Enter closes it.
box=$(focus_window '^Corvane$')
icon=$(xprop -len 1000000 -id "$box" _NET_WM_ICON)
grep -q 'Icon (16 x 16)' <<<"$icon" || fail "the result message has no icon"
keys Return
focus_window '^Corvane 8620$' >/dev/null
[ "$(native_children)" = 0 ] || fail "$(native_children) X windows inside the dialog after its first message"

cmp "$card/setup.dat" "$golden" || fail "setup.dat differs from $golden"
[ ! -e "$card/mms.dat" ] || fail "mms.dat was left in the folder"

# Exit to a fresh main window, then close it: the program ends.
keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end
echo "MMS end-to-end run passed"
