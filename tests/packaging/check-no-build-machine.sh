#!/usr/bin/env bash
# Usage: check-no-build-machine.sh PACKAGE... Fails when a file of a .deb, a zip or the source
# release names the machine that built it: its host name, the git identity of the source tree, or
# the folder of the source tree. Programs are searched by their runs of text, compressed files
# uncompressed.
set -euo pipefail
export LC_ALL=C
source_tree=$(realpath "$(dirname "$0")/../..")
names=("$source_tree" "$(hostname)")
for key in user.name user.email; do
    name=$(git -C "$source_tree" config "$key" || true)
    [ -z "$name" ] || names+=("$name")
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for package in "$@"; do
    case $package in
    *.deb) dpkg-deb -x "$package" "$work/$(basename "$package")" ;;
    *.zip) unzip -q -d "$work/$(basename "$package")" "$package" ;;
    *.tar.gz) tar -xzf "$package" -C "$work" ;; # into its own folder
    esac
done
find "$work" -name '*.gz' -exec gunzip --keep {} +

failed=0
while IFS= read -r -d '' file; do
    for name in "${names[@]}"; do
        if { strings -a -n 4 "$file"; strings -a -el -n 4 "$file"; } | grep -qwF -- "$name"; then
            failed=1
            echo "FAILED: ${file#"$work"/} names \"$name\"" >&2
        fi
    done
done < <(find "$work" -type f -print0)
exit $failed
