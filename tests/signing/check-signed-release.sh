#!/usr/bin/env bash
# Makes a signed release with throwaway keys, as a maintainer would with a token, and checks it
# as its users would: the Windows program's signature and time stamp verify against the test's
# CA, and a changed byte does not; taken off, the signature leaves the program that the Windows
# tests ran; the sums verify and match the files as signed; the keys are tried once. Also checks
# that options that cannot be read and keys that are missing or unusable are refused before
# anything is built, that a build that fails leaves the release before it, and that a signing that
# fails half-way leaves no signed release. Runs scripts/package in this checkout, on the builds that
# the tests left, into a folder of the test's own: the checkout's dist/ is never touched.
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
here=tests/signing
source $here/throwaway-keys.sh
work=$(mktemp -d)
trap 'GNUPGHOME=$work/keys/gnupg gpgconf --kill gpg-agent 2>/dev/null
    [ -z "${authority:-}" ] || kill "$authority" 2>/dev/null
    rm -rf "$work"' EXIT
checkout_dist() { tar --sort=name -cf - dist 2>/dev/null | sha256sum; } # names, modes, times, bytes
checkout_dist_before=$(checkout_dist)
release=$work/release
throwaway_keys "$work/keys"
passed=0 failed=0
check() { # what, command...
    local what=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what" >&2
        sed 's/^/    /' "$work/out" >&2
    fi
}
# Usage: start_authority [ANSWERS]: a time-stamp authority on loopback, in IPVIEW_TIMESTAMP_URL.
start_authority() {
    [ -z "${authority:-}" ] || kill "$authority"
    rm -f "$work/url"
    python3 $here/timestamp-authority.py "$work/keys/timestamping.cnf" 900 "$@" >"$work/url" \
        2>"$work/authority.log" &
    authority=$!
    local _
    for _ in {1..100}; do [ ! -s "$work/url" ] && sleep 0.1; done
    [ -s "$work/url" ] || { echo "signing: the time-stamp authority did not start" >&2 && exit 1; }
    IPVIEW_TIMESTAMP_URL=$(cat "$work/url")
    export IPVIEW_TIMESTAMP_URL
}
start_authority

earlier_release() { rm -rf "$release" && mkdir "$release" && echo earlier >"$release/SHA256SUMS"; }
# The earlier release is in its place, and nothing was left beside it.
left_earlier() {
    [ "$(ls "$release")" = SHA256SUMS ] && [ "$(cat "$release/SHA256SUMS")" = earlier ] &&
        ! ls -d "$release".*
}
# Usage: refused_options OPTION...: scripts/package stops at once, before even the set-up, with
# one line and status 2.
refused_options() {
    earlier_release
    scripts/package "$@" --dist "$release" >"$work/stdout" 2>"$work/stderr"
    local status=$?
    tee -a "$work/refusals" <"$work/stderr"
    [ $status -eq 2 ] && [ "$(wc -l <"$work/stderr")" -eq 1 ] && [ ! -s "$work/stdout" ] &&
        left_earlier
}
for options in "--reproducible --sign" "--sign --reproducible" "--sign --nonsense"; do
    check "scripts/package $options is refused at once" refused_options $options
done
# Usage: refused VARIABLE VALUE|--unset [OPTION...]: scripts/package OPTION... --sign stops before
# building, with one line that names the variable, and leaves the release before it as it was.
refused() {
    local variable=$1 setting=("$1=$2") status
    [ "$2" != --unset ] || setting=(-u "$variable")
    shift 2
    earlier_release
    env "${setting[@]}" scripts/package "$@" --sign --dist "$release" >"$work/stdout" \
        2>"$work/stderr"
    status=$?
    tee -a "$work/refusals" <"$work/stderr"
    [ $status -ne 0 ] && [ "$(wc -l <"$work/stderr")" -eq 1 ] &&
        grep -q "$variable" "$work/stderr" && ! grep -q '^==' "$work/stdout" && left_earlier
}
check "--sign after --chroot is read: a missing key is refused" refused IPVIEW_GPG_KEY --unset \
    --chroot
for variable in IPVIEW_PKCS11_MODULE IPVIEW_SIGN_KEY IPVIEW_SIGN_PIN_FILE IPVIEW_SIGN_CERTS \
    IPVIEW_TIMESTAMP_URL IPVIEW_GPG_KEY; do
    check "a missing $variable is refused" refused $variable --unset
done
(umask 077 && echo 000000 >"$work/wrong-pin")
check "a wrong PIN is refused" refused IPVIEW_SIGN_PIN_FILE "$work/wrong-pin"
install -m 644 "$IPVIEW_SIGN_PIN_FILE" "$work/open-pin"
check "a PIN file that others can read is refused" refused IPVIEW_SIGN_PIN_FILE "$work/open-pin"
check "a key URI that holds the PIN is refused" refused IPVIEW_SIGN_KEY \
    "$IPVIEW_SIGN_KEY;pin-value=314159"
check "a key that the token lacks is refused" refused IPVIEW_SIGN_KEY \
    "pkcs11:token=ipview-release;object=another;type=private"
check "a certificate not for code signing is refused" refused IPVIEW_SIGN_CERTS \
    "$work/keys/timestamping.pem"
check "a module that is no file is refused" refused IPVIEW_PKCS11_MODULE "$work/none.so"
check "a module that is no library is refused" refused IPVIEW_PKCS11_MODULE "$work/keys/pin"
check "an authority that does not answer is refused" refused IPVIEW_TIMESTAMP_URL \
    "http://127.0.0.1:9/"
check "an OpenPGP key not in the keyring is refused" refused IPVIEW_GPG_KEY 0123456789ABCDEF

mkdir "$work/failing" # a packager that fails, as a build can
printf '#!/bin/sh\nexit 1\n' >"$work/failing/cpack"
chmod +x "$work/failing/cpack"
failed_build_keeps_earlier() {
    earlier_release
    ! env PATH="$work/failing:$PATH" scripts/package --dist "$release" && left_earlier
}
check "a build that fails leaves the release before it" failed_build_keeps_earlier

# Signings that fail after the release is built: at the program's time stamp, and at the sums'
# signature, after the program's.
unsigned=build/windows-x86/platform/win32/ipview.exe
sums_verify() { (cd "$release" && sha256sum -c SHA256SUMS); }
left_unsigned() { # FAILURE [PATH=...]: the signing stops with the line sign: FAILURE...
    local failure=$1
    shift
    env "$@" scripts/package --sign --dist "$release" 2>&1 | tee "$work/signing"
    [ "${PIPESTATUS[0]}" -ne 0 ] && grep -q "^sign: $failure" "$work/signing" &&
        [ ! -e "$release/SHA256SUMS.asc" ] && ! ls -d "$release".* &&
        unzip -p "$release"/ipview-*-win32.zip '*/ipview.exe' | cmp - $unsigned && sums_verify &&
        cp "$release"/ipview-*-win32.zip "$work/unsigned.zip"
}
start_authority 1 # it stamps the trial before the build, and no more
check "a time stamp that fails leaves no signed release" left_unsigned "Authenticode signing failed"
start_authority
mkdir "$work/bin" # a gpg whose key goes away after the trial, as a card pulled out would
printf '#!/bin/sh\ncase "$*" in *SHA256SUMS*) exit 2 ;; esac\nexec %s "$@"\n' "$(command -v gpg)" \
    >"$work/bin/gpg"
chmod +x "$work/bin/gpg"
check "an OpenPGP signature that fails leaves no signed release" left_unsigned \
    "the OpenPGP signature of SHA256SUMS failed" PATH="$work/bin:$PATH"

start_authority
mkdir "$work/counting" # an osslsigncode that notes each signature it asks the token for
printf '#!/bin/sh\n[ "$1" != sign ] || echo "$*" >>%s\nexec %s "$@"\n' "$work/signatures" \
    "$(command -v osslsigncode)" >"$work/counting/osslsigncode"
chmod +x "$work/counting/osslsigncode"
started=$SECONDS
check "scripts/package --sign makes a signed release" \
    env PATH="$work/counting:$PATH" scripts/package --sign --dist "$release"
echo "signing: scripts/package --sign took $((SECONDS - started)) s"
check "the checkout's dist/ is as it was" test "$(checkout_dist)" = "$checkout_dist_before"
[ -f "$release/SHA256SUMS.asc" ] || { echo "signing: $passed passed, $failed failed" && exit 1; }
signatures=$(wc -l <"$work/signatures") stamps=$(grep -c '"POST [^"]*" 200' "$work/authority.log")
echo "signing: the token made $signatures signatures, the authority gave $stamps time stamps"
check "the keys are tried once: two signatures, two time stamps" \
    test "$signatures $stamps" = "2 2"
mkdir "$work/zip"
unzip -q -d "$work/zip" "$release"/ipview-*-win32.zip
program=$(echo "$work"/zip/*/ipview.exe)
verify() {
    osslsigncode verify -CAfile "$work/keys/ca.pem" -TSA-CAfile "$work/keys/ca.pem" -in "$1"
}
verifies_signed_and_stamped() {
    verify "$program" >"$work/verify" &&
        [ "$(grep -c -e '^Message digest algorithm  : SHA256' -e '^	Text description: ipview' \
            -e '^Timestamp Server Signature verification: ok' -e '^Signature verification: ok' \
            "$work/verify")" -eq 4 ]
}
check "the signature and its time stamp verify against the CA" verifies_signed_and_stamped
changed_byte_fails() {
    cp "$program" "$work/changed.exe"
    printf '\x5a' | dd of="$work/changed.exe" bs=1 seek=4096 conv=notrunc status=none
    ! cmp -s "$work/changed.exe" "$program" && ! verify "$work/changed.exe"
}
check "a changed byte fails verification" changed_byte_fails
unsigned_is_tested() {
    osslsigncode remove-signature -in "$program" -out "$work/unsigned.exe" &&
        cmp "$work/unsigned.exe" $unsigned
}
check "the signature taken off leaves the program that the tests ran" unsigned_is_tested
# Each entry's mode, method, time and name, in order; the sizes differ.
entries() { zipinfo -T "$1" | awk '$2 == "2.0" { $4 = ""; print }'; }
same_entries() {
    entries "$work/unsigned.zip" >"$work/unsigned-entries" && entries "$release"/*-win32.zip |
        diff "$work/unsigned-entries" - && [ "$(wc -l <"$work/unsigned-entries")" -eq 3 ]
}
check "the signed zip has the unsigned one's entries, modes and times" same_entries
check "SHA256SUMS.asc verifies" gpg --batch --verify "$release/SHA256SUMS.asc" "$release/SHA256SUMS"
check "the sums are of the files as signed" sums_verify
echo "signing: the refusals:"
sed 's/^/    /' "$work/refusals"
echo "signing: the program is $(stat -c %s $unsigned) bytes, $(stat -c %s "$program") signed"
sed -n '/^Signature Index/,$p' "$work/verify"

echo "signing: $passed passed, $failed failed"
[ $failed -eq 0 ]
