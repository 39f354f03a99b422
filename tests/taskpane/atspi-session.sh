#!/bin/sh
# Runs a test program where an assistive client meets it on a desktop: on a
# private X display (Xvfb, on the first free number it finds itself) with the
# toolkit's accessibility bridge on, and a private session bus
# (dbus-run-session) that starts the AT-SPI bus and its registry when asked.
# A missing tool skips (exit 77), as in a package build, which installs none
# of them; it fails where ZELVANO_REQUIRE_ATSPI=1 (scripts/check sets it,
# after scripts/install-deps installed them).
#   atspi-session.sh PROGRAM [ARGUMENTS...]
set -eu
missing=
for tool in Xvfb dbus-run-session dbus-daemon \
    /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    if [ "${ZELVANO_REQUIRE_ATSPI:-}" = 1 ]; then
        echo "atspi session: missing$missing (scripts/install-deps installs them)" >&2
        exit 1
    fi
    echo "atspi session: skipped, missing$missing (scripts/install-deps installs them)"
    exit 77
fi
dir=$(mktemp -d)
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
# Xvfb writes its display's number once it takes connections; -displayfd
# finds a free number without the race of two servers choosing the same.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
tries=0
until grep -q '^[0-9]' "$dir/display"; do
    if ! kill -0 "$xvfb" 2>/dev/null || [ $tries -ge 300 ]; then
        echo "atspi session: Xvfb ended, or gave no display within 30 s:" >&2
        cat "$dir/xvfb.log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
DISPLAY=":$(cat "$dir/display")"
export DISPLAY QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Ends before CTest's limit, so that the display is stopped here.
status=0
timeout 100 dbus-run-session -- "$@" || status=$?
[ $status -ne 124 ] || echo "atspi session: $* still ran after 100 s" >&2
exit $status
