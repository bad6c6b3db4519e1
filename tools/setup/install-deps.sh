#!/usr/bin/env bash
# Installs the Debian 12 packages Tintwick needs that are not installed yet.
# Usage: install-deps.sh run|test   (run: build and start the program; test: everything the tests need)
set -euo pipefail

runPackages=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
             binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine wine64)
testPackages=(googletest clang libclang-rt-14-dev xvfb xdotool xclip x11-utils xauth python3)

packages=("${runPackages[@]}")
[[ ${1:-test} == test ]] && packages+=("${testPackages[@]}")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
