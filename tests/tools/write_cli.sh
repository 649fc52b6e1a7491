#!/bin/sh
# corvane-inspect --export and corvane-write as installed programs, without a display: a card's files give a
# settings file that writes the same files; the exit codes 0, 1 and 2.
#   write_cli.sh CORVANE-INSPECT CORVANE-WRITE DATA-FOLDER
set -eu
inspect=$1
write=$2
data=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir "$work/card" "$work/copy"
cp "$data/mms_dialog_8520_manual_international.dat" "$work/card/setup.dat"
cp "$data/smtp_8520_manual.dat" "$work/card/smtp.dat"
umask 022
"$inspect" --export "$work/card" --show-secrets >"$work/settings.toml" || fail "export exited $?"
# With passwords the file is its owner's only; without, as the umask says.
[ "$(stat -c %a "$work/settings.toml")" = 600 ] || fail "a settings file with passwords is $(stat -c %a "$work/settings.toml")"
"$inspect" --export "$work/card" >"$work/public.toml" || fail "export exited $?"
[ "$(stat -c %a "$work/public.toml")" = 644 ] || fail "a settings file without passwords is $(stat -c %a "$work/public.toml")"
# Without its passwords the file is refused, each left-out one named with its section's line, and nothing
# is written: empty passwords on the card would look like success but the camera could not log in.
mkdir "$work/nothing"
status=0
"$write" "$work/public.toml" "$work/nothing" >"$work/out" 2>"$work/err" || status=$?
[ $status -eq 2 ] || fail "a settings file without its passwords exited $status, not 2"
[ -z "$(ls -A "$work/nothing")" ] || fail "written without passwords: $(ls "$work/nothing")"
line=$(grep -n '^\[email\]' "$work/public.toml" | cut -d: -f1)
grep -qF "public.toml:$line: [email] holds no gprs_password (it was left out" "$work/err" ||
    fail "no left-out password at line $line in: $(cat "$work/err")"
grep -q -- "--show-secrets" "$work/err" || fail "the refusal does not say how to give the passwords: $(cat "$work/err")"
# The MMS section alone: its password is all that is missing.
sed '/^\[email\]/,$d' "$work/public.toml" >"$work/mms.toml"
status=0
"$write" "$work/mms.toml" "$work/nothing" >"$work/out" 2>"$work/err" || status=$?
[ $status -eq 2 ] || fail "an MMS section without its password exited $status, not 2"
[ -z "$(ls -A "$work/nothing")" ] || fail "written without the MMS password: $(ls "$work/nothing")"
line=$(grep -n '^\[mms\]' "$work/mms.toml" | cut -d: -f1)
grep -qF "mms.toml:$line: [mms] holds no password (it was left out" "$work/err" ||
    fail "no left-out MMS password at line $line in: $(cat "$work/err")"
# With the password lines added in place of the comments it writes the card's files again.
awk 'NR == FNR { if ($0 ~ /^(password|gprs_password|sender_password) = /) secret[$1] = $0; next }
     /^# [a-z_]+ = "\.\.\."  \(left out/ { print secret[$2]; next }
     { print }' "$work/settings.toml" "$work/public.toml" >"$work/mended.toml"
mkdir "$work/mended"
"$write" "$work/mended.toml" "$work/mended" >"$work/out" || fail "the file with its passwords added exited $?"
cmp "$work/card/setup.dat" "$work/mended/setup.dat" || fail "setup.dat with the passwords added differs"
cmp "$work/card/smtp.dat" "$work/mended/smtp.dat" || fail "smtp.dat with the passwords added differs"
"$write" "$work/settings.toml" "$work/copy" >"$work/out" || fail "write exited $?"
cmp "$work/card/setup.dat" "$work/copy/setup.dat" || fail "setup.dat differs"
cmp "$work/card/smtp.dat" "$work/copy/smtp.dat" || fail "smtp.dat differs"
grep -q "$work/copy/smtp.dat" "$work/out" || fail "the message does not name smtp.dat"

status=0
"$write" "$work/settings.toml" "$work/no/such/folder" 2>/dev/null || status=$?
[ $status -eq 1 ] || fail "a failed write exited $status, not 1"
status=0
"$write" "$work/settings.toml" 2>/dev/null || status=$?
[ $status -eq 2 ] || fail "a missing FOLDER exited $status, not 2"
printf 'format = 1\nmodel = "Vyn 8520M"\nlanguage = "English"\ntv_mode = 0\nbogus = 1\n' >"$work/bad.toml"
status=0
"$write" "$work/bad.toml" "$work/copy" 2>"$work/err" || status=$?
[ $status -eq 2 ] || fail "a bad settings file exited $status, not 2"
grep -q "bad.toml:5: unknown key bogus" "$work/err" || fail "no line in: $(cat "$work/err")"
"$write" --help | grep -q "each-card" || fail "--help"
"$write" --version | grep -q "^corvane-write " || fail "--version"
echo "ok"
