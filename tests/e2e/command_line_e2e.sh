#!/usr/bin/env bash
# --help, --version and usage errors of the real program, on a system without any display.
#   command_line_e2e.sh <path to corvane> <expected version>
set -uo pipefail

program=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

fail() {
    echo "FAIL: $*" >&2
    failed=1
}

run() { # expected status, arguments...
    local want=$1 got=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" -eq "$want" ] || fail "corvane $* exited $got, expected $want: $(cat "$work/out" "$work/err")"
}

run 0 --help
head -n 1 "$work/out" | grep -qx 'Usage: corvane \[options\]' || fail "--help printed: $(cat "$work/out")"
grep -q -- '--version' "$work/out" || fail "--help does not list --version"
[ -s "$work/err" ] && fail "--help wrote to standard error: $(cat "$work/err")"

run 0 --version
[ "$(cat "$work/out")" = "corvane $version" ] || fail "--version printed: $(cat "$work/out")"

for args in "--no-such-option" "-q" "some-file"; do
    # shellcheck disable=SC2086 # one word each
    run 2 $args
    [ -s "$work/out" ] && fail "corvane $args wrote to standard output: $(cat "$work/out")"
    [ "$(wc -l <"$work/err")" -eq 2 ] || fail "corvane $args: expected a two-line error, got: $(cat "$work/err")"
    grep -q "^corvane: " "$work/err" || fail "corvane $args: error does not name the program: $(cat "$work/err")"
done

[ "$failed" -eq 0 ] && echo "--help, --version and usage errors behave without a display"
exit "$failed"
