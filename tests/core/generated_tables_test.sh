#!/bin/sh
# The committed preset and mail-server tables are what their generators make of the data files in the
# repository: regenerates both into a temporary folder and fails on any difference. Also runs the
# presets' own check of counts, names, fixed ports and length limits.
set -eu
src=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

python3 "$src/src/core/presets/data/check_presets.py" >"$tmp/check.log" || {
    cat "$tmp/check.log"
    exit 1
}
python3 "$src/src/core/presets/generate_presets.py" "$src/src/core/presets/data/gprs.tsv" \
    "$src/src/core/presets/data/mms.tsv" >"$tmp/preset_table.cpp"
python3 "$src/src/core/mailservers/generate_mail_servers.py" "$src/src/core/mailservers/data/smtp.tsv" \
    >"$tmp/mail_server_table.cpp"

status=0
for pair in presets/preset_table.cpp:preset_table.cpp mailservers/mail_server_table.cpp:mail_server_table.cpp; do
    committed=$src/src/core/${pair%%:*}
    if ! diff -u "$committed" "$tmp/${pair#*:}" >"$tmp/diff"; then
        echo "src/core/${pair%%:*} differs from what its generator makes of the data files:"
        head -n 40 "$tmp/diff"
        status=1
    fi
done
[ $status -eq 0 ] && echo "both generated tables match their data files"
exit $status
