#!/usr/bin/env bash
# The question the installer and the uninstaller ask while zelvano.exe runs,
# answered with the mouse as a user answers it, on a virtual display in a
# fresh Wine prefix: "Отмена" in the uninstaller's question leaves the install
# as it was and ends it with 2; in the installer's, "Повтор" while the program
# still runs asks again, and "Повтор" once it is closed goes on and installs:
# a file taken out of the install and one changed beforehand are as the
# first install made them afterwards. Every wait has a limit. Pictures of the
# questions go to OUT-DIR.
#   tests/windows/running-prompt.sh INSTALLER.exe OUT-DIR
set -euo pipefail
installer=$(realpath "$1")
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-prefix.sh"
mkdir -p "$out"
work=$(mktemp -d)
# The reason is told even when the picture of the screen cannot be taken.
fail() {
    local screen="no picture of the screen"
    if [[ -n ${DISPLAY:-} ]] && timeout 20 import -window root "$out/failure.png" 2>/dev/null; then
        screen="the screen: $out/failure.png"
    fi
    echo "running-prompt: $* ($screen)" >&2
    exit 1
}
# Waits at most SECONDS for the background process PID to end and puts its
# exit status in $code; when it has not ended by then, it is stopped and WHAT
# is the failure.
wait_for() { # PID SECONDS WHAT
    local i
    for ((i = 0; i < $2 * 2; i++)); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$1" 2>/dev/null; then
        kill "$1" 2>/dev/null || true
        fail "$3 did not end within $2 s"
    fi
    code=0
    wait "$1" || code=$?
}

wine_prefix "$work/prefix" --no-window-manager
wine_display 1024x768 || fail "no Xvfb"
trap 'kill "$xvfb" 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
export LC_ALL=ru_RU.UTF-8

local_appdata=$(wine_env LOCALAPPDATA)
folder=$(wine_unix_path "$local_appdata")/Programs/Zelvano
timeout 300 "$wine" "$installer" /S || fail "the silent install failed (exit status $?)"
timeout 300 "$wineserver" -w || fail "the silent install's programs did not end within 300 s"
contents() { (cd "$folder" && find . -type f -exec sha256sum {} + | sort); }
contents >"$work/before"
wine_keep_server

windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }
# Waits for a window not among those listed in $1 that stays, and prints it.
new_window() {
    local w
    for _ in $(seq 120); do
        w=$(comm -13 <(echo "$1") <(windows) | tail -n 1)
        if [[ -n $w ]]; then
            sleep 1
            xdotool getwindowname "$w" >/dev/null 2>&1 && { echo "$w"; return 0; }
        fi
        sleep 0.5
    done
    return 1
}
# Waits for a question, a window not among those listed in $1 that shows two
# buttons, and prints it.
question() {
    local w
    for _ in $(seq 120); do
        for w in $(comm -13 <(echo "$1") <(windows)); do
            [[ $(python3 "$here/dialog-buttons.py" "$w" 2>/dev/null | wc -l) == 2 ]] &&
                { echo "$w"; return 0; }
        done
        sleep 0.5
    done
    return 1
}
# Keys go to the window that has the focus: Wine takes no keys sent to another.
keys() { # WINDOW KEY...
    timeout 10 xdotool windowfocus --sync "$1" || fail "window $1 did not take the focus"
    xdotool key --delay 500 "${@:2}"
}
# Clicks the question's first button (Повтор) or its last (Отмена).
answer() { # WINDOW first|last PICTURE
    local xy line=1p
    [[ $2 == last ]] && line='$p'
    import -window "$1" "$out/$3.png"
    xy=$(python3 "$here/dialog-buttons.py" "$1" | sed -n "$line")
    # shellcheck disable=SC2086
    xdotool mousemove --window "$1" $xy click 1
}
start_program() {
    (cd "$folder" && exec "$wine" zelvano.exe) >/dev/null 2>&1 &
    program=$!
    program_window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Zelvano 3\.0$' | head -n 1) ||
        fail "zelvano.exe showed no window within 120 s"
}
start_program

# The uninstaller asks at once; Отмена ends it with 2, and nothing changes.
shown=$(windows)
"$wine" "$folder/Uninstall.exe" "_?=$local_appdata\\Programs\\Zelvano" &
setup=$!
question=$(question "$shown") || fail "the uninstaller asked nothing while zelvano.exe ran"
answer "$question" last uninstall-question
wait_for "$setup" 60 "the uninstaller answered with Отмена"
((code == 2)) || fail "the uninstaller answered with Отмена exited with $code, not 2"
contents | diff "$work/before" - >/dev/null || fail "the install changed after Отмена"

# A file taken out and one changed, which only an install puts back.
rm "$folder/License.rtf"
echo changed >>"$folder/zelvano-convert.exe"
contents >"$work/changed"

# The installer asks once its pages are through (Принимаю, Установить).
shown=$(windows)
"$wine" "$installer" &
setup=$!
wizard=$(new_window "$shown") || fail "the installer showed no window"
shown=$(windows)
keys "$wizard" Return Return
question=$(question "$shown") || fail "the installer asked nothing while zelvano.exe ran"
# Повтор with the program still running: the same question again.
shown=$(windows)
answer "$question" first install-question
question=$(question "$shown") || fail "Повтор while zelvano.exe ran did not ask again"
contents | diff "$work/changed" - >/dev/null || fail "the install changed while zelvano.exe ran"
# Closed, then Повтор: the installer goes on to its last page.
eval "$(xdotool getwindowgeometry --shell "$program_window")"
xdotool mousemove --window "$program_window" $((WIDTH - 11)) 10 click 1 # its caption's ✕
timeout 60 tail --pid="$program" -f /dev/null 2>/dev/null || fail "zelvano.exe did not close"
shown=$(windows)
answer "$question" first install-question-again
sleep 5
kill -0 "$setup" 2>/dev/null || fail "the installer ended after Повтор instead of installing"
for _ in $(seq 60); do
    [[ -f $folder/License.rtf ]] && break
    sleep 1
done
[[ -f $folder/License.rtf ]] || fail "Повтор did not install: License.rtf is still missing after 60 s"
# Готово on the last page, without starting the program.
keys "$wizard" space Return
wait_for "$setup" 60 "the installer after Готово"
((code == 0)) || fail "the installer exited with $code after Повтор"
contents | diff "$work/before" - >"$work/diff" ||
    fail "the files installed after Повтор differ from the first install's:"$'\n'"$(cat "$work/diff")"
echo "running-prompt: Отмена left the install as it was (exit 2); Повтор asked again while zelvano.exe ran, and installed once it was closed, a missing and a changed file as the first install made them"
