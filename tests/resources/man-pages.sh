#!/bin/sh
# man-pages.sh PAGE...: each manual page renders without a warning; exit 77
# (skipped) when man is not installed.
if ! command -v man >/dev/null 2>&1; then
    echo "man is not installed: skipped"
    exit 77
fi
fail=0
for page in "$@"; do
    # man prints groff's warnings on stderr; the page itself goes to /dev/null.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page:"
        echo "$warnings"
        fail=1
    fi
done
exit $fail
