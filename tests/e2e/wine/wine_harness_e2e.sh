#!/usr/bin/env bash
# The Wine harness checks itself on the bare Win32 main window (bench/windows_startup): a private prefix
# with the CJK font, keys and clicks reaching a dialog of an in-memory template, clicks placed by dialog
# units. Each case starts the program in a language, types keys, clicks a setup button and compares the
# line the program prints: the lists' choices, the face the dialog font resolved to, glyphs it lacks and
# texts wider than their control.
#
#   wine_harness_e2e.sh BARE_EXE
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 BARE_EXE" >&2; exit 2; }
bare=$(realpath "$1")
timeout_s=60
# shellcheck source=tests/e2e/wine/wine_session.sh
source "$(dirname "$0")/wine_session.sh"

start_wine 1024x768

# Template 102 is 354 x 170 dialog units; the centres of its setup buttons: camera 78,113, MMS 174,113,
# e-mail 270,112.
# name | --lang | keys (language list focused first) | button (dialog units) | expected line
cases=(
    "english|en|Tab Down Down Down|270 112|setup=smtp language=English model=Vyn 8620MG"
    "chinese|zh||78 113|setup=camera language=中文 model=Vyn 8520M"
    "japanese chosen from the list|en|End Tab Down|174 113|setup=mms language=Japanese model=Vyn 8620M"
)
font_line='font="WenQuanYi Micro Hei" missing_glyphs=0 clipped=none'

for case in "${cases[@]}"; do
    IFS='|' read -r name lang key_list button expected <<<"$case"
    start_windows_program C.UTF-8 "$bare" --lang "$lang"
    wid=$(focus_window '^Corvane$')
    # shellcheck disable=SC2086
    [ -z "$key_list" ] || keys $key_list
    read -r x y <<<"$button"
    click_du "$wid" 354 170 "$x" "$y"
    expect_program_end
    line=$(tr -d '\r' <"$work/app.log")
    [ "$line" = "$expected $font_line" ] || fail "$name: expected '$expected $font_line', the program printed '$line'"
    echo "ok: $name"
done
