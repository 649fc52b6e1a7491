#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with warnings as errors and
# AddressSanitizer + UndefinedBehaviorSanitizer in build/test, and runs every test headless; then
# cross-builds the Windows program in build/windows and runs its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

echo "== formatting (clang-format $(clang-format --version | grep -o '[0-9][0-9.]*' | head -n 1))"
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

echo "== build"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCORVANE_WERROR=ON -DCORVANE_SANITIZE=ON \
    -DCORVANE_BUILD_BENCH=ON >/dev/null
cmake --build build/test -j"$(nproc)"

echo "== tests"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
(
    cd build/test
    ctest --output-on-failure -j"$(nproc)" --timeout 600
)

echo "== Windows build and its tests under Wine"
scripts/build-windows.sh --test
