#!/bin/sh
# validate.sh TOOL ARGS... FILE: runs a validator; exit 77 (skipped) when the
# tool is not installed. Warnings and hints pass; errors fail.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipped"
    exit 77
fi
exec "$@"
