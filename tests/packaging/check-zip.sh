#!/usr/bin/env bash
# Checks the Windows zip: one folder with only the 32-bit program, its read-me and its licence,
# the texts in Windows lines.
set -euo pipefail
zip=$1
folder=$(basename "$zip" .zip)
[ "$(unzip -Z1 "$zip" | grep -v '/$' | sort | xargs)" = \
    "$folder/LICENSE.txt $folder/README.txt $folder/ipview.exe" ]
unzip -p "$zip" "$folder/ipview.exe" | file - | grep 'PE32 executable (GUI) Intel 80386'
for text in README.txt LICENSE.txt; do
    ! unzip -p "$zip" "$folder/$text" | grep -qv $'\r$'
done
unzip -p "$zip" "$folder/LICENSE.txt" | grep -q '^Copyright (c) .* the ipview authors'
