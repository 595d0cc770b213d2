#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, in the Wine prefix and on the X
# display that the caller gives (scripts/test-windows.sh makes both fresh):
# the core and window tests through ctest, the parity check of the converter,
# then tessaview.exe driven by xdotool.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-windows
: "${WINEPREFIX:?}" "${DISPLAY:?}"
# Wine's own processes end before the X server does.
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

/usr/lib/wine/wine64 wineboot --init 2>/dev/null
/usr/lib/wine/wineserver -w
ctest --test-dir "$build" --output-on-failure -j"${TESSAVIEW_JOBS:-$(nproc)}"
"$root/scripts/windows-parity.sh" "$build/linux-reference/bin/tessaview-convert" \
    "$build/bin/tessaview-convert.exe" "$root/samples"
"$root/scripts/windows-end-to-end.sh" "$build/bin/tessaview.exe" \
    "$build/linux-reference/bin/tessaview-convert" "$root/samples/mode1-sunset.bin"
