#!/usr/bin/env bash
# Cross-builds the Windows executables into build-windows/bin. First, once,
# the two libraries the build needs are built static into build-windows/deps:
# libpng from the upstream tarball of Debian's libpng1.6 source package
# (against the zlib of libz-mingw-w64-dev) and GoogleTest from the sources of
# Debian's googletest package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-windows
deps=$build/deps
toolchain=$root/cmake/mingw-w64-x86_64.cmake
mingw=/usr/x86_64-w64-mingw32
jobs=${TESSAVIEW_JOBS:-$(nproc)}
zlib=(-DZLIB_LIBRARY="$mingw/lib/libz.a" -DZLIB_INCLUDE_DIR="$mingw/include")

build_dependency() {
    local name=$1 source=$2
    shift 2
    cmake -S "$source" -B "$build/$name-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" "$@" >/dev/null
    cmake --build "$build/$name-build" -j"$jobs" >/dev/null
    cmake --install "$build/$name-build" >/dev/null
}

"$root/scripts/fetch-libpng-source.sh" "$build/libpng-source"
if [[ ! -f $deps/lib/libpng16.a ]]; then
    tarball=$(awk '{ print $2 }' "$root/scripts/libpng-source.sha256")
    rm -rf "$build/libpng-src" "$build/libpng-build"
    mkdir -p "$build/libpng-src"
    tar -xf "$build/libpng-source/$tarball" -C "$build/libpng-src" --strip-components=1
    build_dependency libpng "$build/libpng-src" -DPNG_SHARED=OFF -DPNG_STATIC=ON \
        -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF "${zlib[@]}"
fi
if [[ ! -f $deps/lib/libgtest.a ]]; then
    build_dependency googletest /usr/src/googletest -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
fi

# Tests are listed when ctest runs, under the Wine prefix of that run.
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DTESSAVIEW_BENCHMARKS=OFF -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
    -DPNG_LIBRARY="$deps/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$deps/include" "${zlib[@]}" \
    -DGTest_DIR="$deps/lib/cmake/GTest" >/dev/null
cmake --build "$build" -j"$jobs" --target tessaview tessaview-convert tessaview-core-tests \
    tessaview-windows-tests tessaview-win32-tests
