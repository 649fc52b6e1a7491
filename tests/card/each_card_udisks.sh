#!/usr/bin/env bash
# corvane-write --each-card unmounts a prepared card through udisks2: a private system bus (dbus-daemon) with
# its own udisksd, and one FAT card (tests/card/fat_card.sh run). The system's own bus is never used.
#
#   fat_card.sh run each_card_udisks.sh CORVANE-WRITE CORVANE-INSPECT DATA-FOLDER
#
# Exits 77 (skipped) where udisksd or dbus-daemon is missing, or udisksd does not know the card's file system
# (it learns it from udev, which does not run everywhere).
set -euo pipefail
write=$1
inspect=$2
data=$3

skip() {
    echo "SKIP: no unmount through udisks2: $*" >&2
    exit 77
}
udisksd=
for candidate in /usr/libexec/udisks2/udisksd /usr/lib/udisks2/udisksd; do
    [ -x "$candidate" ] && udisksd=$candidate
done
[ -n "$udisksd" ] || skip "udisksd is not installed (Debian package udisks2)"
command -v dbus-daemon >/dev/null || skip "dbus-daemon is missing"
command -v gdbus >/dev/null || skip "gdbus is missing"

work=$(mktemp -d)
cleanup() {
    [ -n "${writer:-}" ] && kill "$writer" 2>/dev/null || true
    [ -n "${daemon:-}" ] && kill "$daemon" 2>/dev/null || true
    [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/system_bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile &
bus=$!
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system_bus"
for _ in $(seq 100); do
    [ -S "$work/system_bus" ] && break
    sleep 0.1
done
"$udisksd" --no-sigint >"$work/udisksd.log" 2>&1 &
daemon=$!
object=
for _ in $(seq 100); do
    object=$(gdbus call --system --dest org.freedesktop.UDisks2 --object-path /org/freedesktop/UDisks2/Manager \
        --method org.freedesktop.UDisks2.Manager.ResolveDevice "{'path': <'$CORVANE_TEST_CARD_DEVICE'>}" "{}" \
        2>/dev/null | grep -o "/org/freedesktop/UDisks2/block_devices/[A-Za-z0-9_]*" || true)
    [ -n "$object" ] && break
    sleep 0.1
done
[ -n "$object" ] || skip "udisksd on the private bus does not know $CORVANE_TEST_CARD_DEVICE"
gdbus introspect --system --dest org.freedesktop.UDisks2 --object-path "$object" |
    grep -q org.freedesktop.UDisks2.Filesystem || skip "udisksd sees no file system on the card (no udev here)"

mkdir "$work/source"
cp "$data/menu_8520_defaults.dat" "$work/source/menu.dat"
"$inspect" --export "$work/source" --model "Vyn 8520M" >"$work/settings.toml"
"$write" "$work/settings.toml" --each-card --serial C001 --count 1 >"$work/out" 2>&1 &
writer=$!
for _ in $(seq 600); do
    kill -0 "$writer" 2>/dev/null || break
    sleep 0.1
done
status=0
wait "$writer" || status=$?
writer=
cat "$work/out"
[ $status -eq 0 ] || { echo "FAIL: corvane-write exited $status" >&2; exit 1; }
grep -q "^C001 -> .*unmounted, the card can be pulled" "$work/out" || { echo "FAIL: not unmounted" >&2; exit 1; }
if mountpoint -q "$CORVANE_TEST_CARD"; then
    echo "FAIL: the card is still mounted" >&2
    exit 1
fi
echo "ok"
