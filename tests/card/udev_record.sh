#!/usr/bin/env bash
# Runs COMMAND where the udev database holds a record for the test card's device, as on a desktop where
# udev runs. The record lives in a private mount namespace whose /run is a fresh tmpfs, so the system's own
# /run is never touched.
#
#   udev_record.sh KEY=VALUE... -- COMMAND [ARG...]   (as the COMMAND of tests/card/fat_card.sh run)
#
# COMMAND sees CORVANE_TEST_UDEV_RECORD: the recorded KEY=VALUE pairs, separated by spaces.
# Exits 77 (skipped) when no private mount namespace can be made here.
set -euo pipefail

if [ "${1:-}" = --inside ]; then
    shift
    mount -t tmpfs -o mode=0755 tmpfs /run
    mkdir -p /run/udev/data
    # udev names a block device's record after its major:minor numbers, in decimal.
    record="/run/udev/data/b$((0x$(stat -c %t "$CORVANE_TEST_CARD_DEVICE"))):$((0x$(stat -c %T "$CORVANE_TEST_CARD_DEVICE")))"
    while [ "$1" != -- ]; do
        echo "E:$1" >>"$record"
        shift
    done
    shift
    exec "$@"
fi

pairs=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    pairs+=("$1")
    shift
done
if [ $# -lt 2 ] || [ ${#pairs[@]} -eq 0 ]; then
    echo "usage: $0 KEY=VALUE... -- COMMAND [ARG...]" >&2
    exit 2
fi
[ -b "${CORVANE_TEST_CARD_DEVICE:-}" ] || {
    echo "no card device: run as the COMMAND of tests/card/fat_card.sh run" >&2
    exit 2
}
if ! command -v unshare >/dev/null || ! unshare --mount --propagation private true 2>/dev/null; then
    echo "SKIP: no udev record: no private mount namespace (unshare)" >&2
    exit 77
fi
export CORVANE_TEST_UDEV_RECORD="${pairs[*]}"
exec unshare --mount --propagation private "$(readlink -f "$0")" --inside "${pairs[@]}" "$@"
