#!/usr/bin/env bash
# Measures what portpanel and portcheck cost on the simulated board, under Wine
# in a virtual display, and prints one table of figures beside the machine's
# load: CPU while polling (next to a floor program that only blits 32 LEDs
# every 100 ms), poll period, click to board call, start-up, footprint and
# handle counts. Figures only: a slow machine gives slow figures, not a failure.
#
#   scripts/bench.sh [--seconds N] [portpanel|portcheck|all]
#   scripts/bench.sh --soak MINUTES [portpanel|portcheck|all]
#
# --seconds  length of the polling window (default 30)
# --soak     instead of the figures, random use for that many minutes; exits 1
#            when GDI or USER objects, kernel handles or memory grew, or a
#            program died or stopped polling
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}

args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds|--soak)
      [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || { echo "bench: $1 needs a whole number" >&2; exit 2; }
      args+=("$1" "$2"); shift ;;
    portpanel|portcheck|all) args+=("$1") ;;
    -h|--help) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "bench: unknown argument '$1' (try --help)" >&2; exit 2 ;;
  esac
  shift
done

"$root/scripts/setup.sh" || { echo "bench: installing the required packages failed" >&2; exit 1; }
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" >/dev/null
fi
cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target portbench keepalive >/dev/null ||
  { echo "bench: the build failed (run scripts/build.sh to see why)" >&2; exit 1; }

export WINE_SESSION_XVFB=1
source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start

machine() {
  local model
  model=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
  echo "machine: $(nproc) cores (${model:-unknown CPU}), $(wine --version), load average $(cut -d' ' -f1-3 /proc/loadavg) $1"
}
machine "before"
status=0
(cd "$BUILD_DIR/bin" && wine portbench.exe "${args[@]}" </dev/null) || status=$?
machine "after"
exit $status
