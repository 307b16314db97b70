#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine on a private Xvfb display.
# Extra arguments go to ctest, e.g. scripts/test.sh -R Panel
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

export WINE_SESSION_XVFB=1
source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start

cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300 "$@"
