#!/usr/bin/env bash
# What a Windows screen reader is given through UI Automation, seen under
# Wine: the stand-in core (uia/) in the prefix's system32 is handed the
# program's elements and records every event the program raises, while real
# keys on a virtual display use the window with the keyboard alone: "Вес"
# opened from the pane, 2 "Килограмм" in "Фунт" converted with Enter, the help
# bar collapsed and expanded, the about panel opened and read by Tab. Each
# step must raise what a reader speaks (a notification, a focus change, an
# expand-collapse state change) on a named element, and the element tree
# must name every focusable element with its control type. The events of
# the conversion and the element counts are printed; the whole log is kept in
# OUT-DIR/uia-log.txt.
#   uia-check.sh ZELVANO-EXE UIA-DIR OUT-DIR   (in the prefix $WINEPREFIX;
#   UIA-DIR holds uiautomationcore.dll and uia-ask.exe)
set -uo pipefail
exe=$1
uia=$2
out=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-prefix.sh"
mkdir -p "$out"
failures=0
fail() { echo "uia-check: $*"; failures=$((failures + 1)); }

wine_display 1280x900 || { echo "uia-check: no Xvfb"; exit 1; }

system32=$WINEPREFIX/drive_c/windows/system32
log=$WINEPREFIX/drive_c/uia-log.txt
cp "$system32/uiautomationcore.dll" "$out/uiautomationcore.dll.wine" 2>/dev/null
cp "$uia/uiautomationcore.dll" "$system32/uiautomationcore.dll"
rm -f "$log"
restore() {
    timeout 30 "$wineserver" -w 2>/dev/null || echo "uia-check: Wine's programs did not end within 30 s"
    kill "$xvfb" 2>/dev/null
    cp "$log" "$out/uia-log.txt" 2>/dev/null
    if [[ -f $out/uiautomationcore.dll.wine ]]; then
        mv "$out/uiautomationcore.dll.wine" "$system32/uiautomationcore.dll"
    fi
}
trap restore EXIT
timeout 120 "$wineserver" -w 2>/dev/null ||
    { echo "uia-check: the prefix's programs did not end within 120 s"; exit 1; }

(cd "$(dirname "$exe")" &&
    exec env LC_ALL=ru_RU.UTF-8 WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uiautomationcore=n" \
        ZELVANO_UIA_LOG='C:\uia-log.txt' "$wine" "$(basename "$exe")") &
program=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Zelvano 3\.0$' | head -n 1)
[[ -n $window ]] || { echo "uia-check: no window titled 'Zelvano 3.0' within 120 s"; exit 1; }
sleep 3 # the first paint
timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"

keys() { xdotool key --window "$window" --delay 150 "$@"; sleep 0.7; }
lines() { wc -l <"$log" 2>/dev/null || echo 0; }
# The log's records from line $1 on.
since() { tail -n +"$(($1 + 1))" "$log"; }
focused() { awk -F'\t' '$1 == "event" && $2 == "AutomationFocusChanged" { n = $4 } END { print n }' "$log"; }
# Presses KEY until the focus lands on NAME (at most 25 times).
key_to() {
    for _ in $(seq 25); do
        keys "$1"
        [[ $(focused) == "$2" ]] && return 0
    done
    fail "$1 never brought the focus to '$2' (last: '$(focused)')"
    return 1
}
# A new walk of the tree, asked for as a reader does: its element records
# go to $walk, none when the window did not answer (a failure).
walk=
tree() {
    local snapshot
    snapshot=$(($(grep -c '^tree.*begin$' "$log" 2>/dev/null) + 1))
    walk=
    timeout 60 "$wine" "$uia/uia-ask.exe" 'Zelvano 3.0' "$snapshot" >/dev/null 2>&1 ||
        { fail "the window did not answer request $snapshot for its elements"; return 1; }
    walk=$(awk -F'\t' -v s="$snapshot" '$1 == "element" && $2 == s' "$log")
    [[ -n $walk ]] || { fail "request $snapshot for the elements brought none back"; return 1; }
}

# The first request turns UI Automation on.
tree || exit 1
start=$walk

# Every focusable element has a name; each kind is the control type a
# reader expects; the unit lists are groups holding their buttons.
unnamed=$(awk -F'\t' '$6 == "focusable" && $5 == ""' <<<"$start")
[[ -z $unnamed ]] || fail "focusable elements without a name:"$'\n'"$unnamed"
focusable=$(awk -F'\t' '$6 == "focusable"' <<<"$start" | wc -l)
types=$(awk -F'\t' '$6 == "focusable" { print $4 }' <<<"$start" | sort | uniq -c |
    awk '{ printf "%s%s %s", sep, $1, $2; sep = ", " }')
expect_element() { # RECORDS TYPE NAME FIELD-PATTERN
    awk -F'\t' -v t="$2" -v n="$3" -v f="$4" '$4 == t && $5 == n && $0 ~ f { found = 1 }
        END { exit !found }' <<<"$1" || fail "no $2 '$3' with $4 in the tree"
}
expect_element "$start" Edit "Количество единиц" "value=rw:"
expect_element "$start" Edit "Результат" "value=ro:"
expect_element "$start" Button "Справка" "expand=Expanded"
expect_element "$start" Hyperlink "Вес" "focusable"
expect_element "$start" Custom "" "announcer"
# Every unit button lies in the group "Из:" or "В:", as many in each.
held=$(awk -F'\t' '
    $4 == "Group" && ($5 == "Из:" || $5 == "В:") { depth = $3; group = $5; next }
    group != "" && $3 <= depth { group = "" }
    $4 == "RadioButton" { n[group == "" ? "outside" : group]++ }
    END { printf "%d %d %d", n["Из:"], n["В:"], n["outside"] }' <<<"$start")
read -r from_units to_units outside <<<"$held"
((from_units > 0 && from_units == to_units && outside == 0)) ||
    fail "RadioButtons in 'Из:', in 'В:' and outside both: $held"

# Into the pane, onto "Вес", opened: the panel is announced, the focus stays.
key_to Tab "Область: Длина"
key_to Down "Вес"
mark=$(lines)
keys Return
sleep 1
opened=$(since "$mark")
grep -qP '^notification\t.*\tОбласть: Вес$' <<<"$opened" ||
    fail "opening 'Вес' raised no notification 'Область: Вес':"$'\n'"$opened"
[[ $(focused) == "Вес" ]] || fail "opening 'Вес' moved the focus to '$(focused)'"

# The keyboard-only conversion.
key_to Tab "Количество единиц"
xdotool type --window "$window" --delay 150 2
sleep 0.5
keys Tab
key_to Down "Килограмм"
mark=$(lines)
keys space
grep -qP '^event\tSelectionItem_ElementSelected\tRadioButton\tКилограмм$' <<<"$(since "$mark")" ||
    fail "choosing 'Килограмм' raised no ElementSelected"
keys Tab
key_to Down "Фунт"
keys space
mark=$(lines)
keys Return
sleep 2
conversion=$(since "$mark")
grep -qP '^(notification\t.*\t|property\tValue\.Value\t.*\t)4,409245244$' <<<"$conversion" ||
    fail "the conversion raised no notification (nor value change) carrying 4,409245244"
grep -q '^event	AutomationFocusChanged' <<<"$conversion" && fail "the conversion moved the focus"
tree
after=$walk
expect_element "$after" Edit "Результат" "value=ro:4,409245244"
expect_element "$after" RadioButton "Килограмм" "selected=1"

# The help bar collapsed and expanded from its title.
key_to Tab "Справка"
before=$(awk 'END { print NR }' <<<"$after")
mark=$(lines)
keys space
collapsed=$(since "$mark")
grep -qP '^property\tExpandCollapse\.ExpandCollapseState\tButton\tСправка\tExpanded\tCollapsed$' \
    <<<"$collapsed" || fail "collapsing 'Справка' raised no state change:"$'\n'"$collapsed"
tree
shrunk=$walk
expect_element "$shrunk" Button "Справка" "expand=Collapsed"
mark=$(lines)
keys space
expanded=$(since "$mark")
grep -qP '^property\tExpandCollapse\.ExpandCollapseState\tButton\tСправка\tCollapsed\tExpanded$' \
    <<<"$expanded" || fail "expanding 'Справка' raised no state change:"$'\n'"$expanded"
tree
grown=$walk
expect_element "$grown" Button "Справка" "expand=Expanded"
shrunk=$(awk 'END { print NR }' <<<"$shrunk")
grown=$(awk 'END { print NR }' <<<"$grown")
((shrunk < before && grown == before)) ||
    fail "the help bar's items did not leave and come back: $before, collapsed $shrunk, expanded $grown elements"
echo "uia-check: elements $before, collapsed $shrunk, expanded again $grown"

# The about panel: announced, then read Tab by Tab.
key_to Down "Информация о программе"
mark=$(lines)
keys Return
sleep 1
grep -qP '^notification\t.*\tИнформация о программе$' <<<"$(since "$mark")" ||
    fail "opening the about panel raised no notification"
mark=$(lines)
for _ in $(seq 8); do keys Tab; done
read_out=$(since "$mark" | awk -F'\t' '$1 == "event" && $2 == "AutomationFocusChanged"')
unnamed=$(awk -F'\t' '$4 == ""' <<<"$read_out")
[[ -z $unnamed ]] || fail "Tab focused elements without a name:"$'\n'"$unnamed"
for text in "Вопросы и комментарии:" "Обновления программы:"; do
    grep -qF "$text" <<<"$read_out" || fail "Tab through the about panel never reached '$text'"
done

xdotool key --window "$window" alt+F4
for _ in $(seq 60); do
    kill -0 "$program" 2>/dev/null || break
    sleep 1
done
kill "$program" 2>/dev/null

echo "uia-check: $focusable focusable elements, all named ($types); $from_units RadioButtons in 'Из:', $to_units in 'В:'"
echo "uia-check: the conversion raised:"
awk -F'\t' '{ $1 = $1; print "    " $0 }' OFS=' | ' <<<"$conversion"
if ((failures)); then
    echo "uia-check: $failures failure(s); the log is $out/uia-log.txt"
    exit 1
fi
echo "uia-check: notifications for the panel opened, the result and the about panel; expand-collapse changes on 'Справка'; the log is $out/uia-log.txt"
