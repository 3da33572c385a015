#!/usr/bin/env bash
# Checks the Windows zip: one folder with only the 32-bit program and its read-me in Windows lines.
set -euo pipefail
zip=$1
folder=$(basename "$zip" .zip)
[ "$(unzip -Z1 "$zip" | grep -v '/$' | sort)" = "$folder/README.txt"$'\n'"$folder/ipview.exe" ]
unzip -p "$zip" "$folder/ipview.exe" | file - | grep 'PE32 executable (GUI) Intel 80386'
! unzip -p "$zip" "$folder/README.txt" | grep -qv $'\r$'
