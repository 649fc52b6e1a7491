#!/usr/bin/env bash
# Screenshots of the MMS setup dialog, both families, in English, Chinese, Japanese and German,
# taken from the real program under Xvfb. The pictures go outside git.
#   scripts/screenshots-mms.sh [path to corvane] [output folder]
# Defaults: build/test/src/corvane and build/screenshots. CORVANE_SCREENSHOT_LANGUAGES=all takes every
# language; CORVANE_SCREENSHOT_MANUAL=1 also shoots the Manual mode.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/test/src/corvane}
out=${2:-$root/build/screenshots}
timeout_s=${CORVANE_SCREENSHOT_TIMEOUT:-60}
[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }
mkdir -p "$out"

source "$root/tests/e2e/xvfb_session.sh"
start_xvfb 1600x1200

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
for shot in "${all_shots[@]}"; do
    read -r name locale language <<<"$shot"
    [ "$wanted" = " all " ] || [[ "$wanted" == *" $name "* ]] || continue
    for model in 4 3; do
        family=$([ "$model" = 4 ] && echo 8620 || echo 8520)
        export HOME="$work/home-$name-$model"
        export XDG_CONFIG_HOME="$HOME/config"
        mkdir -p "$XDG_CONFIG_HOME/Corvane"
        printf 'language=%s\nmodel=%s\nTvMode=0\nCompany=Corvane\n' "$language" "$model" \
            >"$XDG_CONFIG_HOME/Corvane/Corvane.conf"

        LANG=$locale "$program" >"$work/app.log" 2>&1 &
        app_pid=$!
        focus_window '^Corvane$' >/dev/null
        # language list -> model list -> camera, MMS, SMTP button
        xdotool key --clearmodifiers Tab Tab Tab space
        wid=$(focus_window "^Corvane $family\$")
        sleep 0.5
        import -window "$wid" "$out/mms-$family-$name.png"
        echo "$out/mms-$family-$name.png"
        if [ "${CORVANE_SCREENSHOT_MANUAL:-0}" = 1 ]; then
            # the mode list has the focus: Down chooses "Manual"
            xdotool key --clearmodifiers Down
            sleep 0.5
            import -window "$wid" "$out/mms-$family-$name-manual.png"
            echo "$out/mms-$family-$name-manual.png"
        fi
        xdotool key --clearmodifiers Escape
        focus_window '^Corvane$' >/dev/null
        xdotool key --clearmodifiers Escape
        wait_for "program to end" bash -c "! kill -0 $app_pid 2>/dev/null"
        wait "$app_pid" 2>/dev/null || true
        app_pid=
    done
done
