#!/usr/bin/env bash
# Usage: check-version.sh PROJECT-VERSION PACKAGE... Checks that every place of a .deb, a zip or
# the source release that names the version names PROJECT-VERSION (four numbers), as a release is
# named by its first three, and that the Windows version record carries the licence's copyright
# line.
set -euo pipefail
export LC_ALL=C
IFS=. read -r major minor patch tweak <<<"$1"
release=$major.$minor.$patch
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
same() { # what, found, expected
    [ "$2" = "$3" ] || { failed=1; echo "FAILED: $1 is \"$2\", not \"$3\"" >&2; }
}

for package in "${@:2}"; do
    name=$(basename "$package")
    case $name in
    *.deb)
        same "the package's file name" "$name" \
            "ipview_${release}_$(dpkg-deb -f "$package" Architecture).deb"
        same "the package's version" "$(dpkg-deb -f "$package" Version)" "$release"
        rm -rf "$work/deb"
        dpkg-deb -x "$package" "$work/deb"
        same "the metainfo's release" "$(grep -o '<release version="[^"]*"' \
            "$work"/deb/usr/share/metainfo/*.xml | cut -d'"' -f2)" "$release"
        same "the changelog's first entry" "$(zcat "$work"/deb/usr/share/doc/ipview/changelog.gz |
            head -1 | cut -d' ' -f2)" "($release)"
        same "the manual page's source" "$(zcat "$work"/deb/usr/share/man/man1/ipview.1.gz |
            grep '^\.TH' | cut -d'"' -f2)" "ipview $release"
        ;;
    *.zip)
        folder=ipview-$release-win32
        same "the zip's file name" "$name" "$folder.zip"
        unzip -q -d "$work/zip" "$package"
        same "the read-me's title" "$(head -1 "$work/zip/$folder/README.txt")" \
            "ipview $release for Windows"$'\r'
        wrestool -x -R --type=version "$work/zip/$folder/ipview.exe" >"$work/version"
        # The fixed record: the file and then the product version, after its signature and its
        # own version, as two little-endian words each of two 16-bit numbers: minor, major.
        offset=$(grep -obUaP '\xbd\x04\xef\xfe' "$work/version" | head -1 | cut -d: -f1)
        words=$(od -An -tu2 -j $((offset + 8)) -N 16 "$work/version" | xargs)
        same "the record's file and product versions" "$words" \
            "$minor $major $tweak $patch $minor $major $tweak $patch"
        strings -el -n 3 "$work/version" >"$work/strings"
        for entry in FileVersion ProductVersion; do
            same "the record's $entry" "$(grep -A1 -x $entry "$work/strings" | tail -1)" \
                "$major.$(printf %02d "$minor")"
        done
        same "the record's LegalCopyright" "$(grep -A1 -x LegalCopyright "$work/strings" |
            tail -1)" "$(grep -m1 '^Copyright ' "$(dirname "$0")/../../LICENSE")"
        ;;
    *.tar.gz)
        same "the source release's file name" "$name" "ipview-$release.tar.gz"
        same "the source release's folders" "$(tar -tzf "$package" | cut -d/ -f1 | sort -u)" \
            "ipview-$release"
        ;;
    *) same "the kind of $name" "$name" "a .deb, a .zip or a .tar.gz" ;;
    esac
done
exit $failed
