#!/usr/bin/env bash
# Screenshots of the Windows program under Wine, in English, Chinese and Japanese: the main window and the
# camera, MMS and e-mail setup dialogs (model Vyn 8620MG), each from a fresh start in a private prefix with
# the CJK font a Chinese or Japanese Windows has (tests/e2e/wine/wine_session.sh). Chinese runs on a
# Chinese system (zh_CN), Japanese is the language stored in the preferences.
#   scripts/screenshots-windows.sh [--bare] [corvane.exe] [output folder]
# Defaults: build/windows/corvane.exe and docs/windows. --bare: the program is the bare main window of
# bench/windows_startup (main windows only, its language by --lang).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bare=0
if [ "${1:-}" = --bare ]; then
    bare=1
    shift
fi
program=$(realpath "${1:-$root/build/windows/corvane.exe}")
out=${2:-$root/docs/windows}
timeout_s=${CORVANE_SCREENSHOT_TIMEOUT:-90}
[ -f "$program" ] || { echo "no program at $program (build it first: scripts/build-windows.sh)" >&2; exit 1; }
command -v import >/dev/null || { echo "import is missing (Debian package imagemagick)" >&2; exit 1; }
mkdir -p "$out"
out=$(realpath "$out")

# shellcheck source=tests/e2e/wine/wine_session.sh
source "$root/tests/e2e/wine/wine_session.sh"
start_wine 1280x1024

shoot() { # window id, picture name
    sleep 0.5  # the first paint after the map
    screenshot "$1" "$out/$2.png"
    echo "$out/$2.png"
}

preferences='HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Corvane.exe'
# Starts the program with the stored language and model 8620MG.
start_corvane() { # locale, language
    wine_quiet reg delete "$preferences" /f || true
    wine_quiet reg add "$preferences" /v language /t REG_DWORD /d "$2" /f
    wine_quiet reg add "$preferences" /v model /t REG_DWORD /d 4 /f
    start_windows_program "$1" "$program"
}

# Keys from the main window's first control (the language list) to each setup button.
declare -A to_button=([camera]="Tab Tab" [mms]="Tab Tab Tab" [smtp]="Tab Tab Tab Tab")

# name, system locale, stored language, the bare program's --lang
for shot in "english en_US.UTF-8 2 en" "chinese zh_CN.UTF-8 1 zh" "japanese en_US.UTF-8 10 ja"; do
    read -r name locale language lang <<<"$shot"
    if [ "$bare" = 1 ]; then
        start_windows_program "$locale" "$program" --lang "$lang"
        shoot "$(focus_window '^Corvane$')" "bare-main-$name"
        keys Escape
        wait_for "program to end" bash -c "! kill -0 $app_pid 2>/dev/null"
        app_pid=
        continue
    fi
    start_corvane "$locale" "$language"
    shoot "$(focus_window '^Corvane$')" "main-$name"
    keys Escape
    expect_program_end
    for dialog in camera mms smtp; do
        start_corvane "$locale" "$language"
        focus_window '^Corvane$' >/dev/null
        # shellcheck disable=SC2086 # the key list is split on purpose
        keys ${to_button[$dialog]} space
        shoot "$(focus_window '^Corvane 8620$')" "$dialog-8620-$name"
        keys Escape
        focus_window '^Corvane$' >/dev/null
        keys Escape
        expect_program_end
    done
done
