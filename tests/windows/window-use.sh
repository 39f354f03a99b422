#!/usr/bin/env bash
# Uses the Windows program under Wine on a virtual display as a user would,
# with the real mouse and keyboard: the window has the layout's size; 2
# "Килограмм" in "Фунт" gives 4.409245244 with the decimal separator of the
# regional settings (the locale's, and one chosen in the control panel); the
# three help items hand the licence, the home page and the mail address to
# the shell, and so do the about panel's two links, seen through stand-in
# handlers registered in the prefix; Alt+F4 ends the process. Pictures of the
# window go to OUT-DIR.
#   window-use.sh ZELVANO-EXE OUT-DIR   (in the prefix $WINEPREFIX)
set -uo pipefail
exe=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-prefix.sh"
mkdir -p "$out"
home_page=$(sed -n 's/^set(ZELVANO_HOME_PAGE "\(.*\)")$/\1/p' "$here/../../CMakeLists.txt")
mail=$(sed -n 's/^set(ZELVANO_MAIL_ADDRESS "\(.*\)")$/\1/p' "$here/../../CMakeLists.txt")
failures=0
fail() { echo "window-use: $*"; failures=$((failures + 1)); }

wine_display 1280x900 || { echo "window-use: no Xvfb"; exit 1; }
# Wine's programs end before their display does, so that none reports it lost.
trap 'timeout 30 "$wineserver" -w 2>/dev/null; kill "$xvfb" 2>/dev/null' EXIT

# Stand-ins for the rich-text viewer, the browser and the mail program: each
# appends what it was asked to open to one file.
stand_in=$WINEPREFIX/drive_c/zelvano-stand-in
mkdir -p "$stand_in"
printf '@>>"C:\\zelvano-stand-in\\opened.txt" echo %%~1\r\n' >"$stand_in/record.bat"
register() { "$wine" reg add "$1" /ve /d "$2" /f >/dev/null 2>&1; }
command='C:\windows\system32\cmd.exe /c C:\zelvano-stand-in\record.bat "%1"'
register 'HKCR\.rtf' zelvano.stand-in.rtf
register 'HKCR\zelvano.stand-in.rtf\shell\open\command' "$command"
for scheme in http https mailto; do
    register "HKCR\\$scheme\\shell\\open\\command" "$command"
done

# A session started without a display by the commands above would take the
# program in too, without a window driver: it is ended first.
settle() {
    timeout 120 "$wineserver" -w 2>/dev/null ||
        { echo "window-use: the prefix's programs did not end within 120 s"; exit 1; }
}
settle

program=
window=
focus() { timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"; }
start() {
    (cd "$(dirname "$exe")" && exec env "$@" "$wine" "$(basename "$exe")") &
    program=$!
    window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Zelvano 3\.0$' | head -n 1)
    [[ -n $window ]] || { echo "window-use: no window titled 'Zelvano 3.0' within 120 s"; exit 1; }
    sleep 3 # the first paint
    focus
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
keys() { xdotool key --window "$window" --delay 150 "$@"; sleep 0.5; }
# A keyboard walk through the pane from a click on its empty lower part.
pane_keys() { click 110 390; keys "$@"; }

# The weight panel through the pane, then the quantity, the units and the
# button at their places in the layout tables; the result box's text comes
# back through the clipboard.
convert_weight() {
    pane_keys Home Down Down Return
    click 320 44
    keys ctrl+a
    xdotool type --window "$window" 2
    click 270 120 # "Килограмм" under "Из:"
    click 486 232 # "Фунт" under "В:"
    click 452 44  # "Конвертировать"
}
result() {
    click 592 44
    keys ctrl+a ctrl+c
    timeout 10 xclip -o -selection clipboard 2>/dev/null
}
close() {
    # After a stand-in handler's console has come and gone, Wine takes Alt+F4
    # only once the window has had a click again.
    focus
    click 110 390
    keys alt+F4
    for _ in $(seq 60); do
        kill -0 "$program" 2>/dev/null || return 0
        sleep 1
    done
    import -window root "$out/not-closed.png"
    fail "the process did not end after its window was closed (the screen: $out/not-closed.png)"
    kill "$program"
}

start LC_ALL=C.UTF-8
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ ${WIDTH}x${HEIGHT} == 681x401 ]] || fail "the window is ${WIDTH}x${HEIGHT}, not 681x401"
import -window "$window" "$out/window-start.png"
convert_weight
got=$(result)
[[ $got == 4.409245244 ]] || fail "2 kg in lb gave '$got' under English settings"
import -window "$window" "$out/window-weight.png"

# From the last help item up: the mail, the home page, the licence, one at a
# time (a handler's console window may take the focus); then the about panel
# and its two links, the mail address and the home page.
rm -f "$stand_in/opened.txt"
wait_opened() {
    for _ in $(seq 20); do
        [[ $(wc -l <"$stand_in/opened.txt" 2>/dev/null) -ge $1 ]] && return
        sleep 0.5
    done
}
ups=()
for n in 1 2 3; do
    ups+=(Up)
    focus
    pane_keys End "${ups[@]}" Return
    wait_opened $n
done
got=$(result)
[[ $got == 4.409245244 ]] || fail "after the help items the result box reads '$got'"
pane_keys End Return
import -window "$window" "$out/window-about.png"
click 420 70
wait_opened 4
focus
click 420 86
wait_opened 5
folder=$("$wine" winepath -w "$(dirname "$exe")" 2>/dev/null | tr -d '\r')
expected=$(printf '%s\n' "mailto:$mail" "$home_page" "$folder\\License.rtf" "mailto:$mail" "$home_page")
opened=$(tr -d '\r' <"$stand_in/opened.txt" 2>/dev/null | sed 's/ *$//')
[[ $opened == "$expected" ]] ||
    fail "the help items and the about panel's links opened:"$'\n'"$opened"$'\n'"instead of:"$'\n'"$expected"
close

start LC_ALL=ru_RU.UTF-8
convert_weight
got=$(result)
[[ $got == 4,409245244 ]] || fail "2 kg in lb gave '$got' under Russian settings"
import -window "$window" "$out/window-weight-ru.png"
close

# English display language, a comma chosen as the decimal separator; the
# prefix gets its own settings back afterwards.
international='HKCU\Control Panel\International'
setting() { LC_ALL=C.UTF-8 "$wine" reg query "$international" /v "$1" 2>/dev/null |
            tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }
set_setting() { LC_ALL=C.UTF-8 "$wine" reg add "$international" /v "$1" /d "$2" /f >/dev/null 2>&1; }
decimal_before=$(setting sDecimal)
thousand_before=$(setting sThousand)
set_setting sDecimal ,
set_setting sThousand ' '
settle
start LC_ALL=C.UTF-8
convert_weight
got=$(result)
[[ $got == 4,409245244 ]] || fail "2 kg in lb gave '$got' with the comma of the control panel"
close
set_setting sDecimal "${decimal_before:-.}"
set_setting sThousand "${thousand_before:-,}"

if ((failures)); then
    echo "window-use: $failures failure(s); pictures in $out"
    exit 1
fi
echo "window-use: 681x401; 4.409245244, 4,409245244 and 4,409245244; licence, home page and mail handed to the shell by the help items, mail and home page by the links; pictures in $out"
