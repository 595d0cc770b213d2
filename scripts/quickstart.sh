#!/usr/bin/env bash
# Installs what is missing and builds Tessaview.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-dependencies.sh"
"$root/scripts/build.sh"

# Converts every sample to BMP and PNG in out/, in the mode its name gives.
mkdir -p "$root/out"
for sample in "$root"/samples/mode*.bin; do
    name=$(basename "$sample")
    mode=${name#mode}
    mode=${mode%%-*}
    for format in bmp png; do
        "$root/build/bin/tessaview-convert" --quiet --mode "$mode" --format "$format" \
            --output-dir "$root/out" "$sample"
        echo "out/$name.$format"
    done
done
