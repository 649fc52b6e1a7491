#!/bin/sh
# A program that crashes under a Wine runner is a failed test, in whichever thread it crashes (Wine's
# debugger ends a program that crashed in a second thread with status 0); one that ends normally passes.
#   runner_crash_test.sh run_under_wine.sh PREFIX with_xvfb.sh crash_probe.exe
set -u
run_under_wine=$1
prefix=$2
with_xvfb=$3
probe=$4
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
failures=0

# check RUNNER-NAME HOW CRASHES COMMAND...
check() {
    name=$1
    how=$2
    crashes=$3
    shift 3
    "$@" "$probe" "$how" >/dev/null 2>"$errors"
    status=$?
    if [ "$status" -eq 77 ]; then
        echo "$name: skipped (its tools are missing)"
        return
    fi
    if [ "$crashes" = yes ] && [ "$status" -eq 0 ]; then
        echo "FAIL: $name: a crash in the $how thread ended with status 0" >&2
    elif [ "$crashes" = yes ] && ! grep -q "the program crashed" "$errors"; then
        echo "FAIL: $name: a crash in the $how thread was not named as one" >&2
    elif [ "$crashes" = no ] && [ "$status" -ne 0 ]; then
        echo "FAIL: $name: a program that ended normally got status $status" >&2
    else
        return
    fi
    cat "$errors" >&2
    failures=$((failures + 1))
}

check run_under_wine.sh none no "$run_under_wine" "$prefix"
check run_under_wine.sh main yes "$run_under_wine" "$prefix"
check run_under_wine.sh thread yes "$run_under_wine" "$prefix"
# A fresh prefix of its own: the shared one's programs must not be stopped by its clean-up.
(unset WINEPREFIX; check with_xvfb.sh thread yes "$with_xvfb"; exit "$failures") || failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "runner_crash_test: each crash failed, the normal end passed"
exit $((failures > 0))
