#!/bin/sh
# Runs a Windows program of the test build under Wine, in the build tree's own Wine prefix: never the
# user's ~/.wine. The prefix is made on first use; a lock makes tests that start at once wait for it.
#   run_under_wine.sh PREFIX PROGRAM.exe [ARGUMENT...]
# The program's output goes to files that are copied out once it has ended: the wineserver and Wine's own
# processes that a program starts keep its output open for as long as any program of the prefix runs, and
# CTest waits for the output to close, so a test run straight into CTest's pipes would not end while tests
# run beside it. A program that crashed fails, whatever status Wine gives it.
set -eu
. "$(dirname "$0")/crash_status.sh"
prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: the programs need neither .NET nor HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Never the Wine window of a desktop session the tests run in.
unset WAYLAND_DISPLAY

if [ ! -f "$prefix/.corvane-ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/.corvane-ready" ]; then
            wineboot --init >/dev/null 2>&1 || true
            wineserver --wait
            [ -f "$prefix/system.reg" ] || { echo "run_under_wine.sh: wineboot made no prefix in $prefix" >&2; exit 1; }
            touch "$prefix/.corvane-ready"
        fi
    ) 9>"$prefix.lock"
fi
out=$(mktemp "$(dirname "$prefix")/output.XXXXXX")
trap 'rm -f "$out" "$out.err"' EXIT
status=0
wine "$@" >"$out" 2>"$out.err" || status=$?
cat "$out"
cat "$out.err" >&2
exit "$(crash_status "$status" "$out.err")"
