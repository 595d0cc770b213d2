#!/usr/bin/env bash
# Runs a Windows executable under Wine: the emulator of the Windows build's
# tests. The caller chooses the Wine prefix (scripts/test-windows.sh makes a
# fresh one for each run).
set -euo pipefail
if [[ -z ${WINEPREFIX:-} ]]; then
    echo "wine-run: set WINEPREFIX (scripts/test-windows.sh makes a fresh one)" >&2
    exit 125
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec /usr/lib/wine/wine64 "$@"
