#!/usr/bin/env bash
# Cross-builds the Windows program with mingw-w64 in build/windows (Release, statically linked: nothing to
# ship but the two files) and copies corvane.exe and corvane-inspect.exe to the top of build/windows.
#   scripts/build-windows.sh          build
#   scripts/build-windows.sh --test   build, then build the Windows tests and run them under Wine
# CORVANE_WINDOWS_PROGRAM=OFF in the environment builds corvane-inspect.exe alone.
set -euo pipefail
cd "$(dirname "$0")/.."

run_tests=0
case "${1:-}" in
"") ;;
--test) run_tests=1 ;;
*)
    echo "usage: $0 [--test]" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh windows

jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
program=${CORVANE_WINDOWS_PROGRAM:-ON}

echo "== configure build/windows"
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCORVANE_WERROR=ON -DCORVANE_WINDOWS_PROGRAM="$program" \
    -DCORVANE_BUILD_TESTS="$([ "$run_tests" = 1 ] && echo ON || echo OFF)" "${launcher[@]}" >/dev/null

echo "== build"
targets=(corvane-inspect)
if [ "$program" = ON ]; then
    targets+=(corvane)
fi
cmake --build build/windows -j"$jobs" --target "${targets[@]}"
for target in "${targets[@]}"; do
    exe=$(find build/windows/src build/windows/tools -name "$target.exe" -type f | head -n 1)
    [ -n "$exe" ] || { echo "build-windows.sh: $target.exe was not built" >&2; exit 1; }
    cp "$exe" build/windows/
    echo "build/windows/$target.exe"
done

if [ "$run_tests" = 1 ]; then
    echo "== Windows tests (under Wine)"
    cmake --build build/windows -j"$jobs"
    cd build/windows
    ctest --output-on-failure -j"$jobs" --timeout 600
fi
