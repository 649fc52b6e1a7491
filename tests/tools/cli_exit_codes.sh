#!/bin/sh
# The installed program's exit status: 0 sound, 1 damaged, 2 usage error.
#   cli_exit_codes.sh PATH_TO_corvane-inspect SEED_DIR
# CORVANE_TEST_RUNNER, when set, is the command that runs the program (Wine, for the Windows build).
set -u
bin=$1
seeds=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

expect() {
    want=$1
    shift
    # shellcheck disable=SC2086 # the runner is a command and its arguments
    ${CORVANE_TEST_RUNNER:-} "$bin" "$@" >"$tmp/out" 2>"$tmp/err"
    got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: corvane-inspect $* exited $got, expected $want"
        cat "$tmp/out" "$tmp/err"
        fail=1
    fi
}

expect 2
expect 2 --no-such-option "$seeds/menu/factory.dat"
expect 0 --help
grep -q "^SYNOPSIS" "$tmp/out" || { echo "FAIL: --help has no SYNOPSIS"; fail=1; }
expect 0 --version
grep -qx "corvane-inspect [0-9][0-9.]*" "$tmp/out" || { echo "FAIL: --version printed: $(cat "$tmp/out")"; fail=1; }
expect 0 "$seeds/menu/factory.dat" "$seeds/setup/auto_international.dat" "$seeds/smtp/manual_8620.dat"

head -c 59 "$seeds/menu/factory.dat" >"$tmp/menu.dat"
expect 1 "$tmp/menu.dat" "$seeds/smtp/manual_8620.dat"
grep -q "menu.dat: camera menu file, damaged: wrong size: 59 bytes, expected 60" "$tmp/out" ||
    { echo "FAIL: no damage line"; fail=1; }
grep -q "manual_8620.dat: e-mail settings file, sound" "$tmp/out" ||
    { echo "FAIL: did not go on with the next file"; fail=1; }

# Folder
cp "$seeds/setup/empty_texts.dat" "$tmp/setup.dat"
expect 1 "$tmp"
cp "$seeds/menu/factory.dat" "$tmp/menu.dat"
expect 0 "$tmp"

exit $fail
