#!/usr/bin/env bash
# The camera dialog in the real program under Xvfb, driven from the keyboard: choose the 8620MG model,
# open the camera setup, type a folder, change the camera mode, the image size and the video length,
# generate with Enter, and check menu.dat byte for byte (the clock bytes against the time around the
# opening of the dialog).
#   camera_e2e.sh <path to corvane>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
work=$(mktemp -d)
xvfb_pid=
app_pid=

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -f "$work/app.log" ]; then
        echo "--- program output" >&2
        cat "$work/app.log" >&2
    fi
    exit 1
}

wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + timeout_s))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

visible_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .
}

focus_window() {
    local pattern=$1 wid
    wait_for "window '$pattern'" visible_window "$pattern"
    wid=$(visible_window "$pattern")
    xdotool windowfocus --sync "$wid"
    wait_for "focus on '$pattern'" test "$(xdotool getwindowfocus)" = "$wid"
    echo "$wid"
}

keys() { xdotool key --clearmodifiers --delay 30 "$@"; }

mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/displayfd" 2>"$work/xvfb.log" &
xvfb_pid=$!
exec 4<"$work/displayfd"
read -r -t "$timeout_s" display_number <&4 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
exec 4<&-

export DISPLAY=":$display_number"
export HOME="$work/home"
export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb
unset LC_ALL LC_MESSAGES WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$work/card"
card="$work/card"

LANG=en_US.UTF-8 "$program" >"$work/app.log" 2>&1 &
app_pid=$!

# Main window: language list focused; Tab to the model list, down to "Vyn 8620MG", Tab to the camera button.
focus_window '^Corvane$' >/dev/null
keys Tab Down Down Down
wait_for "model 4 stored" grep -qx 'model=4' "$XDG_CONFIG_HOME/Corvane/Corvane.conf"
before=$(date +%s)
keys Tab space
focus_window '^Corvane 8620$' >/dev/null
after=$(date +%s)

# The camera mode list has the focus. Camera mode "Video", image size "5MP", then six fields on to the
# video length: 30 seconds.
keys Down Tab Down Tab Tab Tab Tab Tab Tab ctrl+a
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
wait_for "program to end" bash -c "! kill -0 $app_pid 2>/dev/null"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "program exit status $status"
echo "camera end-to-end run passed"
