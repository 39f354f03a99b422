#!/bin/sh
# package.sh DEB: checks the file list and control fields of the Debian
# package that dpkg-buildpackage made (scripts/release runs it on every
# release's package).
set -eu
deb=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail=0

case $(basename "$deb") in
zelvano_$(dpkg-deb -f "$deb" Version)_$(dpkg-deb -f "$deb" Architecture).deb) ;;
*) echo "file name $(basename "$deb") does not follow zelvano_<version>_<arch>.deb"; fail=1 ;;
esac

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$out/files"
for path in /usr/bin/zelvano /usr/bin/zelvano-convert \
    /usr/libexec/zelvano/zelvano /usr/libexec/zelvano/License.rtf \
    /usr/share/applications/org.example.Zelvano.desktop \
    /usr/share/metainfo/org.example.Zelvano.metainfo.xml \
    /usr/share/icons/hicolor/16x16/apps/org.example.Zelvano.png \
    /usr/share/icons/hicolor/256x256/apps/org.example.Zelvano.png \
    /usr/share/man/man1/zelvano.1.gz /usr/share/man/man1/zelvano-convert.1.gz \
    /usr/share/bash-completion/completions/zelvano-convert \
    /usr/share/doc/zelvano/copyright /usr/share/doc/zelvano/changelog.gz; do
    grep -qx "$path" "$out/files" || { echo "missing: $path"; fail=1; }
done
# Nothing of the build beyond what users run: no tests, no static libraries.
if grep -E '\.a$|/include/|test|screenshot' "$out/files"; then
    echo "files that do not belong in the package (above)"
    fail=1
fi

field() { dpkg-deb -f "$deb" "$1"; }
expect_field() { # NAME PATTERN: the field matches the extended regular expression
    if ! field "$1" | grep -Eq "$2"; then
        echo "$1: '$(field "$1")' does not match '$2'"
        fail=1
    fi
}
expect_field Package '^zelvano$'
expect_field Version '^[0-9]+\.[0-9]+\.2\+build[0-9]+$'
expect_field Section '^utils$'
expect_field Maintainer '^.+ <[^@ ]+@[^@ ]+>$'
expect_field Homepage '^https://'
expect_field Description '^converter of physical quantities'
# Libraries from the binaries, plus the window's font and Qt's Russian texts.
expect_field Depends 'libqt6widgets6'
expect_field Depends 'libc6'
expect_field Depends 'fonts-wine'
expect_field Depends 'qt6-translations-l10n'

# The binaries are stripped: no symbol table left.
dpkg-deb -x "$deb" "$out/root"
for binary in usr/libexec/zelvano/zelvano usr/bin/zelvano-convert; do
    if readelf -S "$out/root/$binary" | grep -q '\.symtab'; then
        echo "$binary is not stripped"
        fail=1
    fi
done
exit $fail
