#!/usr/bin/env bash
# Checks the Windows zip of ipview: one folder holding the 32-bit program and its read-me, whose
# lines end the Windows way, and nothing else.
# Usage: check-zip.sh ZIP
set -euo pipefail
zip=$1
folder=$(basename "$zip" .zip)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

unzip -l "$zip"
listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
[ "$listed" = "$folder/README.txt"$'\n'"$folder/ipview.exe" ] || fail "the zip holds: $listed"

program=$(unzip -p "$zip" "$folder/ipview.exe" | file -b -)
echo "ipview.exe: $program"
[[ $program == "PE32 executable (GUI) Intel 80386"* ]] || fail "ipview.exe is not a 32-bit GUI program"

! unzip -p "$zip" "$folder/README.txt" | grep -qv $'\r$' || fail "README.txt has lines without CR"
