#!/usr/bin/env bash
# The test e-mail of corvane.exe under Wine and Xvfb, against real SMTP servers on this machine, driven
# from the keyboard as a user would: the 8620MG's e-mail dialog sends through a server with STARTTLS and a
# login (certificate from an authority made here, trusted through CORVANE_SMTP_CA_FILE), and the server
# receives the message from the dialog's sender to its recipient; with a server that never says a word the
# test ends in the answer time limit, with its message; pressed again while it runs, the button cancels it
# at once.
#   test_mail_windows.sh <corvane.exe> <smtp_test_server.py>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

[ $# -eq 2 ] || { echo "usage: $0 <corvane.exe> <smtp_test_server.py>" >&2; exit 2; }
program=$(realpath "$1")
server_script=$(realpath "$2")
timeout_s=${CORVANE_E2E_TIMEOUT:-90}
# shellcheck source=tests/e2e/wine/wine_session.sh
source "$(dirname "$0")/wine_session.sh"
# shellcheck source=tests/support/smtp_test_certs.sh
source "$(dirname "$0")/../../support/smtp_test_certs.sh"
# The system's Python, which has Debian's python3-aiosmtpd.
python=/usr/bin/python3
"$python" -c 'import aiosmtpd' 2>/dev/null || skip "python3-aiosmtpd is not installed"
command -v openssl >/dev/null || skip "openssl is not installed"

make_test_certificates "$work/certs" >"$work/openssl.log" 2>&1

sender=camera@example.test
# The camera logs in with the part of its sender address before "@".
login=${sender%%@*}
password=secret-1
recipient=owner@example.test

server_pids=()
# start_server NAME ARGS...: an SMTP test server; its port in the variable NAME_port.
start_server() {
    local name=$1
    shift
    mkfifo "$work/$name.out"
    "$python" "$server_script" "$@" --log "$work/$name.log" >"$work/$name.out" 2>"$work/$name.err" &
    server_pids+=($!)
    local word port
    exec {fd}<"$work/$name.out"
    read -r -t "$timeout_s" word port <&"$fd" || fail "the $name SMTP server did not start: $(cat "$work/$name.err")"
    [ "$word" = PORT ] || fail "the $name SMTP server said '$word $port'"
    printf -v "${name}_port" '%s' "$port"
}
stop_servers() {
    local pid
    for pid in "${server_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wine_cleanup
}
trap stop_servers EXIT

start_server good --mode starttls --cert "$work/certs/server.pem" --key "$work/certs/server.key" \
    --login "$login" --password "$password"
start_server silent --mode silent

start_wine 1280x800
card=$work/card
mkdir -p "$card"
card_windows=$(winepath -w "$card")
# Certificates are checked against the test authority only.
export CORVANE_SMTP_CA_FILE
CORVANE_SMTP_CA_FILE=$(winepath -w "$work/certs/ca.pem")

select_field() { keys Home shift+End; }
window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# The result message (title "Corvane") closed with Enter; the dialog under it has the keys again.
close_result_message() {
    local box
    box=$(focus_window '^Corvane$')
    keys Return
    wait_for "the result message to close" window_gone "$box"
    focus_window '^Corvane 8620$' >/dev/null
}
# Milliseconds since the epoch.
now() { date +%s%3N; }

start_windows_program en_US.UTF-8 "$program"

# Main window: the language list has the focus; Tab to the model list, down to "Vyn 8620MG", then past
# the camera and MMS buttons to the e-mail button.
focus_window '^Corvane$' >/dev/null
keys Tab Down Down Down Tab Tab Tab space
focus_window '^Corvane 8620$' >/dev/null

# The dialog opens on its mode list. Tab order: mode, status, pictures, country, operator, remote control,
# APN, account, password, server, port, sender, sender password, recipient, phone, Select, read, folder,
# Generate, test e-mail, Exit.
keys Tab Tab
select_field
xdotool type --delay 30 "7"
keys Tab Tab Down Tab Tab Tab Tab Tab
# The server by name: with an authority of its own libcurl checks the certificate's name itself.
for text in localhost "$good_port" "$sender" "$password" "$recipient"; do
    xdotool type --delay 10 "$text"
    keys Tab
done
keys Tab Tab Tab
select_field
xdotool type --delay 10 "$card_windows"
# From the folder field past Generate to the test e-mail button.
keys Tab Tab space

wait_for "the message at the SMTP server" grep -q '"event": "message"' "$work/good.log"
message=$(grep '"event": "message"' "$work/good.log")
[[ "$message" == *"\"$sender\""* ]] || fail "the message came from elsewhere: $message"
[[ "$message" == *"\"$recipient\""* ]] || fail "the message went elsewhere: $message"
[[ "$message" == *'"authenticated": true'* ]] || fail "the message came without a login: $message"
grep -q "\"event\": \"login\", \"login\": \"$login\", \"ok\": true" "$work/good.log" ||
    fail "no accepted login as $login: $(cat "$work/good.log")"
close_result_message
[ ! -e "$card/smtp.dat" ] || fail "the test e-mail wrote smtp.dat"

# --- A server that never answers: the test ends in the answer time limit (15 s), with a message.
# Back from the test button to the port field: Generate, folder, read, Select, phone, recipient, sender
# password, sender, port.
for _ in $(seq 9); do keys shift+Tab; done
select_field
xdotool type --delay 10 "$silent_port"
for _ in $(seq 9); do keys Tab; done
started=$(now)
keys space
focus_window '^Corvane$' >/dev/null
took=$(($(now) - started))
echo "silent server: the result message after ${took} ms"
((took >= 14000)) || fail "the silent server's test ended after ${took} ms, before the time limit"
((took <= 40000)) || fail "the silent server's test took ${took} ms"
close_result_message

# --- The same server, and the button pressed again while the test runs: cancelled at once.
keys space
sleep 2
started=$(now)
keys space
focus_window '^Corvane$' >/dev/null
took=$(($(now) - started))
echo "cancelled: the result message after ${took} ms"
((took <= 8000)) || fail "Cancel took ${took} ms"
close_result_message

keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end
echo "test e-mail sent from corvane.exe through 127.0.0.1:$good_port; time limit and cancel seen"
