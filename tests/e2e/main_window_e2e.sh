#!/usr/bin/env bash
# Drives the real program under Xvfb the way a person would: keyboard into the main window's lists, the
# camera setup button, Escape out of the setup dialog and out of the fresh main window. Then checks the
# remembered preferences and that the program ended by itself, and the update link's message where no web
# browser can be started.
#   main_window_e2e.sh <path to corvane>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1280x800

fresh_home

# An English (United States) system.
start_program en_US.UTF-8

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
expect_program_end

grep -qx 'language=3' "$prefs" || fail "language not kept"
grep -qx 'model=4' "$prefs" || fail "model not kept"

# The update link on a system where no web browser can be started (none on the program's PATH, none
# named): a message says so instead of nothing; Enter closes it, and the main window stays.
mkdir -p "$work/no-browsers"
LANG=en_US.UTF-8 PATH="$work/no-browsers" BROWSER='' DEFAULT_BROWSER='' "$program" >"$work/app.log" 2>&1 &
app_pid=$!
focus_window '^Corvane$' >/dev/null
# Language list, model list, the three setup buttons (model 4 has e-mail), the link.
xdotool key --clearmodifiers Tab Tab Tab Tab Tab space
windows_named_corvane() { test "$(xdotool search --onlyvisible --name '^Corvane$' | wc -l)" -eq "$1"; }
wait_for "the no-browser message" windows_named_corvane 2
xdotool key --clearmodifiers Return
wait_for "the message to close" windows_named_corvane 1
focus_window '^Corvane$' >/dev/null
xdotool key --clearmodifiers Escape
expect_program_end

echo "end-to-end run passed; stored preferences:"
cat "$prefs"
