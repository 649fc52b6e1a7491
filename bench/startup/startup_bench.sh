#!/usr/bin/env bash
# Start-up and dialog opening of corvane against bare Qt Widgets programs of the same shapes, under an
# Xvfb of its own. Each run starts one program with a fresh home and configuration folder; the bare and
# the real program alternate (and swap places every round) so that load from other work hits both alike.
#
#   startup_bench.sh [--runs N] [--corvane PROGRAM] BUILD_DIR
#
# N defaults to $CORVANE_STARTUP_RUNS or 20; PROGRAM (another build of corvane, to compare) to
# BUILD_DIR/src/corvane.
#
# Measures, from the X server's events (map_probe): the time from starting a program to its main window
# being mapped on a first start, with its peak resident memory (VmHWM) and CPU time at that moment; and,
# with model "Vyn 8620MG" remembered, the time (and CPU time) from clicking the camera, MMS and e-mail
# buttons to the setup dialog being mapped. Prints medians, quartiles and the ratios corvane / bare.
set -euo pipefail

runs=${CORVANE_STARTUP_RUNS:-20}
real=
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=$2; shift 2 ;;
        --corvane) real=$(realpath "$2"); shift 2 ;;
        -h | --help) sed -n '2,15p' "$0"; exit 0 ;;
        *) break ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: $0 [--runs N] [--corvane PROGRAM] BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

timeout_s=30
# shellcheck source=bench/startup/bench_session.sh
source "$here/bench_session.sh"
mkdir -p "$work/results"

# run NAME PREFS PROBE-ARGS... -- PROGRAM...: one start in a fresh home; PREFS is the preference file's
# content ("" for a first start). The probe's line goes to results/NAME.
run() {
    local name=$1 prefs=$2
    shift 2
    rm -rf "$work/run"
    mkdir -p "$work/run/home" "$work/run/config"
    if [ -n "$prefs" ]; then
        mkdir -p "$work/run/config/Corvane"
        printf '%s\n' "$prefs" >"$work/run/config/Corvane/Corvane.conf"
    fi
    HOME=$work/run/home XDG_CONFIG_HOME=$work/run/config "$probe" --timeout "$timeout_s" "$@" \
        >>"$work/results/$name" 2>"$work/probe.err" || fail "$name: $(cat "$work/probe.err")"
}

# pair NAME PREFS PROBE-ARGS...: the bare and the real program, in the order of this round.
pair() {
    local name=$1 prefs=$2
    shift 2
    if [ "$order" = bare-first ]; then
        run "bare-$name" "$prefs" "$@" -- "${bare_cmd[@]}"
        run "real-$name" "$prefs" "$@" -- "$real"
    else
        run "real-$name" "$prefs" "$@" -- "$real"
        run "bare-$name" "$prefs" "$@" -- "${bare_cmd[@]}"
    fi
}

model_8620mg=$'[General]\nmodel=4'
echo "startup bench: $runs rounds of alternating runs under Xvfb (display $DISPLAY)" >&2
for ((round = 1; round <= runs; round++)); do
    if ((round % 2)); then order="bare-first"; else order="real-first"; fi
    pair start "" --title Corvane
    pair camera "$model_8620mg" --title Corvane --click "$(button_point 1)" --then "$setup_title"
    pair mms "$model_8620mg" --title Corvane --click "$(button_point 2)" --then "$setup_title"
    pair smtp "$model_8620mg" --title Corvane --click "$(button_point 3)" --then "$setup_title"
    printf '.' >&2
done
echo >&2

# Same shapes: each window has the same size in pixels in both programs, in every run.
for name in start camera mms smtp; do
    for field in size click_size; do
        sizes=$(cat "$work/results/bare-$name" "$work/results/real-$name" | { grep -oE "(^| )$field=[0-9x]+" || true; } |
            sed 's/.*=//' | sort -u | tr '\n' ' ')
        [ "$(wc -w <<<"$sizes")" -le 1 ] || fail "$name: $field differs between the programs: $sizes"
    done
done


# values NAME FIELD: one number a line
values() { sed -n "s/.*\b$2=\([0-9.]*\).*/\1/p" "$work/results/$1"; }

# stats: median p25 p75 of the numbers on stdin (linear interpolation between ranks)
stats() {
    sort -g | awk '{ v[NR] = $1 }
        function q(p,  r, i, f) { r = 1 + p * (NR - 1); i = int(r); f = r - i; return i < NR ? v[i] + f * (v[i + 1] - v[i]) : v[NR] }
        END { printf "%s %s %s", q(0.5), q(0.25), q(0.75) }'
}

# row LABEL NAME FIELD SCALE TARGET: medians (quartiles) of both, ratio of the medians, median of the
# ratios of the runs of one round.
row() {
    local label=$1 name=$2 field=$3 scale=$4 target=$5
    local b r paired
    read -r -a b <<<"$(values "bare-$name" "$field" | stats)"
    read -r -a r <<<"$(values "real-$name" "$field" | stats)"
    paired=$(paste <(values "real-$name" "$field") <(values "bare-$name" "$field") | awk '{ print $1 / $2 }' | stats)
    awk -v label="$label" -v s="$scale" -v b0="${b[0]}" -v b1="${b[1]}" -v b2="${b[2]}" -v r0="${r[0]}" \
        -v r1="${r[1]}" -v r2="${r[2]}" -v p="${paired%% *}" -v target="$target" 'BEGIN {
        printf "| %s | %.1f (%.1f-%.1f) | %.1f (%.1f-%.1f) | %.2fx | %.2fx | %s |\n",
            label, b0 / s, b1 / s, b2 / s, r0 / s, r1 / s, r2 / s, r0 / b0, p, target }'
}

echo
echo "Medians of $runs runs each (quartiles in brackets); ratio = corvane / bare, of the medians and the"
echo "median of the ratios within each round."
echo
echo "| measure | bare Qt | corvane | ratio | paired ratio | target |"
echo "|---|---|---|---|---|---|"
row "main window mapped after start, ms" start map_ms 1 "<= 1.15x"
row "CPU time to the main window, ms" start cpu_ms 1 "-"
row "peak resident memory then, MiB" start hwm_kb 1024 "<= 1.10x"
row "camera dialog mapped after click, ms" camera click_ms 1 "<= 1.15x"
row "MMS dialog mapped after click, ms" mms click_ms 1 "<= 1.15x"
row "e-mail dialog mapped after click, ms" smtp click_ms 1 "<= 1.15x"
row "CPU time click to camera dialog, ms" camera click_cpu_ms 1 "-"
row "CPU time click to MMS dialog, ms" mms click_cpu_ms 1 "-"
row "CPU time click to e-mail dialog, ms" smtp click_cpu_ms 1 "-"
