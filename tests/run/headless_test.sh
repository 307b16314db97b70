#!/usr/bin/env bash
# Runs scripts/run.sh without a display and checks what it leaves: exit code 0,
# the printed screenshot path, a PNG of a plausible size that is not blank and
# has a caption bar above the window's face.
set -euo pipefail
program=$1
root=$(cd "$(dirname "$0")/../.." && pwd)

# Its own prefix: the run command stops its wineserver at the end, which must
# not be the one the other tests use.
output=$(env -u DISPLAY WINE_SESSION_PREFIX="$BUILD_DIR/wineprefix-run" \
  "$root/scripts/run.sh" "$program" 2>&1) || { echo "$output"; echo "run.sh failed"; exit 1; }
echo "$output"
shot=$(sed -n 's/^screenshot: //p' <<<"$output")
[ -f "$shot" ] || { echo "no screenshot at '$shot'"; exit 1; }
grep -qE 'board log: .*\(([1-9][0-9]*) polls' <<<"$output" || { echo "no polls reported"; exit 1; }

read -r width height colours <<<"$(identify -format '%w %h %k' "$shot")"
case "$program" in
  portpanel) min_w=600 min_h=350 ;;
  portcheck) min_w=300 min_h=90 ;;
esac
[ "$width" -ge $min_w ] && [ "$height" -ge $min_h ] && [ "$width" -le 1280 ] && [ "$height" -le 1024 ] ||
  { echo "screenshot is ${width}x${height}"; exit 1; }
[ "$colours" -ge 8 ] || { echo "screenshot is blank ($colours colours)"; exit 1; }

# The caption bar (top rows) is drawn in another colour than the face below it.
band_mean() { convert "$shot" -crop "${width}x$2+0+$1" +repage -format '%[fx:mean]' info:; }
caption=$(band_mean 3 10)
face=$(band_mean $((height / 2)) 10)
python3 -c "import sys; sys.exit(0 if abs($caption - $face) > 0.05 else 1)" ||
  { echo "no caption bar: top band mean $caption, face mean $face"; exit 1; }
echo "screenshot ${width}x${height}, $colours colours, caption band $caption vs face $face"
