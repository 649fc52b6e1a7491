#!/bin/sh
# Runs a Windows program of the test build under Wine, in the build tree's own Wine prefix: never the
# user's ~/.wine. The prefix is made on first use; a lock makes tests that start at once wait for it.
#   run_under_wine.sh PREFIX PROGRAM.exe [ARGUMENT...]
set -eu
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
exec wine "$@"
