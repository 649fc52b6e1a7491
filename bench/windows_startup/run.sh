#!/usr/bin/env bash
# Start-up of corvane.exe against the bare Win32 main window of the same shape, side by side under Wine:
# one Xvfb, one private prefix whose wineserver stays up (-p) so that every start finds Wine alike. Each
# run is timed from starting `wine PROGRAM` to the X server mapping the window titled "Corvane"
# (bench/startup/map_probe.cpp, which watches the server's map events); the programs alternate and swap
# places every round, after Wine has settled and two unmeasured starts of each.
#
#   bench/windows_startup/run.sh [--runs N] [--probe MAP_PROBE] CORVANE_EXE BARE_EXE
#
# N defaults to $CORVANE_STARTUP_RUNS or 20. MAP_PROBE: a built corvane_map_probe; without it the probe
# is compiled into the work folder (g++, libxcb and libxcb-xtest headers). Prints the medians (quartiles),
# the ratio of the medians corvane / bare and the median of the ratios within a round (target <= 1.10x),
# for the wall-clock time and for the CPU time of the process (less disturbed by other work on the machine).
# The window sizes in pixels are printed; with the same shape they agree (a difference is noted).
set -euo pipefail

runs=${CORVANE_STARTUP_RUNS:-20}
probe=
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=$2; shift 2 ;;
        --probe) probe=$(realpath "$2"); shift 2 ;;
        -h | --help) sed -n '2,14p' "$0"; exit 0 ;;
        *) break ;;
    esac
done
[ $# -eq 2 ] || { echo "usage: $0 [--runs N] [--probe MAP_PROBE] CORVANE_EXE BARE_EXE" >&2; exit 2; }
real=$(realpath "$1")
bare=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)

timeout_s=60
# shellcheck source=tests/e2e/wine/wine_session.sh
source "$here/../../tests/e2e/wine/wine_session.sh"

if [ -z "$probe" ]; then
    probe=$work/map_probe
    g++ -std=c++20 -O2 -o "$probe" "$here/../startup/map_probe.cpp" -lxcb -lxcb-xtest ||
        fail "cannot build the map probe (g++, libxcb1-dev, libxcb-xtest0-dev)"
fi

start_wine 1280x1024
mkdir -p "$work/results"

# run NAME PROGRAM: one start; the probe's line goes to results/NAME.
run() {
    LANG=C.UTF-8 "$probe" --timeout "$timeout_s" --title Corvane -- wine "$2" >>"$work/results/$1" \
        2>"$work/probe.err" || fail "$1: $(cat "$work/probe.err")"
}

echo "windows start-up bench: $runs rounds of alternating runs under Wine (display $DISPLAY)" >&2
# A fresh prefix settles for a minute or so after wineboot: meanwhile some starts take about ten seconds
# (seen with Wine 8.0). Start the bare program until two starts in a row map within a second, then each
# program twice more, unmeasured.
fast=0
for ((tries = 0; fast < 2; tries++)); do
    ((tries < 40)) || fail "Wine did not settle: $(tail -n 3 "$work/results/settle")"
    run settle "$bare"
    ms=$(sed -n 's/.*\bmap_ms=\([0-9]*\).*/\1/p' "$work/results/settle" | tail -n 1)
    if ((ms < 1000)); then fast=$((fast + 1)); else fast=0; fi
done
for _ in 1 2; do
    run warmup-bare "$bare"
    run warmup-real "$real"
done
for ((round = 1; round <= runs; round++)); do
    if ((round % 2)); then
        run bare "$bare"
        run real "$real"
    else
        run real "$real"
        run bare "$bare"
    fi
    printf '.' >&2
done
echo >&2

sizes=$(cat "$work/results/bare" "$work/results/real" | grep -oE 'size=[0-9x]+' | sort -u | tr '\n' ' ')
[ "$(wc -w <<<"$sizes")" -eq 1 ] || echo "note: the main windows differ in size: $sizes" >&2

values() { sed -n "s/.*\b$2=\([0-9.]*\).*/\1/p" "$work/results/$1"; }
# median p25 p75 of the numbers on stdin
stats() {
    sort -g | awk '{ v[NR] = $1 }
        function q(p,  r, i, f) { r = 1 + p * (NR - 1); i = int(r); f = r - i; return i < NR ? v[i] + f * (v[i + 1] - v[i]) : v[NR] }
        END { printf "%s %s %s", q(0.5), q(0.25), q(0.75) }'
}
# row LABEL FIELD TARGET: medians (quartiles) of both, ratio of the medians, median of the ratios of a round
row() {
    local b r paired
    read -r -a b <<<"$(values bare "$2" | stats)"
    read -r -a r <<<"$(values real "$2" | stats)"
    paired=$(paste <(values real "$2") <(values bare "$2") | awk '{ print $1 / $2 }' | stats)
    awk -v label="$1" -v b0="${b[0]}" -v b1="${b[1]}" -v b2="${b[2]}" -v r0="${r[0]}" -v r1="${r[1]}" \
        -v r2="${r[2]}" -v p="${paired%% *}" -v target="$3" 'BEGIN {
        printf "| %s | %.0f (%.0f-%.0f) | %.0f (%.0f-%.0f) | %.2fx | %.2fx | %s |\n",
            label, b0, b1, b2, r0, r1, r2, r0 / b0, p, target }'
}

echo
echo "Medians of $runs runs each under Wine (quartiles in brackets); ratio = corvane.exe / bare, of the"
echo "medians and the median of the ratios within each round. Window sizes: $sizes"
echo
echo "| measure | bare Win32 | corvane.exe | ratio | paired ratio | target |"
echo "|---|---|---|---|---|---|"
row "main window mapped after start, ms" map_ms "<= 1.10x"
row "CPU time of the process to then, ms" cpu_ms "-"
