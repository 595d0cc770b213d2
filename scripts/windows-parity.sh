#!/usr/bin/env bash
# Checks that the Windows converter, under Wine, writes the same bytes as the
# Linux converter for every sample dump: BMP and PNG, picture and preview,
# to a file and to standard output.
# Usage: windows-parity.sh LINUX_CONVERTER WINDOWS_CONVERTER SAMPLE_FOLDER
set -euo pipefail
linux=$1
windows=$2
samples=$3
work=$(mktemp -d /tmp/tessaview-parity.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"

# The Windows converter gets relative paths: Wine maps them through its Z: drive.
cd "$work"
compared=0
failed=0
for dump in "$samples"/*; do
    [[ -f $dump ]] || continue
    name=$(basename "$dump")
    cp "$dump" "$work/$name"
    mode=2
    if [[ $name =~ ^mode([0-9]) ]]; then
        mode=${BASH_REMATCH[1]}
    fi
    for variant in "bmp" "png" "bmp --preview" "png --preview"; do
        read -r format preview <<<"$variant"
        output="$name${preview:+-preview}.$format"
        arguments=(--mode "$mode" --format "$format" ${preview:+"$preview"} --quiet)
        "$linux" "${arguments[@]}" -o "linux/$output" "$name"
        "$linux" "${arguments[@]}" -o - "$name" >"linux/$output.stdout"
        /usr/lib/wine/wine64 "$windows" "${arguments[@]}" -o "windows/$output" "$name"
        /usr/lib/wine/wine64 "$windows" "${arguments[@]}" -o - "$name" >"windows/$output.stdout"
        for written in "$output" "$output.stdout"; do
            compared=$((compared + 1))
            if ! cmp -s "linux/$written" "windows/$written"; then
                echo "windows-parity: $written differs" >&2
                failed=$((failed + 1))
            fi
        done
    done
done
if ((compared == 0)); then
    echo "windows-parity: no sample dumps in $samples" >&2
    exit 1
fi
echo "windows-parity: $((compared - failed)) of $compared outputs identical"
((failed == 0))
