#!/usr/bin/env bash
# Installs what is missing, cross-builds the Windows executables into
# build-windows/bin, and runs the Windows tests under Wine on a virtual X
# server with a fresh Wine prefix: the core tests, then the parity check of
# tessaview-convert.exe against the Linux converter.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-windows
jobs=${TESSAVIEW_JOBS:-$(nproc)}

"$root/scripts/install-dependencies.sh" "$root/scripts/debian-packages.txt" \
    "$root/scripts/debian-packages-windows.txt"

"$root/scripts/build-windows.sh"
# Single files: each executable may import only DLLs that come with Windows.
for executable in "$build"/bin/*.exe; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$executable" | awk '/DLL Name:/ { print $3 }'); do
        case ${dll,,} in
        kernel32.dll | msvcrt.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | \
            advapi32.dll | shell32.dll | version.dll) ;;
        *)
            echo "test-windows: $(basename "$executable") needs $dll" >&2
            exit 1
            ;;
        esac
    done
done
# The Linux converter that the Windows one must agree with, built on its own.
cmake -S "$root" -B "$build/linux-reference" -DCMAKE_BUILD_TYPE=Release -DTESSAVIEW_TESTS=OFF \
    -DTESSAVIEW_BENCHMARKS=OFF >/dev/null
cmake --build "$build/linux-reference" -j"$jobs" --target tessaview-convert >/dev/null

WINEPREFIX=$(mktemp -d /tmp/tessaview-wine.XXXXXX)
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/run-windows-tests.sh"
