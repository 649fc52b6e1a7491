# A test certificate authority and the server certificates of the SMTP test server, made with openssl in
# folder $1 (for shell tests; the C++ tests make the same in smtp_test_server.h):
#   ca.pem; server.pem/.key (127.0.0.1 and localhost, from the authority), other.pem/.key (another name),
#   self.pem/.key (self-signed, right name), expired.pem/.key (from the authority, valid one day in 2020).
# Source it, then: make_test_certificates FOLDER
make_test_certificates() {
    local dir=$1
    local ec_key=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
    mkdir -p "$dir"
    (
        set -e
        cd "$dir"
        openssl req -x509 "${ec_key[@]}" -keyout ca.key -out ca.pem -days 2 \
            -subj "/CN=Corvane Test Authority" -addext "basicConstraints=critical,CA:TRUE" \
            -addext "keyUsage=critical,keyCertSign,cRLSign"
        sign() {
            printf 'subjectAltName=%s\nextendedKeyUsage=serverAuth\n' "$2" >"$1.ext"
            openssl req "${ec_key[@]}" -keyout "$1.key" -out "$1.csr" -subj "/CN=$1"
            openssl x509 -req -in "$1.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -out "$1.pem" -days 2 \
                -extfile "$1.ext"
        }
        sign server "IP:127.0.0.1,DNS:localhost"
        sign other "DNS:mail.other.invalid"
        openssl req -x509 "${ec_key[@]}" -keyout self.key -out self.pem -days 2 -subj "/CN=127.0.0.1" \
            -addext "subjectAltName=IP:127.0.0.1,DNS:localhost"
        # Only "openssl ca" takes dates in the past.
        printf '[ca]\ndefault_ca = test_ca\n[test_ca]\ndatabase = index.txt\nnew_certs_dir = .\nserial = serial\ndefault_md = sha256\npolicy = any_name\n[any_name]\ncommonName = supplied\n' >ca.cnf
        : >index.txt
        echo 01 >serial
        printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\nextendedKeyUsage=serverAuth\n' >expired.ext
        openssl req "${ec_key[@]}" -keyout expired.key -out expired.csr -subj /CN=expired
        openssl ca -batch -config ca.cnf -cert ca.pem -keyfile ca.key -in expired.csr -out expired.pem \
            -startdate 20200101000000Z -enddate 20200102000000Z -extfile expired.ext -notext
    ) >"$dir/openssl.log" 2>&1
}

# Starts the SMTP test server (smtp_test_server.py) in the background with the given arguments, and sets
# SMTP_PORT to where it listens and SMTP_PID to its process. $1: a folder of its own for its files.
start_smtp_server() {
    local dir=$1
    shift
    mkdir -p "$dir"
    /usr/bin/python3 "$smtp_server_script" --log "$dir/server.log" "$@" >"$dir/server.out" 2>"$dir/server.err" &
    SMTP_PID=$!
    local waited=0
    until grep -q '^PORT ' "$dir/server.out" 2>/dev/null; do
        if ! kill -0 "$SMTP_PID" 2>/dev/null || [ $waited -ge 100 ]; then
            echo "the SMTP server did not start: $(cat "$dir/server.err")" >&2
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    SMTP_PORT=$(sed -n 's/^PORT //p' "$dir/server.out")
}
