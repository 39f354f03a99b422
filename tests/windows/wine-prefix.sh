#!/usr/bin/env bash
# Sourced by the Windows checks: the Wine programs and a fresh prefix made
# like a Windows installation that has Tahoma in its Fonts folder. Wine's own
# Tahoma (fonts-wine) is not offered to programs unless it lies there, and
# without it every face falls back to DejaVu, whose wider captions are cut.
#   source wine-prefix.sh; wine_prefix DIR   (exports WINEPREFIX=DIR)
wine=${ZELVANO_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts for Wine's .NET and browser add-ons, which nothing here uses, and
# no copies of shortcuts in this machine's own menus.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=;winemenubuilder.exe=d}

wine_prefix() {
    export WINEPREFIX=$1
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w 2>/dev/null
    cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
        "$WINEPREFIX/drive_c/windows/Fonts/"
}
