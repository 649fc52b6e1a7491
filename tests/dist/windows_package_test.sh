#!/usr/bin/env bash
# The Windows packages under Wine, in a Wine prefix of this test's own:
#   the archive holds exactly the two programs and the read-me, and its corvane-inspect.exe runs;
#   the installer installs silently (over an older version's installation when one is given), the
#   installed program starts and shows its main window, the Start menu entry and the uninstaller's entry
#   in the list of programs are there; the silent uninstaller leaves no installed file, shortcut or entry
#   and keeps the user's preferences.
#   windows_package_test.sh <version> <setup.exe> <zip> [<older version> <older setup.exe>]
# Uses Xvfb display :${CORVANE_WINE_DISPLAY:-95}.
set -euo pipefail

version=$1
installer=$(realpath "$2")
archive=$(realpath "$3")
old_version=${4:-}
old_installer=${5:+$(realpath "$5")}

for tool in wine wineserver Xvfb xdotool unzip; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=:${CORVANE_WINE_DISPLAY:-95}
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wineboot -i >/dev/null 2>&1
wineserver -w

# Waits up to 60 s for a command to succeed.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 600); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "no $what within 60 s"
}

# --- the archive ---
expected="corvane-$version-win64/README.txt
corvane-$version-win64/corvane-inspect.exe
corvane-$version-win64/corvane.exe"
listed=$(unzip -Z1 "$archive" | grep -v '/$' | sort)
[ "$listed" = "$expected" ] || fail "the archive holds
$listed
instead of
$expected"
unzip -q "$archive" -d "$work/portable"
out=$(wine "$work/portable/corvane-$version-win64/corvane-inspect.exe" --version 2>&1 | tr -d '\r')
[[ "$out" == *"$version"* ]] || fail "corvane-inspect.exe --version from the archive said: $out"
echo "ok: the archive holds the two programs and the read-me; its corvane-inspect.exe says: $out"

programs="$WINEPREFIX/drive_c/Program Files/Corvane"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvane.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane'
reg_value() { wine reg query "$uninstall_key" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }

installed_files() { (cd "$programs" && find . -type f | sed 's|^\./||' | sort); }
# $2: the programs are of this version too (an older package made from the same build has newer ones).
expect_installation() {
    local v=$1
    [ "$(installed_files)" = "$(printf '%s\n' README.txt Uninstall.exe corvane-inspect.exe corvane.exe)" ] ||
        fail "installed files: $(installed_files)"
    [ -f "$start_menu" ] || fail "no Start menu entry Corvane"
    [ "$(reg_value DisplayName)" = Corvane ] || fail "DisplayName is '$(reg_value DisplayName)'"
    [ "$(reg_value DisplayVersion)" = "$v" ] || fail "DisplayVersion is '$(reg_value DisplayVersion)', not $v"
    [ "$(reg_value Publisher)" = "Corvane Outdoor Imaging" ] || fail "Publisher is '$(reg_value Publisher)'"
    [[ "$(reg_value DisplayIcon)" == *'\Corvane\corvane.exe,0' ]] || fail "DisplayIcon is '$(reg_value DisplayIcon)'"
    local size
    size=$(reg_value EstimatedSize)
    [ -n "$size" ] && [ $((size)) -gt 0 ] || fail "EstimatedSize is '$size'"
    [[ "$(reg_value UninstallString)" == *'Uninstall.exe"' ]] || fail "UninstallString is '$(reg_value UninstallString)'"
    if [ "${2:-}" = programs ]; then
        local said
        said=$(wine "$programs/corvane-inspect.exe" --version 2>&1 | tr -d '\r')
        [[ "$said" == *"$v"* ]] || fail "the installed corvane-inspect.exe says '$said', not $v"
    fi
}

# --- an older version first, when given ---
if [ -n "$old_installer" ]; then
    wine "$old_installer" /S
    wineserver -w
    expect_installation "$old_version"
    echo "ok: $old_version installed"
fi

# --- silent installation ---
wine "$installer" /S
wineserver -w
expect_installation "$version" programs
echo "ok: $version installed silently${old_version:+ over $old_version}: files, Start menu entry, uninstall entry"

# --- the installed program starts and shows its main window ---
wine "$programs/corvane.exe" >"$work/program.log" 2>&1 &
program_pid=$!
wait_for "main window titled Corvane" xdotool search --onlyvisible --name '^Corvane$'
echo "ok: the installed corvane.exe shows its main window"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=
wineserver -k
wineserver -w

# --- the user's preferences, then silent removal ---
prefs='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Corvane.exe'
user_prefs='HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Corvane.exe'
wine reg add "$prefs" /v language /t REG_DWORD /d 10 /f /reg:64 >/dev/null 2>&1
wine reg add "$user_prefs" /v model /t REG_DWORD /d 4 /f /reg:64 >/dev/null 2>&1
wine "$programs/Uninstall.exe" /S
wineserver -w
left=$( [ -d "$programs" ] && (cd "$programs" && find . -mindepth 1) || true)
[ -z "$left" ] || fail "the uninstaller left: $left"
[ ! -e "$start_menu" ] || fail "the uninstaller left the Start menu entry"
[ ! -e "$WINEPREFIX/drive_c/users/Public/Desktop/Corvane.lnk" ] || fail "the uninstaller left a desktop shortcut"
if wine reg query "$uninstall_key" /reg:64 >/dev/null 2>&1; then fail "the uninstall entry is still listed"; fi
wine reg query "$prefs" /v language /reg:64 >/dev/null 2>&1 || fail "the uninstaller removed the preferences"
wine reg query "$user_prefs" /v model /reg:64 >/dev/null 2>&1 || fail "the uninstaller removed the user's preferences"
echo "ok: silent removal left no installed file, shortcut or entry, and kept the preferences"
