# Throwaway keys for the signing tests, made in a folder of the test's own and gone with it: a
# CA, a code-signing certificate whose key lives on a SoftHSM2 token, a time-stamp authority's
# certificate and configuration, and an OpenPGP key without a passphrase. Sourced; sets the
# variables that scripts/sign reads. Usage: throwaway_keys FOLDER
throwaway_keys() {
    local keys=$1
    mkdir -p "$keys/tokens" "$keys/gnupg"
    cat >"$keys/extensions.cnf" <<'EOF'
[codesign]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature
extendedKeyUsage = critical, codeSigning
authorityKeyIdentifier = keyid
[timestamping]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature
extendedKeyUsage = critical, timeStamping
authorityKeyIdentifier = keyid
EOF
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$keys/ca.key" -out "$keys/ca.pem" -days 2 \
        -subj "/CN=ipview throwaway test CA" -addext "keyUsage=critical,keyCertSign" \
        -addext "basicConstraints=critical,CA:true" 2>/dev/null
    local who
    for who in codesign timestamping; do
        openssl req -new -newkey rsa:2048 -nodes -keyout "$keys/$who.key" -out "$keys/$who.csr" \
            -subj "/CN=ipview throwaway $who" 2>/dev/null
        openssl x509 -req -in "$keys/$who.csr" -CA "$keys/ca.pem" -CAkey "$keys/ca.key" \
            -CAcreateserial -days 1 -extfile "$keys/extensions.cnf" -extensions $who \
            -out "$keys/$who.pem" 2>/dev/null
    done
    cat "$keys/codesign.pem" "$keys/ca.pem" >"$keys/chain.pem"

    printf 'directories.tokendir = %s\nobjectstore.backend = file\n' "$keys/tokens" \
        >"$keys/softhsm2.conf"
    export SOFTHSM2_CONF=$keys/softhsm2.conf
    (umask 077 && echo 314159 >"$keys/pin")
    softhsm2-util --init-token --free --label ipview-release --pin 314159 --so-pin 271828 >/dev/null
    openssl pkcs8 -topk8 -nocrypt -in "$keys/codesign.key" -out "$keys/codesign.p8"
    softhsm2-util --import "$keys/codesign.p8" --token ipview-release --label release --id 01 \
        --pin 314159 >/dev/null
    rm "$keys/codesign.key" "$keys/codesign.p8" # only the token has it now

    echo 01 >"$keys/timestamp-serial"
    cat >"$keys/timestamping.cnf" <<EOF
[tsa]
default_tsa = throwaway
[throwaway]
serial = $keys/timestamp-serial
crypto_device = builtin
signer_cert = $keys/timestamping.pem
certs = $keys/ca.pem
signer_key = $keys/timestamping.key
signer_digest = sha256
default_policy = 1.3.6.1.4.1.0.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_alg = sha256
EOF

    export GNUPGHOME=$keys/gnupg
    chmod 700 "$GNUPGHOME"
    gpg --batch --passphrase '' --quick-generate-key 'ipview throwaway test release' rsa2048 sign \
        1d 2>/dev/null
    IPVIEW_GPG_KEY=$(gpg --batch --with-colons --list-secret-keys 2>/dev/null |
        awk -F: '$1 == "fpr" { print $10; exit }')

    export IPVIEW_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so
    export IPVIEW_SIGN_KEY="pkcs11:token=ipview-release;object=release;type=private"
    export IPVIEW_SIGN_PIN_FILE=$keys/pin
    export IPVIEW_SIGN_CERTS=$keys/chain.pem
    export IPVIEW_GPG_KEY
}
