# Shared harness of the scripts that drive the real program under an X server of their own.
# Source it after setting `timeout_s`; it gives a work folder, cleanup, failure reporting, condition waits
# and window helpers. `start_xvfb WIDTHxHEIGHT` starts Xvfb and exports DISPLAY.
# shellcheck shell=bash

work=$(mktemp -d)
xvfb_pid=
app_pid=
bus_pid=

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
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
    if [ -s "$work/xvfb.log" ]; then
        echo "--- Xvfb (display ${DISPLAY:-none}, running: $(kill -0 "$xvfb_pid" 2>/dev/null && echo yes || echo no))" >&2
        cat "$work/xvfb.log" >&2
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

visible_window() { # name pattern -> window id on stdout
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

# A fresh home and configuration folder (without the program's own folder, as on a first start) and an
# empty card folder; `prefs` names the preferences file the program keeps.
fresh_home() {
    export HOME="$work/home"
    export XDG_CONFIG_HOME="$work/config"
    card="$work/card"
    prefs="$XDG_CONFIG_HOME/Corvane/Corvane.conf"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$card"
}

# Starts `$program` on a system with the given locale, its output kept for failure reports.
start_program() {
    LANG=$1 "$program" >"$work/app.log" 2>&1 &
    app_pid=$!
}

keys() { xdotool key --clearmodifiers --delay 30 "$@"; }

# In the main window (language list focused): Tab to the model list and down to "Vyn 8620MG", stored at once.
choose_model_8620mg() {
    focus_window '^Corvane$' >/dev/null
    keys Tab Down Down Down
    wait_for "model 4 stored" grep -qx 'model=4' "$prefs"
}

# In the 8620 e-mail dialog just opened (its mode list has the focus), from the keyboard: 7 pictures a day,
# the second operator of the first country, then SERVER PORT SENDER PASSWORD RECIPIENT, then the card's
# folder. Tab order, top to bottom: mode, status, pictures, country, operator, remote control, APN,
# account, password, server, port, sender, sender password, recipient, phone, Select, read, folder,
# Generate, test e-mail, Exit. The folder field keeps the focus.
fill_email_dialog() {
    keys Tab Tab ctrl+a
    xdotool type --delay 30 "7"
    keys Tab Tab Down Tab Tab Tab Tab Tab
    local i
    for ((i = 1; i <= $#; i++)); do
        xdotool type --delay 10 "${!i}"
        keys Tab
    done
    # phone, Select, read, folder
    keys Tab Tab Tab ctrl+a
    xdotool type --delay 10 "$card"
}

app_running() { kill -0 "$app_pid" 2>/dev/null; }

# Waits for the program to end by itself and fails unless it ended with status 0.
expect_program_end() {
    wait_for "program to end" bash -c "! kill -0 $app_pid 2>/dev/null"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "program exit status $status"
}

# An X server of our own; it reports its display number on a pipe once it accepts clients.
start_xvfb() {
    local display_number tool
    for tool in Xvfb xdotool xdpyinfo; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "skipped: $tool is not installed (scripts/install-deps.sh test installs it)"
            exit 77
        }
    done
    mkfifo "$work/displayfd"
    # -noreset: an X server resets when its last client leaves (xdpyinfo below, a program that ended) and
    # refuses the connections that arrive meanwhile; a desktop always has a client, a test may not.
    # CORVANE_XVFB_DISPLAY: a display number of one's own instead of the first free one.
    Xvfb ${CORVANE_XVFB_DISPLAY:+":$CORVANE_XVFB_DISPLAY"} -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$work/displayfd" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    exec 4<"$work/displayfd"
    read -r -t "$timeout_s" display_number <&4 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    exec 4<&-
    # The server must be ours and answering: a server that lost its display to another one ends at once.
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended after taking display :$display_number: $(cat "$work/xvfb.log")"
    wait_for "X server on display :$display_number" xdpyinfo -display ":$display_number"
    export DISPLAY=":$display_number"
    export QT_QPA_PLATFORM=xcb
    unset LC_ALL LC_MESSAGES WAYLAND_DISPLAY
    start_session_bus
}

# A session bus of the test's own, as a desktop session has one: Qt's accessibility bridge connects to it
# at the first window. Without one Qt takes its path for a missing bus, which at exit has been seen to
# leave the bus thread's data unfreed (a leak report from Qt's D-Bus code failed a test once).
start_session_bus() {
    unset DBUS_SESSION_BUS_ADDRESS
    command -v dbus-daemon >/dev/null 2>&1 || {
        echo "note: dbus-daemon is not installed; the program runs without a session bus"
        return 0
    }
    local address
    { read -r address && read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    [ -n "$address" ] && [ -n "$bus_pid" ] || fail "the session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS=$address
}
