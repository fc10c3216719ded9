#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing tavlin need.
# Only missing packages are installed; nothing happens when all are there.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libgtest-dev
  g++-mingw-w64-x86-64 wine wine64 xvfb x11-utils x11-xserver-utils xdotool imagemagick
  fonts-nanum fonts-droid-fallback xcompmgr faketime)
if [ "${1:-}" = "--test" ]; then
  # fonts-baekmuk: a wider face than Nanum for "굴림", to see the strip fit its texts.
  # xserver-xephyr: a virtual screen of two monitors side by side, for the popups' monitor.
  packages+=(clang libclang-rt-14-dev unzip icoutils fonts-baekmuk xserver-xephyr)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
