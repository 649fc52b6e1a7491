# Shared harness of the scripts that run Windows programs under Wine, on an X server of their own, as a
# user would. Source it after setting `timeout_s`; it builds on tests/e2e/xvfb_session.sh (work folder,
# failure reports, condition waits, keys) and adds:
#   start_wine WIDTHxHEIGHT   Xvfb, then a private prefix in the work folder (wineboot -i, the CJK font);
#                             its wineserver stays up (-p) until the end, so that each start is alike
#   start_windows_program LOCALE PROGRAM ARGS...   in the background, output in $work/app.log
#   window_size WID, click_du WID DLG_W DLG_H X Y, screenshot WID FILE
# A missing wine, Xvfb, xdotool or CJK font skips the test (exit 77) with the reason.
# shellcheck shell=bash

wine_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/xvfb_session.sh
source "$wine_here/../xvfb_session.sh"

cjk_font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

skip() {
    echo "skipped: $*"
    exit 77
}

# A failure also keeps a picture of the screen in CORVANE_E2E_FAILSHOT (a folder), if set.
eval "report_failure() $(declare -f fail | tail -n +2)"
fail() {
    if [ -n "${CORVANE_E2E_FAILSHOT:-}" ] && [ -n "${DISPLAY:-}" ]; then
        mkdir -p "$CORVANE_E2E_FAILSHOT"
        import -window root "$CORVANE_E2E_FAILSHOT/$(basename "$0" .sh)-failed.png" 2>/dev/null || true
    fi
    report_failure "$@"
}

wine_cleanup() {
    if [ -n "${app_pid:-}" ]; then
        kill "$app_pid" 2>/dev/null || true
    fi
    app_pid=
    # Ends every Wine process of this prefix (services, the desktop window) with the server.
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    cleanup
}
trap wine_cleanup EXIT

# Wine's processes outlive the command that started them and keep its output open: give them files,
# never a pipe (a reader of the pipe would wait for them to end).
wine_quiet() { wine "$@" >>"$work/wine.log" 2>&1 </dev/null; }

start_wine() {
    local tool
    for tool in wine wineboot wineserver; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/install-deps.sh windows installs it)"
    done
    [ -r "$cjk_font" ] || skip "$cjk_font is missing (Debian package fonts-wqy-microhei)"
    start_xvfb "$1"
    unset QT_QPA_PLATFORM
    export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
    # No Mono or Gecko installer prompts, no menu entries or file associations written into the home.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # The prefix's user folders link into HOME: a home of the test's own.
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
    mkdir -p "$HOME"
    mkdir -p "$WINEPREFIX"
    # The server first, persistent: a second one cannot be made persistent while the first runs.
    wineserver -p >>"$work/wine.log" 2>&1 </dev/null || fail "wineserver did not start: $(tail -n 5 "$work/wine.log")"
    wineboot -i >>"$work/wine.log" 2>&1 </dev/null || fail "wineboot failed: $(tail -n 5 "$work/wine.log")"
    install_cjk_font
}

# As on a Chinese or Japanese Windows: the font in windows\Fonts, registered, standing in for SimSun.
install_cjk_font() {
    cp "$cjk_font" "$WINEPREFIX/drive_c/windows/Fonts/" || fail "cannot copy $cjk_font into the prefix"
    local settings tries=0
    settings=$(winepath -w "$wine_here/cjk_font.reg" 2>>"$work/wine.log")
    [ -n "$settings" ] || fail "winepath gave no Windows name for cjk_font.reg: $(tail -n 5 "$work/wine.log")"
    # Imported again if it did not take: on a busy machine a prefix just made has once lost the first import.
    while :; do
        tries=$((tries + 1))
        wine_quiet regedit /S "$settings" || fail "cannot import the font settings: $(tail -n 5 "$work/wine.log")"
        wine_quiet reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v SimSun && break
        [ "$tries" -lt 3 ] || fail "the font settings did not reach the registry: $(tail -n 5 "$work/wine.log")"
    done
    [ "$tries" -le 1 ] || echo "the font settings took $tries imports" >>"$work/wine.log"
}

# Wine takes the system's and the user's language from the Unix locale, which must exist: one the system
# lacks is made in the work folder (localedef, from the locale sources of Debian's package locales).
use_locale() {
    local locale=$1
    [ "$locale" = C.UTF-8 ] && return 0
    if ! LC_ALL=$locale locale 2>&1 >/dev/null | grep -q .; then
        return 0
    fi
    export LOCPATH=$work/locales
    [ -d "$LOCPATH/$locale" ] && return 0
    mkdir -p "$LOCPATH"
    localedef -i "${locale%%.*}" -f UTF-8 "$LOCPATH/$locale" >>"$work/locales.log" 2>&1 ||
        skip "the locale $locale cannot be made (Debian package locales): $(tail -n 2 "$work/locales.log")"
}

# LOCALE (e.g. zh_CN.UTF-8: a Chinese Windows) PROGRAM ARGS...
start_windows_program() {
    local locale=$1
    shift
    use_locale "$locale"
    LANG=$locale LC_ALL=$locale wine "$@" >"$work/app.log" 2>&1 </dev/null &
    app_pid=$!
}

# Wine's top-level X window of a dialog is its client area, in pixels: "WIDTH HEIGHT".
window_size() {
    xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w, h }'
}

# Clicks the point X,Y (dialog units) of a dialog DLG_W x DLG_H dialog units large: dialog units scale
# with the dialog font, the same factor across the whole client area.
click_du() {
    local wid=$1 dw=$2 dh=$3 x=$4 y=$5 w h
    read -r w h <<<"$(window_size "$wid")"
    xdotool mousemove --window "$wid" $((x * w / dw)) $((y * h / dh)) click 1
}

# The window as the screen shows it (drop-down lists that are open included, as they lie above it).
screenshot() {
    local wid=$1 file=$2 x y w h
    x=$(xwininfo -id "$wid" | awk '/Absolute upper-left X/ { print $4 }')
    y=$(xwininfo -id "$wid" | awk '/Absolute upper-left Y/ { print $4 }')
    read -r w h <<<"$(window_size "$wid")"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$file" || fail "cannot take a screenshot into $file"
}
