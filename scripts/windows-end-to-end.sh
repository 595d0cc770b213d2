#!/usr/bin/env bash
# Uses tessaview.exe under Wine as a person would, on the X display and in the
# Wine prefix that the caller gives (scripts/run-windows-tests.sh): opens a
# sample through the Open dialog by typing its path, clicks "Mode 1", picks
# blue for logical colour 1 in the colour picker, saves under a name without
# extension through the Save dialog, and compares the BMP with what the Linux
# converter writes for the same mode and palette. Then
# closes the window with Alt+F4 and checks the exit code.
# Usage: windows-end-to-end.sh TESSAVIEW_EXE LINUX_CONVERTER SAMPLE
set -euo pipefail
program=$1
converter=$2
sample=$3
: "${WINEPREFIX:?}" "${DISPLAY:?}"

work=$(mktemp -d)
programPid=""
cleanup() {
    if [[ -n $programPid ]] && kill -0 "$programPid" 2>/dev/null; then
        kill "$programPid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "windows-end-to-end: FAILED: $*" >&2
    import -window root "${TMPDIR:-/tmp}/tessaview-windows-e2e-failure.png" 2>/dev/null &&
        echo "screen at the failure: ${TMPDIR:-/tmp}/tessaview-windows-e2e-failure.png" >&2
    exit 1
}

# Waits up to sixty seconds for a visible window of exactly this title.
windowNamed() {
    local id=""
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [[ -n $id ]] && break
        sleep 0.1
    done
    [[ -n $id ]] || fail "no window \"$1\""
    echo "$id"
}

# Waits until no visible window has this title.
windowGone() {
    for _ in $(seq 600); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" stays open"
}

# Chooses the item at the position in the "File" menu (1 "Open file...",
# 2 "Save as..."): the menu bar is the top row of the window's X window.
chooseFileMenuItem() {
    xdotool mousemove $((left + 15)) $((top + 9)) click 1
    sleep 0.5
    for _ in $(seq "$1"); do
        xdotool key Down
    done
    xdotool key Return
}

# Wine reaches the host's / as drive Z:.
windowsPath() {
    echo "Z:${1//\//\\}"
}

# Mode 1 keeps the Mode 2 palette, with logical colour 1 picked blue.
"$converter" --quiet --mode 1 --palette black,blue,green,yellow -o "$work/expected.bmp" "$sample"

/usr/lib/wine/wine64 "$program" &
programPid=$!
main=$(windowNamed "Tessaview 0.7")
eval "$(xdotool getwindowgeometry --shell "$main")"
left=$X
top=$Y

chooseFileMenuItem 1
windowNamed "Open file" >/dev/null
sleep 0.5
xdotool type --delay 20 "$(windowsPath "$sample")"
xdotool key Return
windowGone "Open file"

# "Mode 1" in the side panel: below the menu bar and the panel's dialog frame.
sleep 0.5
xdotool mousemove $((left + 19)) $((top + 64)) click 1
sleep 1

# The swatch of logical colour 1 (side panel 35, 120); the picker opens with
# its outer corner at the cursor, inside a 3-pixel dialog frame, its swatches
# on a 25-pixel pitch: blue is the fifth.
swatchX=$((left + 3 + 35 + 12))
swatchY=$((top + 22 + 120 + 12))
xdotool mousemove "$swatchX" "$swatchY" click 1
sleep 1
xdotool mousemove $((swatchX + 3 + 25 * 4 + 12)) $((swatchY + 3 + 12)) click 1
sleep 1

chooseFileMenuItem 2
windowNamed "Save as" >/dev/null
sleep 0.5
xdotool type --delay 20 "$(windowsPath "$work/saved")"
xdotool key Return
windowGone "Save as"

for _ in $(seq 100); do
    [[ -s $work/saved.bmp ]] && break
    sleep 0.1
done
[[ -s $work/saved.bmp ]] || fail "Save as wrote no saved.bmp"
cmp "$work/expected.bmp" "$work/saved.bmp" || fail "saved.bmp differs from the Linux converter's BMP"

xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" alt+F4 2>/dev/null
status=0
wait "$programPid" || status=$?
programPid=""
[[ $status -eq 0 ]] || fail "tessaview.exe ended with exit code $status"
echo "windows-end-to-end: open, Mode 1, pick, save: the BMP matches the Linux converter's; exit code 0"
