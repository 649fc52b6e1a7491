#!/usr/bin/env bash
# A real memory card for tests: a small FAT image made with mkfs.fat (FAT32 with --fat32; exFAT with --exfat
# and mkfs.exfat), attached to a loop device and mounted read-write where the desktop mounts media,
# /media/<user>/<LABEL>. FAT goes through the kernel's vfat where it exists, otherwise the FUSE driver
# fusefat; exFAT always goes through the FUSE driver exfat-fuse, whose mounts show only as "fuseblk".
#
#   fat_card.sh run [--fat32|--exfat] COMMAND [ARG...]
#                                      make and mount the card, run COMMAND, always take the card down
#                                      again; COMMAND sees CORVANE_TEST_CARD (mount folder),
#                                      CORVANE_TEST_CARD_DEVICE, CORVANE_TEST_CARD_FORMAT (fat, fat32 or
#                                      exfat), CORVANE_TEST_CARD_SCRIPT (this script)
#   fat_card.sh remount ro|rw          (inside COMMAND) mount the card again read-only or read-write
#   fat_card.sh unmount                (inside COMMAND) take the card away, leaving its empty folder
#
# The card and COMMAND live in a private mount namespace whose media folders (/media, /run/media) are
# empty but for this card: a card the developer has plugged in, or another test's, cannot change what a
# test finds.
#
# Exits 77 (skipped) when the card cannot be made here: not root, no loop device, no driver for the format,
# no private mount namespace.
set -euo pipefail

skip() {
    echo "SKIP: no real ${CORVANE_TEST_CARD_FORMAT:-fat} card: $*" >&2
    exit 77
}

script=$(readlink -f "$0")

# Runs a mount command; its output (fusefat reports its geometry on every mount) shows only on failure.
quietly() {
    local log status=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 || status=$?
    [ $status -eq 0 ] || cat "$log" >&2
    rm -f "$log"
    return $status
}

mount_card() { # mode
    local mode=$1
    if [ "${CORVANE_TEST_CARD_FORMAT:-fat}" = exfat ]; then
        quietly mount.exfat-fuse -o "$mode" "$CORVANE_TEST_CARD_DEVICE" "$CORVANE_TEST_CARD" || return 1
    elif grep -qw vfat /proc/filesystems; then
        mount -t vfat -o "$mode,uid=$(id -u),gid=$(id -g)" "$CORVANE_TEST_CARD_DEVICE" "$CORVANE_TEST_CARD"
    else
        local access=rw+
        [ "$mode" = ro ] && access=ro
        # fusefat names itself as the device unless told; with the loop device as its name the program can
        # find the medium, and the subtype keeps the type "fuse.fusefat" that a plain fusefat mount shows.
        quietly fusefat -o "$access,fsname=$CORVANE_TEST_CARD_DEVICE,subtype=fusefat" "$CORVANE_TEST_CARD_DEVICE" \
            "$CORVANE_TEST_CARD" || return 1
    fi
    for _ in $(seq 50); do
        mountpoint -q "$CORVANE_TEST_CARD" && return 0
        sleep 0.1
    done
    echo "the card did not appear at $CORVANE_TEST_CARD" >&2
    return 1
}

unmount_card() {
    mountpoint -q "$CORVANE_TEST_CARD" || return 0
    if grep -q " $CORVANE_TEST_CARD fuse" /proc/mounts; then
        fusermount -u "$CORVANE_TEST_CARD" 2>/dev/null || umount -l "$CORVANE_TEST_CARD"
    else
        umount "$CORVANE_TEST_CARD" 2>/dev/null || umount -l "$CORVANE_TEST_CARD"
    fi
    for _ in $(seq 50); do
        mountpoint -q "$CORVANE_TEST_CARD" || return 0
        sleep 0.1
    done
    echo "the card at $CORVANE_TEST_CARD did not go away" >&2
    return 1
}

case "${1:-}" in
    remount)
        unmount_card
        mount_card "${2:?ro or rw}"
        exit 0
        ;;
    unmount)
        unmount_card
        exit 0
        ;;
    run)
        shift
        export CORVANE_TEST_CARD_FORMAT=fat
        case "${1:-}" in
            --fat32 | --exfat)
                CORVANE_TEST_CARD_FORMAT=${1#--}
                shift
                ;;
        esac
        [ $# -gt 0 ] || { echo "usage: $0 run [--fat32|--exfat] COMMAND [ARG...]" >&2; exit 2; }
        ;;
    *)
        echo "usage: $0 run [--fat32|--exfat] COMMAND [ARG...] | remount ro|rw | unmount" >&2
        exit 2
        ;;
esac

[ "$(id -u)" -eq 0 ] || skip "attaching a loop device needs root"
tools=(losetup mountpoint mkfs.fat)
[ "$CORVANE_TEST_CARD_FORMAT" = exfat ] && tools=(losetup mountpoint mkfs.exfat mount.exfat-fuse)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh installs it)"
done
[ -e /dev/loop-control ] || skip "no loop devices (/dev/loop-control)"
if [ "$CORVANE_TEST_CARD_FORMAT" = exfat ]; then
    [ -c /dev/fuse ] || skip "exfat-fuse needs /dev/fuse"
elif ! grep -qw vfat /proc/filesystems; then
    command -v fusefat >/dev/null || skip "the kernel has no vfat and fusefat is missing"
    [ -c /dev/fuse ] || skip "the kernel has no vfat and there is no /dev/fuse"
fi

# Once, before anything is mounted: into a mount namespace of the card's own, with empty media folders.
if [ "${CORVANE_TEST_CARD_NAMESPACE:-}" != "$$" ]; then
    command -v unshare >/dev/null || skip "unshare is missing (util-linux)"
    unshare --mount --propagation private true 2>/dev/null || skip "no private mount namespace can be made here"
    format_option=()
    [ "$CORVANE_TEST_CARD_FORMAT" = fat ] || format_option=("--$CORVANE_TEST_CARD_FORMAT")
    # exec keeps the process id, which tells the script in the namespace that it is there.
    export CORVANE_TEST_CARD_NAMESPACE=$$
    exec unshare --mount --propagation private "$script" run "${format_option[@]}" "$@"
fi
for media in /media /run/media; do
    [ -d "$media" ] || continue
    # Deepest first; lazily, so that a busy card elsewhere on the machine is only hidden here.
    findmnt -rn -o TARGET | { grep "^$media/" || true; } | sort -r | while read -r target; do
        umount -l "$(printf '%b' "$target")" 2>/dev/null || true
    done
    mount -t tmpfs -o mode=0755 corvane-test-media "$media"
done
[ -d /media ] || skip "there is no /media folder to mount the card in"

user=$(id -un)
label=CV$(od -An -N3 -tx1 /dev/urandom | tr -d ' \n' | tr a-f A-F)
work=$(mktemp -d)
image="$work/card.img"
export CORVANE_TEST_CARD="/media/$user/$label"
export CORVANE_TEST_CARD_DEVICE=
export CORVANE_TEST_CARD_SCRIPT="$script"

teardown() {
    unmount_card || true
    [ -n "$CORVANE_TEST_CARD_DEVICE" ] && losetup -d "$CORVANE_TEST_CARD_DEVICE" 2>/dev/null || true
    rmdir "$CORVANE_TEST_CARD" 2>/dev/null || true
    rm -rf "$work"
}
trap teardown EXIT
trap 'exit 130' INT TERM

# 4 MiB (FAT12 as on small cards when FAT): room for the three files and little else, so a test can fill it
# fast. FAT32 needs 64 MiB; fusefat reports no size for it.
case "$CORVANE_TEST_CARD_FORMAT" in
    exfat)
        truncate -s 4M "$image"
        mkfs.exfat -L "$label" "$image" >/dev/null
        ;;
    fat32)
        truncate -s 64M "$image"
        mkfs.fat -F 32 -n "$label" "$image" >/dev/null
        ;;
    *)
        truncate -s 4M "$image"
        mkfs.fat -n "$label" "$image" >/dev/null
        ;;
esac
CORVANE_TEST_CARD_DEVICE=$(losetup --find --show "$image" 2>/dev/null) || skip "no free loop device"
mkdir -p "$CORVANE_TEST_CARD"
mount_card rw || skip "the image could not be mounted"
echo "card $label: $CORVANE_TEST_CARD_DEVICE at $CORVANE_TEST_CARD ($(grep " $CORVANE_TEST_CARD " /proc/mounts | cut -d' ' -f3))"

set +e
"$@"
status=$?
set -e
exit $status
