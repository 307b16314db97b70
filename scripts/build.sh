#!/usr/bin/env bash
# Configures and builds everything into BUILD_DIR (default: build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$root/build}
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" >/dev/null
fi
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
