#!/usr/bin/env bash
# Without any display the program says so in one sentence and fails, instead of Qt's platform errors.
#   no_display_e2e.sh <path to corvane>
set -uo pipefail

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
if [ "$status" -eq 0 ]; then
    echo "FAIL: exit status 0 without a display" >&2
    exit 1
fi
if [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || ! printf '%s' "$out" | grep -q 'graphical display'; then
    echo "FAIL: expected one sentence about the display, got:" >&2
    printf '%s\n' "$out" >&2
    exit 1
fi
echo "without a display (status $status): $out"
