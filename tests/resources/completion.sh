#!/usr/bin/env bash
# completion.sh PROGRAM COMPLETION_FILE: sources the completion in bash and
# asks it for words as the shell would after a Tab.
set -u
program=$1
source "$2"
export LC_ALL=C.UTF-8
fail=0

# complete WORD...: completes the last word; prints the offers, one per line.
complete_words() {
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _zelvano_convert
    printf '%s\n' "${COMPREPLY[@]}"
}

# expect NAME EXPECTED_LINES WORD...: the offers are exactly EXPECTED_LINES.
expect() {
    local name=$1 expected=$2
    shift 2
    local got
    got=$(complete_words "$@")
    if [[ $got != "$expected" ]]; then
        printf '%s:\n  expected: %q\n  got:      %q\n' "$name" "$expected" "$got"
        fail=1
    fi
}

expect "options" $'--list\n--locale' --l
expect "categories" $'radioactivity' rad
expect "Russian category" $'Радиоактивность' Ради
expect "captions quoted" $'Миля\\ \\[сухопутная\\]\nМиля\\ \\[морская\\]' length Миля
expect "caption in any case" $'Миля\\ \\[сухопутная\\]\nМиля\\ \\[морская\\]\nМиллиметр' length мил
expect "aliases" $'mi\nmile\nmiles\nmillimeter\nmillimetre\nmillimeters\nmillimetres' length mi
expect "inside a quote nothing is escaped" $'Миля [сухопутная]\nМиля [морская]' length 'мил' '"Миля'
expect "second unit" $'K\nk\nkelvin\nkelvins' temperature C k
expect "category named in Russian" $'Бит\nБайт\nБ' Информация 1 Б
expect "no words for the quantity" '' length m cm ''
expect "after --list, categories" $'length' --list len
expect "options before the operands" $'Ra\nra\nrankine' --locale C temperature ra
exit $fail
