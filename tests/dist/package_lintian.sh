#!/usr/bin/env bash
# Builds the Debian package from a Release build of its own and runs lintian on it: no errors, no
# warnings, no hardening findings. Also checks that the package carries what a user needs.
#   package_lintian.sh SOURCE_DIR WORK_DIR [C++ compiler launcher]
# Exit 77 (skipped) when cpack, dpkg-deb or lintian is missing.
set -uo pipefail

src=$1
work=$2
launcher=${3:-}
for tool in cpack dpkg-deb lintian; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool not found"; exit 77; }
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

build="$work/build"
mkdir -p "$build"
# A build of its own: the shipped binaries are optimised, hardened and not sanitized.
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF \
    ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log"; fail "configure"; }
cmake --build "$build" -j"$(nproc)" >"$work/build.log" 2>&1 || { tail -n 50 "$work/build.log"; fail "build"; }
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/*.deb)
echo "package: $deb"

# Every finding is shown; errors, warnings, hardening and stripping findings (info level) fail the test.
lintian --info --display-info --pedantic --fail-on none "$deb" >"$work/lintian.log" 2>&1
status=$?
cat "$work/lintian.log"
[ "$status" -eq 0 ] || fail "lintian exited $status"
if grep -E '^[EW]: |hardening-|unstripped|unneeded-section' "$work/lintian.log" >/dev/null; then
    fail "lintian reports errors, warnings, missing hardening or unstripped binaries"
fi

dpkg-deb --contents "$deb" >"$work/contents"
for path in ./usr/bin/corvane ./usr/bin/corvane-inspect ./usr/bin/corvane-write \
    ./usr/share/man/man1/corvane.1.gz ./usr/share/man/man1/corvane-inspect.1.gz \
    ./usr/share/man/man1/corvane-write.1.gz \
    ./usr/share/doc/corvane/copyright ./usr/share/doc/corvane/changelog.gz \
    ./usr/share/applications/com.example.Corvane.desktop ./usr/share/metainfo/com.example.Corvane.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/com.example.Corvane.svg ./usr/lib/corvane/plugins/corvane-mail.so; do
    grep -q " $path\$" "$work/contents" || fail "the package lacks $path"
done
# The program loads libcurl with its mail module, only for a test e-mail; the package still depends on it.
dpkg-deb --extract "$deb" "$work/root"
if readelf -d "$work/root/usr/bin/corvane" | grep -q 'NEEDED.*libcurl'; then
    fail "corvane itself needs libcurl: it would load it at every start"
fi
readelf -d "$work/root/usr/lib/corvane/plugins/corvane-mail.so" | grep -q 'NEEDED.*libcurl' || fail "the mail module lacks libcurl"
depends=$(dpkg-deb --field "$deb" Depends)
[[ "$depends" == *libcurl* ]] || fail "Depends ($depends) lacks libcurl"
recommends=$(dpkg-deb --field "$deb" Recommends)
for package in fonts-wqy-microhei qt6-translations-l10n; do
    [[ ", $recommends," == *", $package,"* ]] || fail "Recommends ($recommends) lacks $package"
done
echo "lintian: no errors, warnings or hardening findings"
