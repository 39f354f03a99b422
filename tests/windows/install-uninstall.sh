#!/usr/bin/env bash
# Installs the Windows installer silently into a fresh Wine prefix as its
# user, checks the install (its files, against the portable zip's when one is
# given; the command-line tool run from it; the Start-menu shortcut; the
# uninstall entry), uninstalls it the way Windows does, from the entry's
# UninstallString, and checks that the prefix's files and the user's registry
# are as they were before. While zelvano.exe runs, neither the installer nor
# the uninstaller may change the install, and in silent mode both exit with
# 2. An install over an older one (OLDER-INSTALLER, given with the zip) or
# over the same version must replace it in place: one uninstall entry, the
# new version, and no file that only the older one had. Prints the
# installer's size; exits 1 on the first fault.
#   tests/windows/install-uninstall.sh INSTALLER.exe [PORTABLE.zip [OLDER-INSTALLER.exe]]
set -euo pipefail
(($# >= 1 && $# <= 3)) ||
    { echo "usage: $0 INSTALLER.exe [PORTABLE.zip [OLDER-INSTALLER.exe]]" >&2; exit 2; }
installer=$(realpath "$1")
zip=${2:+$(realpath "$2")}
older=${3:+$(realpath "$3")}
root=$(cd "$(dirname "$0")/../.." && pwd)
# The version an installer's name gives is the one Windows must show.
version_of() { basename "$1" | sed -n 's/^zelvano-\(.*\)-windows-x64-setup\.exe$/\1/p'; }
version=$(version_of "$installer")
[[ -n $version ]] || { echo "install-uninstall: no version in the name $(basename "$installer")" >&2; exit 2; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvano'

source "$root/tests/windows/wine-prefix.sh"
work=$(mktemp -d)
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
wine_prefix "$work/prefix"
drive_c=$WINEPREFIX/drive_c

fail() { echo "install-uninstall: $*" >&2; exit 1; }
profile=$(wine_unix_path "$(wine_env USERPROFILE)")
folder=$(wine_unix_path "$(wine_env LOCALAPPDATA)")/Programs/Zelvano
shortcut="$(wine_unix_path "$(wine_env APPDATA)")/Microsoft/Windows/Start Menu/Programs/Zelvano.lnk"

# The prefix's files and the user's registry, without what Wine itself
# rewrites on every start: the temporary folders (the registry's files lie
# outside drive_c).
snapshot() {
    (cd "$drive_c" && find . -ipath '*/temp' -prune -o -print | sort) >"$work/$1.files"
    "$wine" reg export HKCU "Z:${work//\//\\}\\$1.reg" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/$1.reg" | tr -d '\r' >"$work/$1.hkcu"
}
# Waits until every program of the prefix has ended.
settle() { timeout 300 "$wineserver" -w || fail "$1 did not end"; }
# Runs an installer or uninstaller and gives its exit status; one that has not
# ended within 300 s is a failure.
setup() {
    local status=0
    timeout 300 "$wine" "$@" || status=$?
    ((status != 124)) || fail "$(basename "$1") $2 did not end within 300 s"
    return "$status"
}
value() { "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
          sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }

# The files of the install with their contents, to see that nothing changed.
contents() { (cd "$folder" && find . -type f -exec sha256sum {} + | sort); }
# The uninstall entries that name the program: one, whatever was installed before.
entries() { "$wine" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
            tr -d '\r' | grep -c '^ *DisplayName *REG_SZ *Zelvano$' || true; }

# check_install VERSION: the install holds what the zip holds, and Windows
# lists it once, as VERSION.
check_install() {
    for f in zelvano.exe zelvano-convert.exe License.rtf Uninstall.exe Qt6Core.dll Qt6Gui.dll \
             Qt6Widgets.dll platforms/qwindows.dll; do
        [[ -f $folder/$f ]] || fail "$f is not in ${folder#"$drive_c"/}"
    done
    if [[ -n $zip ]]; then
        (cd "$folder" && find . -type f ! -name Uninstall.exe | sed 's|^\./||' | sort) >"$work/installed.list"
        diff "$work/zip.list" "$work/installed.list" >"$work/diff" ||
            fail "the install differs from the zip (<: zip only, >: install only):
$(cat "$work/diff")"
    fi
    [[ $(value DisplayVersion) == "$1" ]] ||
        fail "DisplayVersion is '$(value DisplayVersion)', not $1 as in the installer's name"
    [[ $(entries) == 1 ]] || fail "Windows lists Zelvano $(entries) times"
}

# uninstall: as Windows starts it, and the prefix is as it was before. The
# uninstaller runs a copy of itself from the temporary folder and returns at
# once, before the copy is done.
uninstall() {
    local uninstaller
    uninstaller=$(value UninstallString)
    uninstaller=${uninstaller//\"/}
    setup "$uninstaller" /S || fail "the uninstaller failed (exit status $?)"
    settle "the uninstaller"
    [[ ! -e $folder ]] || fail "the install folder is still there: $(cd "$folder" && find . | head)"
    [[ ! -e $shortcut ]] || fail "the shortcut is still there"
    "$wine" reg query "$key" >/dev/null 2>&1 && fail "$key is still there"
    snapshot after
    diff "$work/before.files" "$work/after.files" >"$work/diff" ||
        fail "the prefix's files differ after the uninstall:
$(cat "$work/diff")"
    diff "$work/before.hkcu" "$work/after.hkcu" >"$work/diff" ||
        fail "HKCU differs after the uninstall:
$(cat "$work/diff")"
}

if [[ -n $zip ]]; then
    unzip -Z1 "$zip" | sed -n 's|^[^/]*/\(.*[^/]\)$|\1|p' | sort >"$work/zip.list"
fi

snapshot before
setup "$installer" /S || fail "the installer failed (exit status $?)"
settle "the installer"
snapshot installed

# The install: the programs, their licence and Qt, and not a file elsewhere.
check_install "$version"
outside=$(comm -13 "$work/before.files" "$work/installed.files" | grep -v "^\./${profile#"$drive_c"/}/" || true)
[[ -z $outside ]] || fail "the installer wrote outside the user's profile:
$outside"
out=$(cd "$folder" && "$wine" zelvano-convert.exe weight kg lb 2 2>&1) ||
    fail "the installed zelvano-convert.exe failed: $out"
[[ $out == 4.409245244 ]] || fail "the installed zelvano-convert.exe weight kg lb 2 gave '$out'"

# The shortcut and the entry among installed programs.
[[ -f $shortcut ]] || fail "no Start-menu shortcut ${shortcut#"$drive_c"/}"
target="$(wine_env LOCALAPPDATA)\Programs\Zelvano\zelvano.exe"
grep -aqF "$target" "$shortcut" || fail "the shortcut does not lead to $target"
[[ $(value DisplayName) == Zelvano ]] || fail "DisplayName is '$(value DisplayName)'"
[[ -n $(value Publisher) ]] || fail "no Publisher in $key"
for v in DisplayIcon UninstallString InstallLocation; do
    [[ $(value $v) == *'\AppData\Local\Programs\Zelvano'* ]] || fail "$v is '$(value $v)'"
done
for v in NoModify NoRepair; do
    [[ $(value $v) == 0x1 ]] || fail "$v is '$(value $v)', not 1"
done
"$wine" reg query "${key/HKCU/HKLM}" >/dev/null 2>&1 && fail "an uninstall entry is in HKLM"

# While zelvano.exe runs, on a display of its own: the installer over it and
# the uninstaller, run in place (_?=) so that its exit code is its own, end
# with 2 and leave the install as it was.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
read -r -t 30 number <&"$fd" || fail "no Xvfb"
contents >"$work/contents.before"
# A session started without a display would take the program in too.
settle "the checks"
(cd "$folder" && DISPLAY=:$number exec "$wine" zelvano.exe) >/dev/null 2>&1 &
program=$!
DISPLAY=:$number timeout 120 xdotool search --sync --onlyvisible --name '^Zelvano 3\.0$' >/dev/null ||
    fail "the installed zelvano.exe showed no window within 120 s"
code=0
setup "$installer" /S || code=$?
((code == 2)) || fail "the installer over a running zelvano.exe exited with $code, not 2"
code=0
setup "$folder/Uninstall.exe" /S "_?=$(wine_env LOCALAPPDATA)\\Programs\\Zelvano" || code=$?
((code == 2)) || fail "the uninstaller beside a running zelvano.exe exited with $code, not 2"
contents >"$work/contents.after"
diff "$work/contents.before" "$work/contents.after" >"$work/diff" ||
    fail "the install changed while zelvano.exe ran:
$(cat "$work/diff")"
check_install "$version"
"$wineserver" -k
wait "$program" 2>/dev/null || true
kill "$xvfb"

uninstall

# Over an older version, then over the same one: replaced in place.
if [[ -n $older ]]; then
    setup "$older" /S || fail "the older installer failed (exit status $?)"
    settle "the older installer"
    [[ $(value DisplayVersion) == "$(version_of "$older")" ]] ||
        fail "the older installer's DisplayVersion is '$(value DisplayVersion)'"
    (cd "$folder" && find . -type f | sed 's|^\./||' | sort) >"$work/older.list"
    setup "$installer" /S || fail "the installer over the older version failed (exit status $?)"
    settle "the installer over the older version"
    check_install "$version"
fi
setup "$installer" /S || fail "the installer over the same version failed (exit status $?)"
settle "the installer over the same version"
check_install "$version"
uninstall

stale=
[[ -n $older ]] && stale=", $(comm -23 "$work/older.list" "$work/zip.list" | grep -vc '^Uninstall.exe$') file(s) of $(version_of "$older") removed by the upgrade over it"
echo "install-uninstall: $(basename "$installer"), $(stat -c %s "$installer") bytes:" \
     "installed for the user alone and uninstalled without a trace; nothing changed while zelvano.exe ran$stale"
