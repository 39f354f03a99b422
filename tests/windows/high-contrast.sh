#!/usr/bin/env bash
# The Windows program under Wine in High Contrast Black: the scheme's colours
# in a fresh prefix's registry, Wine's visual style off (Windows keeps a style
# that draws in the scheme's colours; Wine's light one does not) and the
# program's high-contrast path forced, since Wine never reports the scheme.
# Pictures of the main window and of the about panel go to OUT-DIR, and the
# ratios of their texts, edges and indicators are measured in them as
# scripts/contrast measures them offscreen.
#   high-contrast.sh ZELVANO-EXE OUT-DIR
set -euo pipefail
exe=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-prefix.sh"
mkdir -p "$out"
work=$(mktemp -d)
xvfb=
program=
cleanup() {
    [[ -n $program ]] && kill "$program" 2>/dev/null
    timeout 30 "$wineserver" -k 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

wine_prefix "$work/prefix"
colours='HKCU\Control Panel\Colors'
while read -r name value; do
    timeout 60 "$wine" reg add "$colours" /v "$name" /d "$value" /f >/dev/null 2>&1 ||
        { echo "high-contrast: the colour $name was not set within 60 s"; exit 1; }
done <<'EOF'
Window 0 0 0
ButtonFace 0 0 0
WindowText 255 255 255
ButtonText 255 255 255
Hilight 26 235 255
HilightText 0 0 0
HotTrackingColor 255 255 0
GrayText 63 242 63
EOF
timeout 60 "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
    /v ThemeActive /d 0 /f >/dev/null 2>&1 ||
    { echo "high-contrast: the visual style was not turned off within 60 s"; exit 1; }
timeout 60 "$wineserver" -w 2>/dev/null ||
    { echo "high-contrast: the prefix's Wine server did not end within 60 s"; exit 1; }

wine_display 1280x900 || { echo "high-contrast: no virtual display within 30 s"; exit 1; }
(cd "$(dirname "$exe")" && exec env ZELVANO_HIGH_CONTRAST=1 "$wine" "$(basename "$exe")") &
program=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Zelvano 3\.0$' | head -n 1) || true
[[ -n $window ]] || { echo "high-contrast: no window titled 'Zelvano 3.0' within 120 s"; exit 1; }
sleep 3 # the first paint
timeout 20 xdotool windowfocus --sync "$window" ||
    { echo "high-contrast: the window took no focus within 20 s"; exit 1; }

failures=0
measure() {
    # import writes the X server's depth; the measure reads 8 bits a channel.
    timeout 30 import -window "$window" "$out/hc-black-$1.png" ||
        { echo "high-contrast: no picture of the $1 within 30 s"; exit 1; }
    convert "$out/hc-black-$1.png" -depth 8 "ppm:$work/$1.ppm"
    python3 "$here/contrast.py" hc-black "$1" "$work/$1.ppm" || failures=$((failures + 1))
}
measure window
# The about panel: the last help item, from a click on the pane's empty lower part.
xdotool mousemove --window "$window" 110 390 click 1
xdotool key --window "$window" --delay 150 End Return
xdotool mousemove --window "$window" 2 2 # no item hot
sleep 1
measure about

xdotool key --window "$window" alt+F4
for _ in $(seq 60); do
    kill -0 "$program" 2>/dev/null || break
    sleep 1
done
if kill -0 "$program" 2>/dev/null; then
    echo "high-contrast: the program did not end within 60 s of Alt+F4"
    exit 1
fi
program=

if ((failures)); then
    echo "high-contrast: ratios below 4.5:1 (text) or 3:1 (the rest) in High Contrast Black; pictures in $out"
    exit 1
fi
echo "high-contrast: every measured text, edge and indicator at its ratio in High Contrast Black; pictures in $out"
