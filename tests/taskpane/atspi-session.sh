#!/bin/sh
# Runs a test program where an assistive client meets it on a desktop: on a
# private X display (xvfb-run) with the toolkit's accessibility bridge on, and
# a private session bus (dbus-run-session) that starts the AT-SPI bus and its
# registry when asked. A missing tool skips (exit 77), but fails under
# CI=true, where scripts/install-deps has installed them.
#   atspi-session.sh PROGRAM [ARGUMENTS...]
set -u
missing=
for tool in xvfb-run Xvfb xauth dbus-run-session dbus-daemon \
    /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    if [ "${CI:-}" = true ]; then
        echo "atspi session: missing$missing (scripts/install-deps installs them)" >&2
        exit 1
    fi
    echo "atspi session: skipped, missing$missing (scripts/install-deps installs them)"
    exit 77
fi
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec xvfb-run -a -s "-nolisten tcp -screen 0 1024x768x24" dbus-run-session -- "$@"
