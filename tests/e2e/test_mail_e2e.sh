#!/usr/bin/env bash
# The test e-mail from the real program under Xvfb, against a real SMTP server on 127.0.0.1 (STARTTLS,
# login required, certificate from an authority made here): the 8620MG's e-mail dialog, filled from the
# keyboard, sends it with its test button. The server must receive the message from the dialog's sender to
# its recipient, and the program's result message must come up. The program loads its mail module only for
# this, from where the build put it beside the program.
#   test_mail_e2e.sh <path to corvane> <smtp_test_server.py>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
server_script=$2
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
# The system's Python, which has Debian's python3-aiosmtpd (not whichever python3 comes first in PATH).
python=/usr/bin/python3

"$python" -c 'import aiosmtpd' 2>/dev/null || { echo "skipped: python3-aiosmtpd is not installed"; exit 77; }
command -v openssl >/dev/null || { echo "skipped: openssl is not installed"; exit 77; }

# A test authority and a server certificate for 127.0.0.1 that it signed.
certs=$work/certs
mkdir -p "$certs"
ec_key=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
openssl req -x509 "${ec_key[@]}" -keyout "$certs/ca.key" -out "$certs/ca.pem" -days 2 \
    -subj "/CN=Corvane Test Authority" -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" 2>"$work/openssl.log"
printf 'subjectAltName=IP:127.0.0.1\nextendedKeyUsage=serverAuth\n' >"$certs/server.ext"
openssl req "${ec_key[@]}" -keyout "$certs/server.key" -out "$certs/server.csr" -subj "/CN=127.0.0.1" \
    2>>"$work/openssl.log"
openssl x509 -req -in "$certs/server.csr" -CA "$certs/ca.pem" -CAkey "$certs/ca.key" -CAcreateserial \
    -out "$certs/server.pem" -days 2 -extfile "$certs/server.ext" 2>>"$work/openssl.log"

sender=camera@example.test
# The camera logs in with the part of its sender address before "@".
login=${sender%%@*}
password=secret-1
recipient=owner@example.test
mkfifo "$work/server.out"
"$python" "$server_script" --mode starttls --cert "$certs/server.pem" --key "$certs/server.key" \
    --login "$login" --password "$password" --log "$work/server.log" >"$work/server.out" 2>"$work/server.err" &
server_pid=$!
exec 5<"$work/server.out"
read -r -t "$timeout_s" word port <&5 || fail "the SMTP server did not start: $(cat "$work/server.err")"
[ "$word" = PORT ] || fail "the SMTP server said '$word $port'"
stop_server() { kill "$server_pid" 2>/dev/null || true; cleanup; }
trap stop_server EXIT

start_xvfb 1280x800
fresh_home
mkdir -p "$XDG_CONFIG_HOME/Corvane"
printf 'language=10\nmodel=4\nTvMode=0\nCompany=Corvane\n' >"$prefs"
# Certificates are checked against the test authority only.
export CORVANE_SMTP_CA_FILE=$certs/ca.pem
start_program en_US.UTF-8

# Main window: language list focused; Tab past the model list and the camera and MMS buttons to SMTP.
focus_window '^Corvane$' >/dev/null
keys Tab Tab Tab Tab space
focus_window '^Corvane 8620$' >/dev/null

fill_email_dialog 127.0.0.1 "$port" "$sender" "$password" "$recipient"
# from the folder field past Generate to the test e-mail button
keys Tab Tab space

wait_for "the message at the SMTP server" grep -q '"event": "message"' "$work/server.log"
message=$(grep '"event": "message"' "$work/server.log")
[[ "$message" == *"\"$sender\""* ]] || fail "the message came from elsewhere: $message"
[[ "$message" == *"\"$recipient\""* ]] || fail "the message went elsewhere: $message"
[[ "$message" == *'"authenticated": true'* ]] || fail "the message came without a login: $message"
grep -q "\"event\": \"login\", \"login\": \"$login\", \"ok\": true" "$work/server.log" ||
    fail "no accepted login as $login: $(cat "$work/server.log")"
# The result message (title "Corvane") over the dialog; Enter closes it.
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null
app_running || fail "the program ended after the test e-mail"

keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end
echo "test e-mail sent through the mail module to 127.0.0.1:$port"
