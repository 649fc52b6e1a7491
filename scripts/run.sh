#!/usr/bin/env bash
# Installs what is missing, builds the program in build/release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target corvane

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Corvane is built (build/release/src/corvane) but cannot start: this session has no graphical display." >&2
    exit 1
fi
exec build/release/src/corvane "$@"
