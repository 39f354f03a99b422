#!/usr/bin/env bash
# The manifest embedded in the program asks for what the window relies on:
# the version 6 common controls (visual styles), per-monitor DPI awareness
# and UTF-8 as the process's code page.
#   manifest.sh ZELVANO-EXE
set -uo pipefail
# The resource keeps the manifest's text as it is, so it can be read out of
# the executable.
manifest=$(tr -d '\0' <"$1" | tr '\n' ' ' | grep -o '<assembly .*</assembly>')
[[ -n $manifest ]] || { echo "manifest: none in $1"; exit 1; }
failures=0
for wanted in \
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    'publicKeyToken="6595b64144ccf1df"' \
    '<dpiAwareness [^>]*>PerMonitorV2' \
    '<activeCodePage [^>]*>UTF-8</activeCodePage>'; do
    if ! grep -q -- "$wanted" <<<"$manifest"; then
        echo "manifest: no $wanted"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
