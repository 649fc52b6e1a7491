#!/usr/bin/env bash
# The camera dialog in the real program under Xvfb, driven from the keyboard: choose the 8620MG model,
# open the camera setup, type a folder, change the camera mode, the image size and the video length (with
# an empty and an out-of-range moment on the way), generate with Enter, and check menu.dat byte for byte
# (the clock bytes against the time around the opening of the dialog).
#   camera_e2e.sh <path to corvane>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1280x800

fresh_home

start_program en_US.UTF-8

# Main window: language list focused; Tab to the model list, down to "Vyn 8620MG", Tab to the camera button.
choose_model_8620mg
before=$(date +%s)
keys Tab space
focus_window '^Corvane 8620$' >/dev/null
after=$(date +%s)

# The camera mode list has the focus. Camera mode "Video", image size "5MP", then six fields on to the
# video length: 30 seconds, typed after emptying the field and passing the range on the way (99). No
# message may interrupt the typing or take a key.
keys Down Tab Down Tab Tab Tab Tab Tab Tab ctrl+a BackSpace
xdotool type --delay 30 "99"
keys BackSpace BackSpace
xdotool type --delay 30 "30"
# Back past the camera mode list to the folder field (Exit, Default, Generate, folder field), type the
# card's folder and press Enter in it: Generate must use the folder as typed.
for _ in $(seq 11); do keys shift+Tab; done
keys ctrl+a
xdotool type --delay 10 "$card"
keys Return

wait_for "menu.dat" test -s "$card/menu.dat"
# The result message (title "Corvane"); Enter closes it.
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null

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

year, month, day, hour, minute, second = clock
shown = datetime.datetime(2010 + year, month, day, hour, minute, second).timestamp()
if not (before - 2 <= shown <= after + 2):
    print("clock", list(clock), "not between", before, "and", after)
    sys.exit(1)
print("menu.dat:", data.hex(" "))
PY

# Exit to a fresh main window, then close it: the program ends.
keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end
echo "camera end-to-end run passed"
