#!/usr/bin/env bash
# Installs the Debian packages that building and testing Vantor need, when any is missing. With "fuzz", also what
# make fuzz needs: clang and its libFuzzer and sanitizer runtimes.
set -euo pipefail

# libxcb1-dev: the benchmark watches the X server through xcb (qt6-base-dev brings it today, but only indirectly).
# desktop-file-utils, appstream: the install test validates the desktop entry and the AppStream component with them.
packages=(build-essential cmake ninja-build qt6-base-dev libxcb1-dev xvfb xauth xdotool x11-utils desktop-file-utils
          appstream)
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
