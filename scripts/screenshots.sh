#!/usr/bin/env bash
# Screenshots of the setup dialogs, both families, in English, Chinese, Japanese and German, taken from the
# real program under Xvfb. The pictures go outside git.
#   scripts/screenshots.sh [camera|mms|smtp|all] [path to corvane] [output folder]
# Defaults: all, build/test/src/corvane and build/screenshots. CORVANE_SCREENSHOT_LANGUAGES=all takes every
# language; CORVANE_SCREENSHOT_MANUAL=1 also shoots the Manual mode of the MMS and e-mail dialogs;
# CORVANE_SCREENSHOT_HOME is the home folder the folder fields show (the README's picture: /media/anna/CARD).
# CORVANE_SCREENSHOT_RESULT=1 also generates the camera dialog's menu.dat and shoots the result message. Run
# through tests/card/fat_card.sh to see the dialogs with a memory card mounted:
#   tests/card/fat_card.sh run scripts/screenshots.sh camera build/dev/src/corvane /tmp/shots
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dialogs=${1:-all}
program=${2:-$root/build/test/src/corvane}
out=${3:-$root/build/screenshots}
timeout_s=${CORVANE_SCREENSHOT_TIMEOUT:-60}
case "$dialogs" in
camera | mms | smtp) ;;
all) dialogs="camera mms smtp" ;;
*)
    echo "usage: $0 [camera|mms|smtp|all] [path to corvane] [output folder]" >&2
    exit 2
    ;;
esac
[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }
mkdir -p "$out"

source "$root/tests/e2e/xvfb_session.sh"
start_xvfb 1600x1200

# Keys from the main window's first control (the language list) to the dialog's setup button.
declare -A to_button=([camera]="Tab Tab" [mms]="Tab Tab Tab" [smtp]="Tab Tab Tab Tab")
# Keys from the dialog's first focus to its mode list, then choosing "Manual".
declare -A to_manual=([mms]="Down" [smtp]="Tab Tab Tab Tab Tab Tab Down")

shoot() { # window id, picture name
    sleep 0.5
    import -window "$1" "$out/$2.png"
    echo "$out/$2.png"
}

# name, system locale, stored language
all_shots=(
    "chinese zh_CN.UTF-8 1"
    "english en_US.UTF-8 2"
    "german en_US.UTF-8 3"
    "finnish en_US.UTF-8 4"
    "italian en_US.UTF-8 5"
    "french en_US.UTF-8 6"
    "hungarian en_US.UTF-8 7"
    "slovenian en_US.UTF-8 8"
    "czech en_US.UTF-8 9"
    "japanese en_US.UTF-8 10"
)
wanted=" ${CORVANE_SCREENSHOT_LANGUAGES:-english chinese japanese german} "
for dialog in $dialogs; do
    for shot in "${all_shots[@]}"; do
        read -r name locale language <<<"$shot"
        [ "$wanted" = " all " ] || [[ "$wanted" == *" $name "* ]] || continue
        for model in 4 3; do
            family=$([ "$model" = 4 ] && echo 8620 || echo 8520)
            # The folder field shows the home folder; CORVANE_SCREENSHOT_HOME picks a readable one.
            export HOME="${CORVANE_SCREENSHOT_HOME:-$work/home-$dialog-$name-$model}"
            export XDG_CONFIG_HOME="$HOME/config"
            mkdir -p "$XDG_CONFIG_HOME/Corvane"
            printf 'language=%s\nmodel=%s\nTvMode=0\nCompany=Corvane\n' "$language" "$model" \
                >"$XDG_CONFIG_HOME/Corvane/Corvane.conf"

            LANG=$locale "$program" >"$work/app.log" 2>&1 &
            app_pid=$!
            focus_window '^Corvane$' >/dev/null
            # shellcheck disable=SC2086 # the key lists are split on purpose
            xdotool key --clearmodifiers ${to_button[$dialog]} space
            wid=$(focus_window "^Corvane $family\$")
            shoot "$wid" "$dialog-$family-$name"
            if [ "${CORVANE_SCREENSHOT_MANUAL:-0}" = 1 ] && [ -n "${to_manual[$dialog]:-}" ]; then
                # shellcheck disable=SC2086
                xdotool key --clearmodifiers ${to_manual[$dialog]}
                shoot "$wid" "$dialog-$family-$name-manual"
            fi
            if [ "${CORVANE_SCREENSHOT_RESULT:-0}" = 1 ] && [ "$dialog" = camera ]; then
                # Enter on the first list presses Generate; Enter closes the result message.
                xdotool key --clearmodifiers Return
                shoot "$(focus_window '^Corvane$')" "$dialog-$family-$name-result"
                xdotool key --clearmodifiers Return
                focus_window "^Corvane $family\$" >/dev/null
            fi
            xdotool key --clearmodifiers Escape
            focus_window '^Corvane$' >/dev/null
            xdotool key --clearmodifiers Escape
            wait_for "program to end" bash -c "! kill -0 $app_pid 2>/dev/null"
            wait "$app_pid" 2>/dev/null || true
            app_pid=
        done
    done
done
