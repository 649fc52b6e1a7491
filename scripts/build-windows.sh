#!/usr/bin/env bash
# Cross-builds the Windows program with mingw-w64 in build/windows (Release, statically linked: nothing to
# ship but the two files) and copies corvane.exe and corvane-inspect.exe to the top of build/windows.
#   scripts/build-windows.sh          build
#   scripts/build-windows.sh --test   build, then build the Windows tests and run them under Wine
#   scripts/build-windows.sh --package  build, then make the installer and the portable archive in
#                                       build/windows (corvane-<version>-win64-setup.exe and -win64.zip)
# CORVANE_WINDOWS_PROGRAM=OFF in the environment builds corvane-inspect.exe alone.
set -euo pipefail
cd "$(dirname "$0")/.."

run_tests=0
package=0
case "${1:-}" in
"") ;;
--test) run_tests=1 ;;
--package) package=1 ;;
*)
    echo "usage: $0 [--test|--package]" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh windows
# The test e-mail's libcurl (SMTP, Schannel) from Debian's curl source; made once, then kept.
scripts/build-curl-windows.sh build/windows/curl

jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
program=${CORVANE_WINDOWS_PROGRAM:-ON}

echo "== configure build/windows"
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCORVANE_WERROR=ON -DCORVANE_WINDOWS_PROGRAM="$program" \
    -DCORVANE_WINDOWS_CURL_PREFIX="$PWD/build/windows/curl" \
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

if [ "$package" = 1 ]; then
    echo "== packages"
    (cd build/windows && cpack --config CPackConfig.cmake -B . >/dev/null)
    ls build/windows/corvane-*-win64-setup.exe build/windows/corvane-*-win64.zip
fi

if [ "$run_tests" = 1 ]; then
    echo "== Windows tests (under Wine)"
    cmake --build build/windows -j"$jobs"
    cd build/windows
    ctest --output-on-failure -j"$jobs" --timeout 600
fi
