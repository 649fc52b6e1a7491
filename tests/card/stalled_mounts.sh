#!/usr/bin/env bash
# Runs COMMAND beside two more FAT volumes whose FUSE driver (fusefat) the test can stop, as a driver that
# hangs or a network mount that no longer answers: one in this user's media folder, where it would count
# as a second card, and one in a folder elsewhere. The two live in a private mount namespace, so no other
# process on the machine sees them, and they are always continued and taken down when COMMAND ends.
#
#   stalled_mounts.sh COMMAND [ARG...]   (as the COMMAND of tests/card/fat_card.sh run)
#
# COMMAND sees CORVANE_TEST_STALL_MEDIA and CORVANE_TEST_STALL_OTHER (the mount folders) and
# CORVANE_TEST_STALL_MEDIA_PID and CORVANE_TEST_STALL_OTHER_PID (their drivers' process ids).
# Exits 77 (skipped) without a private mount namespace or without fusefat and /dev/fuse.
set -euo pipefail

skip() {
    echo "SKIP: no stalled mounts: $*" >&2
    exit 77
}

if [ "${1:-}" != --inside ]; then
    [ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }
    command -v fusefat >/dev/null || skip "fusefat is missing (scripts/install-deps.sh installs it)"
    [ -c /dev/fuse ] || skip "there is no /dev/fuse"
    if ! command -v unshare >/dev/null || ! unshare --mount --propagation private true 2>/dev/null; then
        skip "no private mount namespace (unshare needs root)"
    fi
    exec unshare --mount --propagation private "$(readlink -f "$0")" --inside "$@"
fi
shift

work=$(mktemp -d)
media="/media/$(id -un)/CVSTALL$(od -An -N3 -tx1 /dev/urandom | tr -d ' \n' | tr a-f A-F)"
other="$work/other"
pids=()
folders=()

teardown() {
    local pid folder
    # A stopped driver would keep its mount and the namespace alive: continue it first.
    for pid in "${pids[@]}"; do
        kill -CONT "$pid" 2>/dev/null || true
    done
    for folder in "${folders[@]}"; do
        fusermount -u "$folder" 2>/dev/null || umount -l "$folder" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rmdir "$media" 2>/dev/null || true
    rm -rf "$work"
}
trap teardown EXIT
trap 'exit 130' INT TERM

truncate -s 4M "$work/stall.img"
mkfs.fat -n STALL "$work/stall.img" >/dev/null
mkdir -p "$media" "$other"
for folder in "$media" "$other"; do
    # In the foreground, so that its process id is the driver's; read-only, so both may share the image.
    log="$work/fusefat${#pids[@]}.log"
    fusefat -f -o ro,subtype=fusefat "$work/stall.img" "$folder" >"$log" 2>&1 &
    pids+=($!)
    folders+=("$folder")
    for _ in $(seq 50); do
        mountpoint -q "$folder" && break
        sleep 0.1
    done
    mountpoint -q "$folder" || { cat "$log" >&2; skip "fusefat could not mount at $folder"; }
done
export CORVANE_TEST_STALL_MEDIA="$media" CORVANE_TEST_STALL_MEDIA_PID="${pids[0]}"
export CORVANE_TEST_STALL_OTHER="$other" CORVANE_TEST_STALL_OTHER_PID="${pids[1]}"

set +e
"$@"
status=$?
set -e
exit $status
