#!/usr/bin/env bash
# Reading menu.dat back in the real program under Xvfb, from the keyboard: the 8620MG camera dialog
# generates menu.dat with video mode, 5MP and 30 s video length; Escape to the main window, the camera
# dialog again, the card's folder typed into its folder field, the read button pressed; then another folder
# typed and Enter: that menu.dat must hold what was read (every byte but the clock and its CRC), with the
# clock of the reading.
#   read_back_e2e.sh <path to corvane>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1280x800

fresh_home
copy="$work/copy"
mkdir -p "$copy"

start_program en_US.UTF-8

# Main window: Tab to the model list, down to "Vyn 8620MG", Tab to the camera button.
choose_model_8620mg
keys Tab space
focus_window '^Corvane 8620$' >/dev/null

# Camera mode "Video", image size "5MP", video length 30 s; then back to the folder field (Exit, factory
# settings, Generate, folder field), the card's folder, Enter.
keys Down Tab Down Tab Tab Tab Tab Tab Tab ctrl+a
xdotool type --delay 30 "30"
for _ in $(seq 11); do keys shift+Tab; done
keys ctrl+a
xdotool type --delay 10 "$card"
keys Return
wait_for "menu.dat" test -s "$card/menu.dat"
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null

# Leave, and open the camera dialog again from the fresh main window (model 4 is remembered).
keys Escape
focus_window '^Corvane$' >/dev/null
keys Tab Tab space
focus_window '^Corvane 8620$' >/dev/null

# Folder field (four back from the camera mode list), the card's folder, one more back to the read button.
for _ in $(seq 4); do keys shift+Tab; done
keys ctrl+a
xdotool type --delay 10 "$card"
before=$(date +%s)
keys shift+Tab space
after=$(date +%s)
# The message naming the file read; once it is confirmed the dialog has the focus again.
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null

# Forward to the folder field, another folder, Enter: Generate writes what the dialog now holds.
keys Tab ctrl+a
xdotool type --delay 10 "$copy"
keys Return
wait_for "menu.dat in the other folder" test -s "$copy/menu.dat"
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null

python3 - "$card/menu.dat" "$copy/menu.dat" "$before" "$after" <<'PY' || fail "the read settings were not generated again"
import datetime, sys

first = open(sys.argv[1], "rb").read()
again = open(sys.argv[2], "rb").read()
before, after = int(sys.argv[3]), int(sys.argv[4])
assert len(first) == 60 and len(again) == 60
assert first[0:5] == bytes([1, 1, 1, 0, 29]), first.hex(" ")  # video, 5MP, 1280x720, one photo, 30 s

def without_clock(data):
    data = bytearray(data)
    data[14:20] = bytes(6)
    data[56:58] = bytes(2)
    return bytes(data)

if without_clock(first) != without_clock(again):
    print("first", first.hex(" "), "\nagain", again.hex(" "))
    sys.exit(1)

def crc16(payload):
    crc = 0
    for b in payload:
        crc ^= b << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else crc << 1
            crc &= 0xFFFF
    return crc

assert again[56] | (again[57] << 8) == crc16(again[0:50]), "CRC"
year, month, day, hour, minute, second = again[14:20]
read_at = datetime.datetime(2010 + year, month, day, hour, minute, second).timestamp()
if not (before - 2 <= read_at <= after + 2):
    print("clock", list(again[14:20]), "not the time of reading", before, after)
    sys.exit(1)
print("read back and generated again:", again.hex(" "))
PY

keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end
echo "read-back end-to-end run passed"
