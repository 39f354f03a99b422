#!/usr/bin/env bash
# Starts the Windows program under Wine on a virtual display, waits for its
# window, saves a picture of the screen, closes the window and checks that
# the process then ends.
#   window-shows.sh ZELVANO-EXE OUT.png
set -uo pipefail
exe=$1
out=$2
wine=${ZELVANO_WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=${WINEDEBUG:--all}
# A Wine session started without a display (an earlier console program in
# the same prefix) lingers for a while and would take this program in too,
# without a window driver: it is ended first.
wineserver=$(dirname "$wine")/wineserver
"$wineserver" -k 2>/dev/null
"$wineserver" -w 2>/dev/null

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x900x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 number <&"$fd" || { echo "window-shows: no Xvfb"; exit 1; }
export DISPLAY=:$number
trap 'kill "$xvfb" 2>/dev/null' EXIT

(cd "$(dirname "$exe")" && exec "$wine" "$(basename "$exe")") &
program=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Zelvano 3\.0$' | head -n 1)
if [[ -z $window ]]; then
    echo "window-shows: no window titled 'Zelvano 3.0' within 120 s"
    kill "$program" 2>/dev/null
    exit 1
fi
sleep 3 # the first paint
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window-shows: window ${WIDTH}x${HEIGHT} at ${X},${Y}"
import -window root "$out"
# Alt+F4 reaches the window as the system's close command, as from a user.
xdotool windowfocus --sync "$window" key alt+F4
for _ in $(seq 60); do
    kill -0 "$program" 2>/dev/null || break
    sleep 1
done
if kill -0 "$program" 2>/dev/null; then
    echo "window-shows: the process did not end after its window was closed"
    kill "$program"
    exit 1
fi
