#!/bin/sh
# install-layout.sh BUILD_DIR: installs the build into a scratch prefix and
# checks that the program, the licence beside it, the desktop entry, the
# metainfo and the icons land where the desktop looks for them.
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

fail=0
need() {
    if [ ! -e "$root/usr/$1" ]; then
        echo "missing: $1"
        fail=1
    fi
}
need bin/zelvano
need share/applications/org.example.Zelvano.desktop
need share/metainfo/org.example.Zelvano.metainfo.xml
need bin/zelvano-convert
need share/man/man1/zelvano.1.gz
need share/man/man1/zelvano-convert.1.gz
need share/bash-completion/completions/zelvano-convert
for size in 16 24 32 48 64 72 96 128 256; do
    need share/icons/hicolor/${size}x${size}/apps/org.example.Zelvano.png
done

# The program's folder is where the link leads; the licence lies there.
program=$(readlink -f "$root/usr/bin/zelvano")
if [ ! -x "$program" ] || [ ! -f "$(dirname "$program")/License.rtf" ]; then
    echo "no program with License.rtf beside it behind bin/zelvano ($program)"
    fail=1
fi
case $(readlink "$root/usr/bin/zelvano") in
/*) echo "bin/zelvano is an absolute link: the prefix cannot move"; fail=1 ;;
esac
exit $fail
