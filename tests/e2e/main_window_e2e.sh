#!/usr/bin/env bash
# Drives the real program under Xvfb the way a person would: keyboard into the main window's lists, the
# camera setup button, Escape out of the setup dialog and out of the fresh main window. Then checks the
# remembered preferences and that the program ended by itself.
#   main_window_e2e.sh <path to corvane>
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

# Polls a command until it succeeds; fails after the time limit.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + timeout_s))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

visible_window() {  # name pattern -> window id on stdout
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .
}

# A window that is visible and holds the keyboard focus, so typed keys reach it.
focus_window() {
    local pattern=$1 wid
    wait_for "window '$pattern'" visible_window "$pattern"
    wid=$(visible_window "$pattern")
    xdotool windowfocus --sync "$wid"
    wait_for "focus on '$pattern'" test "$(xdotool getwindowfocus)" = "$wid"
    echo "$wid"
}

app_running() { kill -0 "$app_pid" 2>/dev/null; }

# --- an X server of our own; it reports its display number on a pipe once it accepts clients
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
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
prefs="$XDG_CONFIG_HOME/Corvane/Corvane.conf"

# An English (United States) system.
LANG=en_US.UTF-8 "$program" >"$work/app.log" 2>&1 &
app_pid=$!

# First start on an English system: English, model 1, and the defaults stored.
focus_window '^Corvane$' >/dev/null
wait_for "first-start preferences" grep -qx 'language=2' "$prefs"
grep -qx 'model=1' "$prefs" || fail "model 1 not stored at first start"
grep -qx 'TvMode=0' "$prefs" || fail "TvMode 0 not stored at first start"
grep -q '^Company=.' "$prefs" || fail "company marker not stored at first start"

# The language list has the focus: one step down from "English" is "Deutsch".
xdotool key --clearmodifiers Down
wait_for "language Deutsch stored" grep -qx 'language=3' "$prefs"

# Next control: the model list; three steps down reach "Vyn 8620MG".
xdotool key --clearmodifiers Tab Down Down Down
wait_for "model 4 stored" grep -qx 'model=4' "$prefs"

# Next control: the camera setup button. The 8620 family's dialog replaces the main window.
xdotool key --clearmodifiers Tab space
focus_window '^Corvane 8620$' >/dev/null
wait_for "main window to go" bash -c "! xdotool search --onlyvisible --name '^Corvane\$' | grep -q ."

# Exit of the setup dialog brings a fresh main window.
xdotool key --clearmodifiers Escape
focus_window '^Corvane$' >/dev/null
app_running || fail "program ended with the setup dialog"

# Closing that main window ends the program.
xdotool key --clearmodifiers Escape
wait_for "program to end" bash -c "! kill -0 $app_pid 2>/dev/null"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "program exit status $status"

grep -qx 'language=3' "$prefs" || fail "language not kept"
grep -qx 'model=4' "$prefs" || fail "model not kept"
echo "end-to-end run passed; stored preferences:"
cat "$prefs"
