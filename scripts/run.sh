#!/usr/bin/env bash
# Sets up, builds and starts portpanel (or portcheck) on the simulated board.
#
#   scripts/run.sh [portpanel|portcheck] [--no-board] [--inputs "hh hh hh hh hh"]
#
# With a display (DISPLAY set) the program opens there and the command returns
# when it is closed. Without one it runs for a few seconds in Xvfb, saves a
# screenshot of its window and prints it with what the simulated board recorded.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}

program=portpanel
while [ $# -gt 0 ]; do
  case "$1" in
    portpanel|portcheck) program=$1 ;;
    --no-board) export QORVEL_SIM_ABSENT=1 ;;
    --inputs) shift; export QORVEL_SIM_INPUTS="${1:?--inputs needs five hex bytes}" ;;
    -h|--help) sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run: unknown argument '$1' (try --help)" >&2; exit 2 ;;
  esac
  shift
done
case "$program" in
  portpanel) caption='Qorvel  Program II' box_caption='Connection Error' ;;
  portcheck) caption='Test' box_caption='portcheck' ;;
esac

"$root/scripts/setup.sh" || { echo "run: installing the required packages failed" >&2; exit 1; }
"$root/scripts/build.sh" >/dev/null || { echo "run: the build failed (run scripts/build.sh to see why)" >&2; exit 1; }

headless=0
[ -n "${DISPLAY:-}" ] || headless=1
export WINE_SESSION_XVFB=$headless
# On the user's desktop its window manager draws the windows: a prefix of its own.
[ $headless -eq 1 ] || export WINE_SESSION_PREFIX=${WINE_SESSION_PREFIX:-$BUILD_DIR/wineprefix-desktop}
source "$root/scripts/wine-session.sh"
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wine_session_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM
wine_session_start

mkdir -p "$BUILD_DIR/run"
log="$BUILD_DIR/run/$program-board.log"
: >"$log"
export QORVEL_SIM_LOG="$log"
cd "$BUILD_DIR/bin"

if [ $headless -eq 0 ]; then
  echo "run: $program on the simulated board (board calls in $log)"
  wine "$program.exe"
  exit 0
fi

wine "$program.exe" </dev/null >/dev/null 2>&1 &
program_pid=$!
# Without a board the program shows a message box; answer it with OK as a
# person would, so that what runs behind it can be seen.
answer_box() {
  local box
  box=$(xdotool search --onlyvisible --name "^($box_caption)\$" 2>/dev/null | head -n 1) || true
  [ -n "$box" ] || return 0
  echo "run: $program showed its message box \"$(xdotool getwindowname "$box")\"; answering OK"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  xdotool mousemove $((X + 10)) $((Y + 10)) click 1 sleep 0.3 key Return 2>/dev/null || true
}
window=
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  answer_box
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run: $program did not open its window within 10 seconds" >&2
  exit 1
fi
sleep 1
answer_box
sleep 3
shot="$BUILD_DIR/run/$program.png"
if ! timeout 20 import -window "$window" "$shot" 2>/dev/null; then
  echo "run: could not take the screenshot of $program" >&2
  exit 1
fi
polls=$(grep -c ' PortRead ' "$log" || true)
last=$(grep ' PortRead ' "$log" | tail -n 1 | sed 's/.*-> //' || true)
echo "run: $program ran for a few seconds on the simulated board without a display"
echo "screenshot: $shot"
echo "board log:  $log ($polls polls, last reading P4 P5 P6 P7 P1 = ${last:-none})"
