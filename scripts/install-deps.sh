#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing; uses sudo when not run as root.
#   scripts/install-deps.sh run    what building and running the program need
#   scripts/install-deps.sh windows what cross-building the Windows program and testing it under Wine need
#   scripts/install-deps.sh [test] all of the above, plus what the tests, benchmarks, fuzzers, screenshots
#                                  and the package check need (the default)
set -euo pipefail

# Building (compiler, Qt, the X protocol library for window icons, udev and blkid for the format of
# FUSE-mounted cards, manual pages) and running (the CJK font of the dialogs, Qt's own translations).
run_packages=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev libxcb1-dev
    libcurl4-openssl-dev
    libudev-dev libblkid-dev
    libtomlplusplus-dev
    help2man txt2man
    fonts-wqy-microhei qt6-translations-l10n
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev libxcb-xtest0-dev
    python3 python3-aiosmtpd openssl ccache
    clang clang-format libfuzzer-14-dev libclang-rt-14-dev
    xvfb xauth xdotool x11-utils imagemagick dbus-daemon
    desktop-file-utils appstream lintian
    dosfstools fusefat exfatprogs exfat-fuse
)

# The Windows program: the mingw-w64 cross compiler (posix threads), toml++'s headers, GoogleTest's sources
# to build with it, Python for the icon file, dpkg-source for libcurl from Debian's curl source, NSIS and
# unzip for the installer and the archive, and Wine with an X server, xdotool, the X utilities, a Chinese
# locale's sources and a CJK font to run and drive it; OpenSSL and aiosmtpd for the test e-mail's servers.
windows_packages=(
    cmake ccache g++-mingw-w64-x86-64-posix libtomlplusplus-dev googletest python3 dpkg-dev
    wine wine64 xvfb xauth xdotool x11-utils locales fonts-wqy-microhei nsis unzip
    openssl python3-aiosmtpd
)

case "${1:-test}" in
run) packages=("${run_packages[@]}") ;;
windows) packages=("${windows_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
*)
    echo "usage: $0 [run|windows|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "These Debian packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
