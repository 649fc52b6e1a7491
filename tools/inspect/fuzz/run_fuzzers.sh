#!/bin/sh
# Builds the inspector's libFuzzer targets with clang and runs each for a bounded time or number of runs.
#   run_fuzzers.sh SOURCE_DIR WORK_DIR [SECONDS_PER_TARGET | runs=N] [SEED_DIR]
# SEED_DIR holds one folder per target (menu, setup, smtp) of valid files to start from. With a time, the
# corpus grown in WORK_DIR is kept, so later runs start where earlier ones stopped. With runs=N each target
# runs exactly N inputs from a fresh corpus of the seeds with a fixed random seed: the same inputs every
# time, as a test needs. Exit 77 (skipped) without clang.
set -eu

src=$1
work=$2
budget=${3:-10}
seeds=${4:-}
cxx=${CORVANE_FUZZ_CXX:-clang++-14}

if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "skipped: $cxx not found"
    exit 77
fi

mkdir -p "$work"
common="-std=c++20 -g -O1 -fno-omit-frame-pointer -I$src/tools -I$src/src"
sanitize="address,undefined"
for unit in src/decoder/decoder src/decoder/setup_file_reader src/platform/linux/regular_file tools/inspect/report; do
    "$cxx" $common -fsanitize=fuzzer-no-link,$sanitize -fno-sanitize-recover=all \
        -c "$src/$unit.cpp" -o "$work/$(basename "$unit").o"
done

for target in menu setup smtp; do
    "$cxx" $common -fsanitize=fuzzer,$sanitize -fno-sanitize-recover=all \
        "$src/tools/inspect/fuzz/fuzz_$target.cpp" "$work/decoder.o" "$work/setup_file_reader.o" "$work/regular_file.o" \
        "$work/report.o" \
        -o "$work/fuzz_$target"
    corpus="$work/corpus_$target"
    case $budget in
    runs=*)
        rm -rf "$corpus"
        limit="-runs=${budget#runs=} -seed=1"
        ;;
    *) limit="-max_total_time=$budget" ;;
    esac
    mkdir -p "$corpus"
    if [ -n "$seeds" ] && [ -d "$seeds/$target" ]; then
        cp "$seeds/$target"/* "$corpus"/
    fi
    echo "fuzzing $target: $limit"
    # -timeout catches an input that hangs; -max_len covers the sizes around the 720-byte files.
    # shellcheck disable=SC2086 # $limit is one or two options
    "$work/fuzz_$target" $limit -timeout=5 -max_len=1024 -print_final_stats=1 \
        -artifact_prefix="$work/crash_$target-" "$corpus"
done
