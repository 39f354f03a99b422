#!/usr/bin/env bash
# zelvano-convert.exe under Wine against the Linux build of the same sources:
# the same arguments, environment and input must give the same bytes on
# stdout and stderr and the same exit code.
#   same-as-linux.sh WINDOWS-EXE LINUX-EXE
# The batch covers every ordered pair of units of every category over
# quantities taken from the tables (the factors, as --list writes them) and a
# few fixed ones, under "." and "," settings, with LF and CRLF line ends.
set -uo pipefail
windows=$1
linux=$2
wine=${ZELVANO_WINE:-wine64}
export WINEDEBUG=-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
cases=0

# run SIDE NAME ENV... -- ARGS...: stdin from $work/in, results in $work/NAME.SIDE.*
run() {
    local side=$1 name=$2
    shift 2
    local env=()
    while [[ $1 != -- ]]; do env+=("$1"); shift; done
    shift
    local program=("$linux")
    [[ $side == win ]] && program=("$wine" "$windows")
    env "${env[@]}" "${program[@]}" "$@" <"$work/in" >"$work/$name.$side.out" 2>"$work/$name.$side.err"
    echo $? >"$work/$name.$side.code"
}

# differs NAME: the part in which the two sides differ, or nothing
differs() {
    local part
    for part in out err code; do
        cmp -s "$work/$1.linux.$part" "$work/$1.win.$part" || { echo "$part"; return; }
    done
}

# same NAME INPUT ENV... -- ARGS...
# A difference fails at once. The Wine server must stay up between the runs
# (scripts/windows-check keeps it running): one that exits between two
# programs now and then leaves the second without any output, and says so on
# its stderr as a Wine client error, which is then named as the cause.
same() {
    local name=$1
    printf '%s' "$2" >"$work/in"
    shift 2
    run linux "$name" "$@"
    run win "$name" "$@"
    cases=$((cases + 1))
    local part
    part=$(differs "$name")
    [[ -z $part ]] && return
    echo "FAIL $name: $part differs; the Windows side exited $(cat "$work/$name.win.code")"
    if grep -q 'wine client error' "$work/$name.win.err"; then
        echo "  Wine's client lost its server (the Wine server exited while the program ran):"
        grep 'wine client error' "$work/$name.win.err" | head -n 3 | sed 's/^/  /'
    fi
    diff <(head -c 2000 "$work/$name.linux.$part") <(head -c 2000 "$work/$name.win.$part") | head -n 10
    failures=$((failures + 1))
}

en=(LC_ALL=C.UTF-8)
ru=(LC_ALL=ru_RU.UTF-8)

same version '' "${en[@]}" -- --version
same help-en '' "${en[@]}" -- --help
same help-ru '' "${ru[@]}" -- --help
same no-arguments '' "${ru[@]}" --
same categories '' "${en[@]}" -- --list
categories=$("$linux" --list | cut -f1)
for c in $categories; do
    same "list-$c" '' "${en[@]}" -- --list "$c"
done
same list-russian-name '' "${ru[@]}" -- --list Радиоактивность
same cyrillic-captions '' "${en[@]}" -- Длина Метр Верста 5
same cyrillic-any-case '' "${ru[@]}" -- вес КИЛОГРАММ фунт 2
same ambiguous-name '' "${ru[@]}" -- длина аршин м 1
same unknown-cyrillic-unit '' "${ru[@]}" -- длина Пядь м 1
same comma-from-environment '' "${ru[@]}" -- length mile m 1,5
same comma-from-option '' "${en[@]}" -- --locale ru_RU length mile m 1,5
same point-refused-in-russian '' "${ru[@]}" -- length mile m 1.5
same not-a-number '' "${en[@]}" -- length mile m abc
same empty-quantity '' "${en[@]}" -- length mile m ''
same beyond-the-range '' "${ru[@]}" -- length mile m 1E400
same unknown-locale '' "${en[@]}" -- --locale xx_YY length mile m 1

# Every ordered pair over the factors of the category and fixed quantities.
batch() {
    local point=$1 c units factors q from to
    for c in $categories; do
        units=$("$linux" --list "$c" | cut -f1)
        factors=$("$linux" --list "$c" | cut -f5 | grep -v '^$')
        for q in 1 -2.5 0 0.001 123456789 1E300 -1E-300 4.9E-324 abc $factors; do
            q=${q//./$point}
            for from in $units; do
                for to in $units; do
                    printf '%s\t%s\t%s\t%s\n' "$c" "$from" "$to" "$q"
                done
            done
        done
    done
}
batch . >"$work/batch-point"
batch , >"$work/batch-comma"
lines=$(wc -l <"$work/batch-point")
same batch-point "$(cat "$work/batch-point")" "${en[@]}" -- --batch
same batch-comma "$(cat "$work/batch-comma")" "${ru[@]}" -- --batch
same batch-crlf "$(sed 's/$/\r/' "$work/batch-comma")" "${en[@]}" -- --batch --locale ru_RU
same batch-russian-names $'Длина\tметр\tВерста\t1\r\nВес\tКилограмм\tФунт\t2\n' "${ru[@]}" -- --batch

# A reader that goes away: the tool says so and exits 74, never 0.
printf 'length\t1\t2\t1\n%.0s' $(seq 200000) >"$work/in"
env "${en[@]}" "$wine" "$windows" --batch <"$work/in" 2>"$work/closed.err" | head -c 10 >/dev/null
code=${PIPESTATUS[0]}
cases=$((cases + 1))
if [[ $code != 74 || ! -s $work/closed.err ]]; then
    echo "FAIL closed-output: exit $code, stderr: $(cat "$work/closed.err")"
    failures=$((failures + 1))
fi

echo "same-as-linux: $cases cases, batch of $lines lines under each setting"
echo "$((cases - failures)) passed, $failures failed"
((failures == 0))
