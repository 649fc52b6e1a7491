#!/usr/bin/env bash
# Builds a static libcurl for the Windows program from Debian's curl source package, with the mingw-w64
# cross compiler: SMTP and SMTPS only, Windows' own TLS (Schannel) and IPv6, nothing else (no FTP, IMAP,
# LDAP, SSH, IDN, zlib, brotli ...).
#
#   scripts/build-curl-windows.sh [PREFIX]     (default PREFIX: build/windows/curl)
#
# The version is the one of Debian's libcurl4-openssl-dev on this machine, so the Windows program and the
# Linux one speak through the same curl with the same Debian patches. The source comes from Debian's
# archive through `apt-get source` with a package list of the build's own (the machine's sources are left
# alone); apt checks the files against the archive's signed index, and dpkg-source against the .dsc when it
# unpacks them and applies Debian's patches.
#
# The result is kept in PREFIX (include/, lib/libcurl.a) with a stamp of the version and the options; a
# second run with the same ones does nothing. CMake finds it through -DCORVANE_WINDOWS_CURL_PREFIX=PREFIX
# (default build/windows/curl), so scripts/build-windows.sh runs this before configuring its build folder.
# Needs apt-get, dpkg-source (dpkg-dev), cmake and the mingw-w64 compiler.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(realpath -m "${1:-$root/build/windows/curl}")
work="$prefix.work"
toolchain="$root/cmake/toolchains/mingw-w64-x86_64.cmake"

version=${CORVANE_CURL_VERSION:-$(dpkg-query -W -f='${source:Version}' libcurl4-openssl-dev 2>/dev/null || true)}
if [ -z "$version" ]; then
    echo "build-curl-windows: libcurl4-openssl-dev is not installed, so the curl version to build is unknown" \
        "(run scripts/install-deps.sh, or set CORVANE_CURL_VERSION)" >&2
    exit 1
fi
upstream=${version#*:}
upstream=${upstream%-*}

# Every protocol but SMTP is left out; so are the optional libraries. CURL_USE_SCHANNEL takes Windows' TLS.
# ENABLE_UNICODE: file names (the CA file) go through the W functions, so any folder name works.
# HTTP stays: Debian's security patches have the SMTP code call a header-size check that lives in the HTTP
# code (without it libcurl.a has an unresolved symbol). The program allows only smtp and smtps on each
# transfer (CURLOPT_PROTOCOLS_STR).
cmake_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DBUILD_CURL_EXE=OFF
    -DBUILD_TESTING=OFF
    -DCURL_USE_SCHANNEL=ON
    -DCURL_USE_OPENSSL=OFF
    -DCURL_WINDOWS_SSPI=ON
    -DENABLE_IPV6=ON
    -DENABLE_UNICODE=ON
    -DENABLE_UNIX_SOCKETS=OFF
    -DCURL_ZLIB=OFF
    -DCURL_BROTLI=OFF
    -DCURL_ZSTD=OFF
    -DUSE_NGHTTP2=OFF
    -DUSE_LIBIDN2=OFF
    -DUSE_WIN32_IDN=OFF
    -DCURL_USE_LIBSSH2=OFF
    -DCURL_USE_LIBSSH=OFF
    -DCURL_USE_GSSAPI=OFF
    -DCURL_USE_LIBPSL=OFF
    -DCURL_DISABLE_LDAP=ON
    -DCURL_DISABLE_LDAPS=ON
    -DCURL_DISABLE_HTTP=OFF
    -DCURL_DISABLE_FTP=ON
    -DCURL_DISABLE_FILE=ON
    -DCURL_DISABLE_DICT=ON
    -DCURL_DISABLE_TELNET=ON
    -DCURL_DISABLE_TFTP=ON
    -DCURL_DISABLE_RTSP=ON
    -DCURL_DISABLE_POP3=ON
    -DCURL_DISABLE_IMAP=ON
    -DCURL_DISABLE_GOPHER=ON
    -DCURL_DISABLE_MQTT=ON
    -DCURL_DISABLE_SMB=ON
    -DCURL_DISABLE_SMTP=OFF
    -DCURL_DISABLE_COOKIES=ON
    -DCURL_DISABLE_ALTSVC=ON
    -DCURL_DISABLE_HSTS=ON
    -DCURL_DISABLE_NTLM=ON
    -DCURL_DISABLE_NETRC=ON
)
stamp_text="curl $version
$(printf '%s\n' "${cmake_options[@]}")
$(x86_64-w64-mingw32-gcc-posix -dumpfullversion 2>/dev/null || echo no-compiler)"

if [ -f "$prefix/lib/libcurl.a" ] && [ "$(cat "$prefix/.stamp" 2>/dev/null)" = "$stamp_text" ]; then
    echo "build-curl-windows: curl $version is built in $prefix"
    exit 0
fi
command -v x86_64-w64-mingw32-gcc-posix >/dev/null || {
    echo "build-curl-windows: x86_64-w64-mingw32-gcc-posix is missing (scripts/install-deps.sh windows)" >&2
    exit 1
}

rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"
cat >"$work/apt/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
EOF
apt_options=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache"
    -o Debug::NoLocking=1
)
echo "build-curl-windows: fetching Debian's curl $version source"
apt-get "${apt_options[@]}" update -qq
(cd "$work/src" && apt-get "${apt_options[@]}" source --download-only "curl=$version")

dsc="$work/src/curl_${version#*:}.dsc"
[ -f "$dsc" ] || {
    echo "build-curl-windows: $dsc was not fetched" >&2
    exit 1
}
# The files against the .dsc's own list (dpkg-source checks them again while unpacking).
(
    cd "$work/src"
    sed -n '/^Checksums-Sha256:/,/^[^ ]/{/^ /p}' "$dsc" | while read -r sum _ name; do
        echo "$sum  $name"
    done | sha256sum --check --strict --quiet
)
dpkg-source --no-copy -x "$dsc" "$work/src/curl"

echo "build-curl-windows: building libcurl $upstream for Windows (SMTP, Schannel, IPv6)"
cmake -S "$work/src/curl" -B "$work/build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${cmake_options[@]}" >"$work/configure.log" ||
    {
        tail -40 "$work/configure.log" >&2
        exit 1
    }
cmake --build "$work/build" -j2 >"$work/build.log" || {
    tail -40 "$work/build.log" >&2
    exit 1
}
cmake --install "$work/build" >/dev/null
# A program linked against it proves every symbol resolves (a left-out part of curl can leave one open).
printf '%s\n' '#define CURL_STATICLIB' '#include <curl/curl.h>' \
    'int main(void) { CURL *c = curl_easy_init(); curl_easy_cleanup(c); return 0; }' >"$work/link_check.c"
x86_64-w64-mingw32-gcc-posix -static -I"$prefix/include" "$work/link_check.c" -o "$work/link_check.exe" \
    "$prefix/lib/libcurl.a" -lws2_32 -lcrypt32 -lbcrypt -ladvapi32 -lwinmm || {
    echo "build-curl-windows: a program does not link against the built libcurl" >&2
    rm -rf "$prefix"
    exit 1
}
# What was built, for anyone who wonders where the library came from.
cp "$dsc" "$prefix/"
printf '%s\n' "$stamp_text" >"$prefix/.stamp"
rm -rf "$work"
echo "build-curl-windows: curl $version is built in $prefix"
