#!/bin/sh
# install-tree.sh BUILD_DIR CONSUMER_DIR CMAKE GENERATOR PLUGIN: installs the
# controls' package from BUILD_DIR into a scratch prefix, checks what it lays
# out, then configures, builds and runs the project in CONSUMER_DIR against
# it. PLUGIN is ON when the designer plugin was built (and is checked too).
set -eu
build=$1
consumer=$2
cmake=$3
generator=$4
plugin_built=$5
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
prefix=$out/prefix

"$cmake" --install "$build" --component ZelvanoWidgets --prefix "$prefix" >"$out/install.log" 2>&1 || {
    cat "$out/install.log"
    exit 1
}
fail=0
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$out/files"
for path in include/ZelvanoWidgets/torkExplorerBarCtl.h include/ZelvanoWidgets/HyperLink.h \
    include/ZelvanoWidgets/TaskPaneExport.h include/ZelvanoWidgets/HyperLinkExport.h; do
    grep -qx "$path" "$out/files" || { echo "missing: $path"; fail=1; }
done
for pattern in 'cmake/ZelvanoWidgets/ZelvanoWidgetsConfig\.cmake$' \
    'cmake/ZelvanoWidgets/ZelvanoWidgetsConfigVersion\.cmake$' \
    '/libzelvano-taskpane\.so\.[0-9]+$' '/libzelvano-hyperlink\.so\.[0-9]+$'; do
    grep -Eq "$pattern" "$out/files" || { echo "missing: $pattern"; fail=1; }
done
# Only what another program builds against: no program, no archives, no sources.
if grep -E '\.a$|\.cpp$|^bin/|^libexec/|^share/' "$out/files"; then
    echo "files that do not belong in the package (above)"
    fail=1
fi
plugin=$(find "$prefix" -path '*/qt6/plugins/designer/libzelvano-widgets.so')
if [ "$plugin_built" = ON ]; then
    if [ -z "$plugin" ]; then
        echo "missing: lib.../qt6/plugins/designer/libzelvano-widgets.so"
        fail=1
    elif ldd "$plugin" | grep 'not found'; then
        echo "the installed plugin does not find its libraries (above)"
        fail=1
    fi
fi

"$cmake" -S "$consumer" -B "$out/build" -G "$generator" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCHECK_DESIGNER_PLUGIN="$plugin_built" >"$out/configure.log" 2>&1 || {
    cat "$out/configure.log"
    exit 1
}
"$cmake" --build "$out/build" >"$out/build.log" 2>&1 || {
    cat "$out/build.log"
    exit 1
}
QT_QPA_PLATFORM=offscreen "$out/build/widgets-consumer" "$plugin" || fail=1
exit $fail
