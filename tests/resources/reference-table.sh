#!/bin/sh
# reference-table.sh GENERATOR ZELVANO_CONVERT PAGE: the page's table of
# reference values is exactly what the generator makes of the program's output.
set -eu
table=$(bash "$1" "$2")
lines=$(printf '%s\n' "$table" | wc -l)
heading=$(printf '%s\n' "$table" | head -n 1)
found=$(grep -m 1 -A "$((lines - 1))" -xF -- "$heading" "$3" || true)
if [ "$found" != "$table" ]; then
    echo "$3: the reference table differs from what scripts/reference-table prints."
    echo "Expected:"
    printf '%s\n' "$table"
    echo "Found:"
    printf '%s\n' "$found"
    exit 1
fi
