#!/bin/sh
# corvane-inspect.exe under Wine on the golden files, in folders with Chinese and Japanese names given as
# Windows paths: the report names them in UTF-8, with the same lines and exit codes as on Linux.
#   inspect_windows_cli.sh RUNNER PREFIX PATH_TO_corvane-inspect.exe TEST_DATA_DIR
set -u
runner=$1
prefix=$2
bin=$3
data=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

cn="$tmp/相机设置"
jp="$tmp/カメラ設定"
mkdir -p "$cn" "$jp"
cp "$data/menu_8620_defaults.dat" "$cn/menu.dat"
cp "$data/mms_dialog_8620_auto.dat" "$cn/setup.dat"
cp "$data/smtp_8620_auto.dat" "$cn/smtp.dat"
head -c 59 "$data/menu_8620_defaults.dat" >"$jp/MENU.DAT"

windows_path() {
    "$runner" "$prefix" winepath -w "$1" 2>/dev/null | tr -d '\r'
}
wcn=$(windows_path "$cn")
wjp=$(windows_path "$jp")
case "$wcn" in
[A-Z]:\\*相机设置) ;;
*)
    echo "FAIL: winepath gave '$wcn' for $cn"
    exit 1
    ;;
esac

expect() {
    want=$1
    shift
    "$runner" "$prefix" "$bin" "$@" >"$tmp/out" 2>"$tmp/err"
    got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: corvane-inspect $* exited $got, expected $want"
        cat "$tmp/out" "$tmp/err"
        fail=1
    fi
}
has_line() {
    if ! grep -qxF -- "$1" "$tmp/out"; then
        echo "FAIL: no line '$1' in:"
        cat "$tmp/out"
        fail=1
    fi
}

# A folder with a Chinese name: all three files sound, named by their Windows paths.
expect 0 "$wcn"
grep -qF -- "$wcn\\menu.dat: camera menu file, sound" "$tmp/out" || { echo "FAIL: menu.dat line"; cat "$tmp/out"; fail=1; }
grep -qF -- "$wcn\\setup.dat: " "$tmp/out" || { echo "FAIL: setup.dat line"; fail=1; }
grep -qF -- "$wcn\\smtp.dat: e-mail settings file, sound" "$tmp/out" || { echo "FAIL: smtp.dat line"; fail=1; }
if grep -q "$(printf '\r')" "$tmp/out"; then
    echo "FAIL: the report has Windows line ends"
    fail=1
fi

# One file of it by its Windows path; the same file by a path with forward slashes.
expect 0 "$wcn\\menu.dat"
expect 0 "$cn/menu.dat"

# A damaged file in a folder with a Japanese name (upper-case name, as FAT cards show them).
expect 1 "$wjp"
has_line "$wjp\\MENU.DAT: camera menu file, damaged: wrong size: 59 bytes, expected 60"
expect 1 "$wjp\\MENU.DAT" "$wcn\\smtp.dat"
has_line "$wjp\\MENU.DAT: camera menu file, damaged: wrong size: 59 bytes, expected 60"

# Nothing there.
expect 1 "$wjp\\none.dat"
has_line "$wjp\\none.dat: cannot read: no such file or folder"

# The settings of the Chinese folder as a settings file.
expect 0 --export "$wcn"
grep -q "^model" "$tmp/out" || { echo "FAIL: --export printed no model"; cat "$tmp/out" "$tmp/err"; fail=1; }

exit $fail
