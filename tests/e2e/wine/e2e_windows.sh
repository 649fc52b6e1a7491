#!/usr/bin/env bash
# corvane.exe end to end under Wine and Xvfb, driven from the keyboard as a user would, in one private
# prefix with the CJK font: choose the 8620MG model in the main window, then the camera, MMS and e-mail
# setup dialogs one after the other, each with the card's folder typed as a Windows path and Generate;
# menu.dat (its clock bytes against the time around the opening of the dialog), setup.dat and smtp.dat
# must be the bytes the Linux program writes for the same input (tests/e2e/camera_e2e.sh, mms_e2e.sh and
# smtp_e2e.sh: the same keys and the same golden files), and corvane-inspect.exe must find them sound.
#   e2e_windows.sh <corvane.exe> <corvane-inspect.exe>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

[ $# -eq 2 ] || { echo "usage: $0 <corvane.exe> <corvane-inspect.exe>" >&2; exit 2; }
program=$(realpath "$1")
inspect=$(realpath "$2")
data=$(cd "$(dirname "$0")/../../data" && pwd)
timeout_s=${CORVANE_E2E_TIMEOUT:-90}
# shellcheck source=tests/e2e/wine/wine_session.sh
source "$(dirname "$0")/wine_session.sh"

start_wine 1280x800
card=$work/card
mkdir -p "$card"
card_windows=$(winepath -w "$card")

# The whole text of the focused single-line field, selected: typing replaces it.
select_field() { keys Home shift+End; }

# The result message (title "Corvane") closed with Enter, and gone before the next key: until then the
# dialog under it takes no keys.
close_result_message() {
    local box
    box=$(focus_window '^Corvane$')
    keys Return
    wait_for "the result message to close" window_gone "$box"
    focus_window '^Corvane 8620$' >/dev/null
}
window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# A number the program keeps among its preferences (the user's key first, as the program reads them).
preference_number() {
    local root out
    for root in HKCU HKLM; do
        out=$(wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Corvane.exe" /v "$1" \
            2>/dev/null </dev/null | tr -d '\r' | awk -v name="$1" '$1 == name && $2 == "REG_DWORD" { print $3 }')
        [ -z "$out" ] || { echo $((out)); return 0; }
    done
    return 1
}
preference_is() { [ "$(preference_number "$1")" = "$2" ]; }

start_windows_program en_US.UTF-8 "$program"

# --- Main window: the language list has the focus; Tab to the model list, down to "Vyn 8620MG".
focus_window '^Corvane$' >/dev/null
keys Tab Down Down Down
wait_for "model 4 stored" preference_is model 4

# --- Camera setup (camera_e2e.sh): on to the camera button.
before=$(date +%s)
keys Tab space
focus_window '^Corvane 8620$' >/dev/null
after=$(date +%s)
# Camera mode "Video", image size "5MP", six fields on to the video length: 30 seconds, typed after
# emptying the field and passing the range on the way (99).
keys Down Tab Down Tab Tab Tab Tab Tab Tab
select_field
keys BackSpace
xdotool type --delay 30 "99"
keys BackSpace BackSpace
xdotool type --delay 30 "30"
# Back past the camera mode list to the folder field (Exit, Default, Generate, folder field); Enter in it.
for _ in $(seq 11); do keys shift+Tab; done
select_field
xdotool type --delay 10 "$card_windows"
keys Return
wait_for "menu.dat" test -s "$card/menu.dat"
close_result_message
python3 - "$card/menu.dat" "$before" "$after" <<'PY' || fail "menu.dat is not the expected record"
import datetime, sys
data = open(sys.argv[1], "rb").read()
before, after = int(sys.argv[2]), int(sys.argv[3])
assert len(data) == 60, f"{len(data)} bytes"
expected = bytearray(60)
expected[0:14] = bytes([1, 1, 1, 0, 29, 0, 1, 0, 0, 1, 1, 0, 0, 0])  # video, 5MP, 1280x720, 30 s ...
expected[29] = 2   # English
expected[31] = 1   # beep on
expected[58:60] = b"\r\n"
clock = data[14:20]
expected[14:20] = clock
def crc16(payload):
    crc = 0
    for b in payload:
        crc ^= b << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else crc << 1
            crc &= 0xFFFF
    return crc
crc = crc16(expected[0:50])
expected[56] = crc & 0xFF
expected[57] = crc >> 8
if data != bytes(expected):
    print("got     ", data.hex(" "), "\nexpected", bytes(expected).hex(" "))
    sys.exit(1)
# Local time on both sides: Wine's clock follows the host's time zone.
year, month, day, hour, minute, second = clock
shown = datetime.datetime(2010 + year, month, day, hour, minute, second).timestamp()
if not (before - 2 <= shown <= after + 2):
    print("clock", list(clock), "not between", before, "and", after)
    sys.exit(1)
print("menu.dat:", data.hex(" "))
PY
# Exit to a fresh main window.
keys Escape

# --- MMS setup (mms_e2e.sh): language list focused; past the model list and the camera button.
focus_window '^Corvane$' >/dev/null
keys Tab Tab Tab space
focus_window '^Corvane 8620$' >/dev/null
# The mode list has the focus: send list, pictures per day.
keys Tab Tab
select_field
keys BackSpace
xdotool type --delay 30 "12"
# country, operator, hours, URL, APN type, APN, gateway, port, phone number
for _ in $(seq 9); do keys Tab; done
xdotool type --delay 30 "13800138000"
# phone type, e-mail address
keys Tab Tab
xdotool type --delay 30 "someone@example.com"
# account, password, second and third recipient, folder button, read button, folder field
for _ in $(seq 7); do keys Tab; done
select_field
xdotool type --delay 10 "$card_windows"
keys Return
wait_for "setup.dat" test -s "$card/setup.dat"
close_result_message
cmp "$card/setup.dat" "$data/mms_dialog_8620_auto.dat" || fail "setup.dat differs from mms_dialog_8620_auto.dat"
[ ! -e "$card/mms.dat" ] || fail "mms.dat was left in the folder"
keys Escape

# --- E-mail setup (smtp_e2e.sh): Japanese, chosen as the last entry of the language list, then past the
# model list and the camera and MMS buttons.
focus_window '^Corvane$' >/dev/null
keys End
wait_for "language 10 stored" preference_is language 10
keys Tab Tab Tab Tab space
focus_window '^Corvane 8620$' >/dev/null
# mode, status, pictures (7), country, operator (the second of the first country), remote control, APN,
# account, password, then server, port, sender, sender password, recipient; phone, Select, read, folder.
keys Tab Tab
select_field
xdotool type --delay 30 "7"
keys Tab Tab Down Tab Tab Tab Tab Tab
for text in smtp.example.com 25 x@example.com secret me@example.org; do
    xdotool type --delay 10 "$text"
    keys Tab
done
keys Tab Tab Tab
select_field
xdotool type --delay 10 "$card_windows"
# from the folder field to Generate
keys Tab space
wait_for "smtp.dat" test -s "$card/smtp.dat"
close_result_message
cmp "$card/smtp.dat" "$data/smtp_8620_auto.dat" || fail "smtp.dat differs from smtp_8620_auto.dat"

# Exit to a fresh main window, then close it: the program ends.
keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end

# --- corvane-inspect.exe on the folder: every file sound, exit status 0.
status=0
wine "$inspect" "$card_windows" >"$work/inspect.out" 2>&1 </dev/null || status=$?
[ "$status" -eq 0 ] || fail "corvane-inspect.exe exit status $status: $(cat "$work/inspect.out")"
for file in menu.dat setup.dat smtp.dat; do
    grep -q "$file.*, sound (" "$work/inspect.out" || fail "corvane-inspect.exe does not find $file sound: $(cat "$work/inspect.out")"
done
cat "$work/inspect.out"
files=$(cd "$card" && echo *)
[ "$files" = "menu.dat setup.dat smtp.dat" ] || fail "other files in the folder: $files"
echo "Windows end-to-end run passed"
