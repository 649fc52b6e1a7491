#!/bin/sh
# Runs a Windows GUI program under Wine with a display of its own (Xvfb on a free display number) and,
# unless WINEPREFIX is set, a fresh private Wine prefix; exits with the program's status, and fails a program
# that crashed.
# Usage: with_xvfb.sh program.exe [arguments...]
set -u
. "$(dirname "$0")/crash_status.sh"
for tool in Xvfb wine wineserver; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: test skipped" >&2
        exit 77
    fi
done
work=$(mktemp -d)
xvfb=
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$work"
}
prefix="${WINEPREFIX:-$work/prefix}"
trap cleanup EXIT INT TERM
# Xvfb picks a free display and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
tries=0
while [ ! -s "$work/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=":$(cat "$work/display")"
WINEPREFIX="$prefix"
WINEDEBUG="${WINEDEBUG:--all}"
export DISPLAY WINEPREFIX WINEDEBUG
# A crash is reported on standard error, not in Wine's crash window, which would wait for a click.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine "$@" 2>"$work/stderr"
status=$?
cat "$work/stderr" >&2
exit "$(crash_status "$status" "$work/stderr")"
