#!/usr/bin/env bash
# Builds the Windows program and runs the sampling benchmark under Wine on a private Xvfb display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup/install-deps.sh test
cmake -S . -B build/cross -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build build/cross -j "${TINTWICK_JOBS:-2}" --target sampling_bench
tools/wine/with-session.sh build/cross/wineprefix bash -c \
    'wine build/cross/tools/bench/sampling_bench.exe > build/cross/bench.txt 2>&1; cat build/cross/bench.txt'
