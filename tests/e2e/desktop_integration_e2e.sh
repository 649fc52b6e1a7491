#!/usr/bin/env bash
# The real program's windows under Xvfb as a desktop sees them: the window class the desktop entry names
# in StartupWMClass, and the program icon on the main window and on each setup dialog.
#   desktop_integration_e2e.sh <path to corvane> <desktop entry>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
desktop_entry=$2
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1280x800

fresh_home
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"

# A window's class (the second WM_CLASS string) and the sizes of its icon ("16x16 32x32 ...").
window_class() { xprop -id "$1" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p'; }
icon_sizes() {
    local icon
    icon=$(xprop -len 1000000 -id "$1" _NET_WM_ICON)
    grep -o 'Icon ([0-9]* x [0-9]*)' <<<"$icon" | tr -d 'Icon() ' | tr '\n' ' ' | sed 's/ $//'
}
program_icon_sizes="16x16 32x32 48x48 256x256"

check_window() { # window id, what it is
    [ "$(window_class "$1")" = "$wm_class" ] ||
        fail "$2: window class '$(window_class "$1")', the desktop entry says '$wm_class'"
    [ "$(icon_sizes "$1")" = "$program_icon_sizes" ] ||
        fail "$2: window icon in sizes '$(icon_sizes "$1")', expected '$program_icon_sizes'"
}

start_program en_US.UTF-8
main=$(focus_window '^Corvane$')
check_window "$main" "main window"

# Tab from the language list to each setup button; model 1 (8520M) has no e-mail setup.
for keys in "Tab Tab" "Tab Tab Tab"; do
    main=$(focus_window '^Corvane$')
    # shellcheck disable=SC2086 # the key list is split on purpose
    xdotool key --clearmodifiers $keys space
    dialog=$(focus_window '^Corvane 8520$')
    check_window "$dialog" "setup dialog after '$keys'"
    xdotool key --clearmodifiers Escape
done
focus_window '^Corvane$' >/dev/null
xdotool key --clearmodifiers Escape
expect_program_end
echo "window class '$wm_class' and the program icon on the main window and the setup dialogs"
