#!/usr/bin/env bash
# corvane-write --each-card on real FAT cards: loop-device images mounted one after another where the desktop
# mounts media, in a private mount namespace (the kernel's vfat where it exists, otherwise fusefat). Each good
# card gets the next serial and a log line; a read-only card is reported and its serial goes onto the next
# card; Ctrl-C while waiting ends the run. Where no udisks2 runs, the program says to unmount and the test
# takes each card away itself.
#
#   each_card.sh CORVANE-WRITE CORVANE-INSPECT DATA-FOLDER
#
# Exits 77 (skipped) without root, loop devices, the FAT driver or a private mount namespace.
set -euo pipefail

skip() {
    echo "SKIP: no real FAT cards: $*" >&2
    exit 77
}

if [ "${1:-}" != --inside ]; then
    [ $# -eq 3 ] || { echo "usage: $0 CORVANE-WRITE CORVANE-INSPECT DATA-FOLDER" >&2; exit 2; }
    [ "$(id -u)" -eq 0 ] || skip "loop devices need root"
    for tool in losetup mountpoint mkfs.fat unshare; do
        command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh installs it)"
    done
    [ -e /dev/loop-control ] || skip "no loop devices (/dev/loop-control)"
    if ! grep -qw vfat /proc/filesystems; then
        command -v fusefat >/dev/null || skip "the kernel has no vfat and fusefat is missing"
        [ -c /dev/fuse ] || skip "the kernel has no vfat and there is no /dev/fuse"
    fi
    unshare --mount --propagation private true 2>/dev/null || skip "no private mount namespace (unshare)"
    exec unshare --mount --propagation private "$0" --inside "$@"
fi
shift
write=$1
inspect=$2
data=$3

user=$(id -un)
work=$(mktemp -d)
devices=()
mounted=()
teardown() {
    for folder in "${mounted[@]}"; do
        mountpoint -q "$folder" && { fusermount -u "$folder" 2>/dev/null || umount -l "$folder"; }
        rmdir "$folder" 2>/dev/null || true
    done
    for device in "${devices[@]}"; do
        losetup -d "$device" 2>/dev/null || true
    done
    [ -n "${writer:-}" ] && kill "$writer" 2>/dev/null || true
    rm -rf "$work"
}
trap teardown EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- corvane-write said:" >&2
    cat "$work/out" >&2 2>/dev/null || true
    exit 1
}

# make_card LABEL: a fresh 4 MiB FAT image on a loop device; prints the device.
make_card() {
    truncate -s 4M "$work/$1.img"
    mkfs.fat -n "$1" "$work/$1.img" >/dev/null
    local device
    device=$(losetup --find --show "$work/$1.img") || skip "no free loop device"
    devices+=("$device")
    echo "$device"
}

# mount_card DEVICE LABEL rw|ro
mount_card() {
    local folder="/media/$user/$2"
    mkdir -p "$folder"
    mounted+=("$folder")
    if grep -qw vfat /proc/filesystems; then
        mount -t vfat -o "$3" "$1" "$folder"
    else
        local access=rw+
        [ "$3" = ro ] && access=ro
        fusefat -o "$access,fsname=$1,subtype=fusefat" "$1" "$folder" >/dev/null 2>&1
    fi
    for _ in $(seq 100); do
        mountpoint -q "$folder" && return 0
        sleep 0.1
    done
    fail "the card $2 did not appear"
}

unmount_card() {
    local folder="/media/$user/$1"
    if mountpoint -q "$folder"; then
        fusermount -u "$folder" 2>/dev/null || umount "$folder"
    fi
    for _ in $(seq 100); do
        mountpoint -q "$folder" || return 0
        sleep 0.1
    done
    fail "the card $1 did not go away"
}

# wait_for PATTERN: until corvane-write's output has a line matching PATTERN (at most 60 s).
wait_for() {
    for _ in $(seq 600); do
        grep -q -- "$1" "$work/out" 2>/dev/null && return 0
        kill -0 "$writer" 2>/dev/null || { grep -q -- "$1" "$work/out" && return 0; fail "corvane-write ended before: $1"; }
        sleep 0.1
    done
    fail "no line: $1"
}

# The settings of a card written by the dialogs.
mkdir "$work/source"
cp "$data/menu_8620_defaults.dat" "$work/source/menu.dat"
cp "$data/mms_dialog_8620_auto.dat" "$work/source/setup.dat"
"$inspect" --export "$work/source" --model "Vyn 8620M" >"$work/settings.toml"

suffix=$(od -An -N2 -tx1 /dev/urandom | tr -d ' \n' | tr a-f A-F)
good=("CWA$suffix" "CWB$suffix" "CWC$suffix")
bad="CWR$suffix"
for label in "${good[@]}" "$bad"; do
    make_card "$label" >"$work/$label.device"
done

: >"$work/out"
"$write" "$work/settings.toml" --each-card --serial A009 --log "$work/cards.csv" --count 3 >"$work/out" 2>&1 &
writer=$!
wait_for "Waiting for a camera card (serial A009)"

# serials as they should come: the read-only card between the first and second uses none
expect=("A009" "A010" "A011")
step=0
for label in "${good[0]}" "$bad" "${good[1]}" "${good[2]}"; do
    device=$(cat "$work/$label.device")
    if [ "$label" = "$bad" ]; then
        mount_card "$device" "$label" ro
        wait_for "FAILED $label"
        grep -q "FAILED $label.*read-only.*serial ${expect[$step]} goes onto the next card" "$work/out" ||
            fail "the read-only card is not reported with its serial kept"
        unmount_card "$label"
        continue
    fi
    mount_card "$device" "$label" rw
    wait_for "^${expect[$step]} -> $label"
    grep -q "^${expect[$step]} -> $label.*menu.dat setup.dat written and checked; not unmounted (.*): unmount it" \
        "$work/out" || fail "no result line for $label"
    "$inspect" "/media/$user/$label" >"$work/inspect" || fail "the files on $label are not sound"
    grep -q "serial number: on, ${expect[$step]}" "$work/inspect" || fail "$label does not hold serial ${expect[$step]}"
    # Until it is taken out, the card is not written again.
    unmount_card "$label"
    step=$((step + 1))
done

status=0
for _ in $(seq 300); do
    kill -0 "$writer" 2>/dev/null || break
    sleep 0.1
done
wait "$writer" || status=$?
writer=
[ $status -eq 1 ] || fail "corvane-write exited $status after a failed card, not 1"
grep -q "^3 cards prepared" "$work/out" || fail "no count of the cards"

# The log: three good cards with their serials, and the failed one with the serial it did not use up.
[ "$(grep -c ',ok$' "$work/cards.csv")" -eq 3 ] || fail "the log does not have three good lines: $(cat "$work/cards.csv")"
for i in 0 1 2; do
    grep -q "^[0-9-]* [0-9:]*,${good[$i]},[0-9A-F-]*,${expect[$i]},menu.dat setup.dat,ok$" "$work/cards.csv" ||
        fail "no log line for ${good[$i]} with ${expect[$i]}: $(cat "$work/cards.csv")"
done
grep -q ",$bad,[0-9A-F-]*,A010,,failed: the card is read-only" "$work/cards.csv" ||
    fail "no log line for the read-only card: $(cat "$work/cards.csv")"

# A card that holds other settings is left alone without --overwrite.
device=$(cat "$work/${good[0]}.device")
mount_card "$device" "${good[0]}" rw
: >"$work/out"
"$write" "$work/settings.toml" --each-card --serial B001 --count 1 >"$work/out" 2>&1 &
writer=$!
wait_for "FAILED ${good[0]} .*: menu.dat on the card holds other settings"
"$inspect" "/media/$user/${good[0]}" | grep -q "serial number: on, A009" || fail "the card was overwritten"

# Ctrl-C while waiting ends the run at once.
kill -INT "$writer"
for _ in $(seq 100); do
    kill -0 "$writer" 2>/dev/null || break
    sleep 0.1
done
status=0
wait "$writer" || status=$?
writer=
[ $status -eq 1 ] || fail "Ctrl-C after a failed card exited $status, not 1"
grep -q "^0 cards prepared" "$work/out" || fail "Ctrl-C did not end the run"

# With --overwrite it is written.
: >"$work/out"
"$write" "$work/settings.toml" --each-card --serial B001 --count 1 --overwrite >"$work/out" 2>&1 &
writer=$!
wait_for "^1 card prepared"
wait "$writer" || fail "corvane-write --overwrite failed"
writer=
"$inspect" "/media/$user/${good[0]}" | grep -q "serial number: on, B001" || fail "--overwrite did not write"
unmount_card "${good[0]}"
echo "ok"
