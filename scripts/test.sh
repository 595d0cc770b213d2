#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the release build,
# then the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer,
# then the Windows build and its tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-dependencies.sh"
"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTESSAVIEW_SANITIZE=ON \
    -DTESSAVIEW_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-sanitize" -j"$(nproc)"
ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)"

# The Windows build and its tests under Wine.
"$root/scripts/test-windows.sh"
