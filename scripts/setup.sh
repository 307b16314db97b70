#!/usr/bin/env bash
# Installs what building and testing need on Debian 12: the i686 mingw-w64
# cross compiler, 32-bit Wine, Xvfb, fonts for the Korean texts, GoogleTest's
# sources, and clang with libFuzzer for the native fuzz targets. Safe to run
# again; returns in seconds when everything is present.
set -euo pipefail

packages=(
  cmake make g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 wine64
  xvfb x11-utils xdotool imagemagick
  fonts-nanum fonts-wine
  googletest python3 nsis
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
