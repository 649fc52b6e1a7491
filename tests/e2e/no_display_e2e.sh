#!/usr/bin/env bash
# Without a display it can reach, the program says so in one sentence and exits with status 1, instead of
# Qt's platform errors and an abort: with no display named at all, and with an X display nobody serves.
#   no_display_e2e.sh <path to corvane>
set -uo pipefail

# Runs the program with the environment changes given; checks status 1 and one line containing $1.
expect_one_sentence() {
    local expected=$1 out status
    shift
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1)
    status=$?
    if [ "$status" -ne 1 ]; then
        echo "FAIL: exit status $status (expected 1) with $*; output:" >&2
        printf '%s\n' "$out" >&2
        exit 1
    fi
    if [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || ! printf '%s' "$out" | grep -qF "$expected"; then
        echo "FAIL: expected one sentence containing '$expected' with $*, got:" >&2
        printf '%s\n' "$out" >&2
        exit 1
    fi
    echo "$*: $out"
}

expect_one_sentence 'graphical display' "$1"

# A display number with no server: no socket of that number, no lock file.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
expect_one_sentence "\":$number\"" DISPLAY=":$number" "$1"
expect_one_sentence "\":$number\"" DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$1"
