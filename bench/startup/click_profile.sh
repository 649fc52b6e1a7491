#!/usr/bin/env bash
# Instructions from clicking a setup button to the setup dialog's map request, in corvane and in the bare
# program, counted by callgrind under an Xvfb of its own (a fresh home each, "Vyn 8620MG" remembered).
# The count starts when the button emits clicked() and stops when the program asks the X server to map
# the dialog; the X server's own work and waits for the disk are not in it.
#
#   click_profile.sh [--keep FOLDER] [--corvane PROGRAM] BUILD_DIR [camera|mms|smtp ...]
#
# Prints one line per dialog and program. With --keep, the callgrind files stay in FOLDER
# (callgrind_annotate FOLDER/real-camera.out shows where the instructions went). PROGRAM: another build
# of corvane, to compare (default BUILD_DIR/src/corvane).
set -euo pipefail

keep=
real=
while [ $# -gt 0 ]; do
    case $1 in
        --keep) keep=$(mkdir -p "$2" && cd "$2" && pwd); shift 2 ;;
        --corvane) real=$(realpath "$2"); shift 2 ;;
        -h | --help) sed -n '2,13p' "$0"; exit 0 ;;
        *) break ;;
    esac
done
[ $# -ge 1 ] || { echo "usage: $0 [--keep FOLDER] [--corvane PROGRAM] BUILD_DIR [camera|mms|smtp ...]" >&2; exit 2; }
build=$(cd "$1" && pwd)
shift
dialogs=("$@")
[ ${#dialogs[@]} -gt 0 ] || dialogs=(camera mms smtp)
here=$(cd "$(dirname "$0")" && pwd)

command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

timeout_s=600
# shellcheck source=bench/startup/bench_session.sh
source "$here/bench_session.sh"
out=${keep:-$work/out}
mkdir -p "$out"

# profile NAME BUTTON PROGRAM...: the part from clicked() to the dialog's map request, in NAME.out
profile() {
    local name=$1 button=$2
    shift 2
    rm -rf "$work/run" "$work/dumps"
    mkdir -p "$work/run/home" "$work/run/config/Corvane" "$work/dumps"
    printf '[General]\nmodel=4\n' >"$work/run/config/Corvane/Corvane.conf"
    HOME=$work/run/home XDG_CONFIG_HOME=$work/run/config "$probe" --timeout "$timeout_s" --settle 3000 \
        --title Corvane --click "$(button_point "$button")" --then "$setup_title" -- \
        valgrind --tool=callgrind --zero-before='QAbstractButton::clicked*' --dump-before=xcb_map_window \
        --callgrind-out-file="$work/dumps/cg.%p" "$@" >/dev/null 2>"$work/probe.err" ||
        fail "$name: $(cat "$work/probe.err")"
    # Dumps: .1 at the main window's map, .2 at the dialog's; the last file is what ran after it.
    cp "$(find "$work/dumps" -name 'cg.*.2' | head -n 1)" "$out/$name.out" || fail "$name: no dump at the dialog's map"
    awk -v name="$name" '/^summary:/ { printf "%-14s %12d instructions\n", name, $2 }' "$out/$name.out"
}

for dialog in "${dialogs[@]}"; do
    case $dialog in
        camera) button=1 ;;
        mms) button=2 ;;
        smtp) button=3 ;;
        *) fail "unknown dialog $dialog" ;;
    esac
    profile "bare-$dialog" "$button" "${bare_cmd[@]}"
    profile "real-$dialog" "$button" "$real"
done
