#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
#   native (g++), sanitizer (clang, ASan + UBSan, with short fuzz runs) and cross (mingw-w64, under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${TINTWICK_JOBS:-2}
fuzzSeconds=${TINTWICK_FUZZ_SECONDS:-20}

step() { printf '\n=== %s ===\n' "$*"; }

step "Installing missing packages"
bash tools/setup/install-deps.sh test

step "Native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure

step "Sanitizer build and tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
CC=clang CXX=clang++ cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTINTWICK_SANITIZE=ON -DTINTWICK_FUZZ=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure

step "Fuzzing the parsers (${fuzzSeconds} s each)"
for fuzzer in build/sanitize/tests/fuzz/*_fuzz; do
    [[ -x $fuzzer ]] || continue
    corpus=build/sanitize/corpus/$(basename "$fuzzer")
    mkdir -p "$corpus"
    echo "$(basename "$fuzzer")"
    seeds=tests/fuzz/seeds/$(basename "$fuzzer")
    [[ -d $seeds ]] || seeds=
    "$fuzzer" -max_total_time="$fuzzSeconds" -print_final_stats=0 "$corpus" $seeds \
        >build/sanitize/$(basename "$fuzzer").log 2>&1 || { tail -50 build/sanitize/$(basename "$fuzzer").log; exit 1; }
    grep -E '^(Done|#[0-9]+ +DONE)' build/sanitize/$(basename "$fuzzer").log || tail -2 build/sanitize/$(basename "$fuzzer").log
done

step "Cross build (mingw-w64) and tests under Wine"
cmake -S . -B build/cross -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build build/cross -j "$jobs"
tools/wine/with-session.sh build/cross/wineprefix ctest --test-dir build/cross --output-on-failure

step "All tests passed"
