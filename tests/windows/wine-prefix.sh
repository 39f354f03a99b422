#!/usr/bin/env bash
# Sourced by the Windows checks: the Wine programs and a fresh prefix made
# like a Windows installation that has Tahoma in its Fonts folder. Wine's own
# Tahoma (fonts-wine) is not offered to programs unless it lies there, and
# without it every face falls back to DejaVu, whose wider captions are cut.
#   source wine-prefix.sh; wine_prefix DIR [--no-window-manager]
#   (exports WINEPREFIX=DIR; exit 1 when Wine failed to make it or took
#   more than 300 s)
#   wine_keep_server: keep the prefix's server running until wineserver -k
#   (exit 1 when its system processes failed or took more than 120 s to start)
#   wine_env NAME: the prefix's value of %NAME%
#   wine_unix_path 'C:\a\b': that path in the prefix, as a Unix path
#   wine_display WxH: a virtual display of that size at 96 DPI, exported as
#   DISPLAY, its server's process in $xvfb (exit 1: none started, none left)
# --no-window-manager is for a virtual display where none runs: Wine hands
# its windows to the window manager and, hiding one, waits 2 s for the
# manager to let it go; without one, every window that closes costs those
# 2 s. Wine then keeps its windows to itself.
wine=${ZELVANO_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts for Wine's .NET and browser add-ons, which nothing here uses, and
# no copies of shortcuts in this machine's own menus.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=;winemenubuilder.exe=d}

wine_prefix() {
    export WINEPREFIX=$1
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1 ||
        { echo "wine-prefix: wineboot failed or took more than 300 s in $1" >&2; return 1; }
    if [[ ${2:-} == --no-window-manager ]]; then
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    fi
    timeout 300 "$wineserver" -w 2>/dev/null ||
        { echo "wine-prefix: the programs of $1 did not end within 300 s" >&2; return 1; }
    cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
        "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Keeps the prefix's Wine server running between programs (one that exits
# between two of them now and then leaves the next without output) and starts
# the prefix's system processes now, their output going nowhere: under a kept
# server they outlive the program that starts them and would hold its output
# open, so that whoever reads it waits for ever.
wine_keep_server() {
    "$wineserver" -p >/dev/null 2>&1
    timeout 120 "$wine" cmd /c exit >/dev/null 2>&1 ||
        { echo "wine-prefix: the system processes failed or took more than 120 s to start" >&2
          return 1; }
}

wine_env() { "$wine" cmd /c echo "%$1%" | tr -d '\r'; }
wine_unix_path() { local p=${1#[Cc]:\\}; echo "$WINEPREFIX/drive_c/${p//\\//}"; }

wine_display() {
    local fd number
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "$1x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    # shellcheck disable=SC2034 # the caller stops it
    xvfb=$!
    read -r -t 30 number <&"$fd" || { kill "$xvfb" 2>/dev/null; return 1; }
    export DISPLAY=:$number
}
