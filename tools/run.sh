#!/usr/bin/env bash
# Installs what is missing, builds Tintwick for Windows and starts it under Wine on this display.
# On Windows itself, build/cross/app/Tintwick.exe simply runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash tools/setup/install-deps.sh run
cmake -S . -B build/cross -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build build/cross -j "${TINTWICK_JOBS:-2}" --target Tintwick tintwick-cli

if [[ -z ${DISPLAY:-} ]]; then
    echo "run.sh: no display (DISPLAY is not set); Tintwick needs one." >&2
    exit 1
fi
export WINEDLLOVERRIDES='mscoree=;mshtml='
export WINEDEBUG=${WINEDEBUG:--all}
# Started from its own folder, so the help button finds Tintwick.txt beside the program.
cd build/cross/app
exec wine Tintwick.exe
