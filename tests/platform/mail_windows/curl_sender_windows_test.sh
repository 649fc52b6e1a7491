#!/usr/bin/env bash
# Runs the Windows sender's test program under Wine (a private prefix) against real SMTP servers on
# 127.0.0.1, one per behaviour, and checks in the servers' logs that the message sent over STARTTLS and over
# TLS from the first byte arrived from the sender to the recipient after a login.
#   curl_sender_windows_test.sh <curl_sender_windows_test.exe> <smtp_test_server.py>
set -euo pipefail

test_program=$(realpath "$1")
smtp_server_script=$(realpath "$2")
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/support/smtp_test_certs.sh"

command -v wine >/dev/null || { echo "skipped: wine is not installed"; exit 77; }
/usr/bin/python3 -c 'import aiosmtpd' 2>/dev/null || { echo "skipped: python3-aiosmtpd is not installed"; exit 77; }
command -v openssl >/dev/null || { echo "skipped: openssl is not installed"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A folder name outside ASCII: the CA file's name reaches Windows through the W functions.
certs=$work/certificats-vérifiés
make_test_certificates "$certs" || { echo "openssl failed: $(cat "$certs/openssl.log")"; exit 1; }
# name, then the server's arguments
serve() {
    local name=$1
    shift
    start_smtp_server "$work/$name" --login sender --password secret-1 "$@"
    pids+=("$SMTP_PID")
    export "CORVANE_TEST_SMTP_$name=$SMTP_PORT"
}
serve STARTTLS --mode starttls --cert "$certs/server.pem" --key "$certs/server.key"
serve IMPLICIT --mode implicit --cert "$certs/server.pem" --key "$certs/server.key"
serve SELF_SIGNED --mode implicit --cert "$certs/self.pem" --key "$certs/self.key"
serve EXPIRED --mode starttls --cert "$certs/expired.pem" --key "$certs/expired.key"
serve OTHER_NAME --mode starttls --cert "$certs/other.pem" --key "$certs/other.key"
serve SILENT --mode silent --cert "$certs/server.pem" --key "$certs/server.key"
serve STALL_MAIL --mode implicit --stall mail --cert "$certs/server.pem" --key "$certs/server.key"
# A port the system handed out and nobody listens on any more.
export CORVANE_TEST_SMTP_REFUSING=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

wineboot -i >/dev/null 2>&1
CORVANE_TEST_SMTP_CA=$(winepath -w "$certs/ca.pem")
export CORVANE_TEST_SMTP_CA
status=0
# The first test looks at which libraries a fresh process has loaded: it runs in one of its own.
start_test=CurlSenderStart.*
wine "$test_program" --gtest_filter="$start_test" || status=$?
wine "$test_program" --gtest_filter="-$start_test" || status=$?

for name in STARTTLS IMPLICIT; do
    message=$(grep '"event": "message"' "$work/$name/server.log" || true)
    if [[ "$message" != *'"sender@example.test"'*'"owner@example.test"'* || "$message" != *'"authenticated": true'* ]]; then
        echo "FAIL: no message from sender@example.test to owner@example.test after a login at the $name server:"
        cat "$work/$name/server.log" 2>/dev/null || true
        status=1
    fi
done
# The certificate faults end before any login.
for name in SELF_SIGNED EXPIRED OTHER_NAME; do
    if grep -q '"event": "auth-command"' "$work/$name/server.log" 2>/dev/null; then
        echo "FAIL: the password went to the $name server"
        status=1
    fi
done
exit $status
