#!/usr/bin/env bash
# The NSIS installer installs silently into a chosen folder with Start-menu
# shortcuts; the installed portpanel, with the simulated board copied beside
# it, starts and polls; the uninstaller removes everything again.
# Runs in the tests' Wine prefix and on their display.
set -euo pipefail
build=$1
out="$build/package-test/nsis"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$out" >/dev/null
installer="$out/QorvelTools-1.0.0.1-win32.exe"
[ -f "$installer" ] || { echo "missing $installer"; exit 1; }

target_win='C:\QorvelTest'
target="$WINEPREFIX/drive_c/QorvelTest"
rm -rf "$target"
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$target"
}
trap cleanup EXIT

wine "$installer" /S "/D=$target_win" </dev/null >/dev/null 2>&1
for f in portpanel.exe portcheck.exe README.txt simulator/QorvelIo.dll; do
  [ -f "$target/$f" ] || { echo "installer did not install $f"; exit 1; }
done
[ ! -f "$target/QorvelIo.dll" ] || { echo "the simulated board was installed beside the programs"; exit 1; }
shortcuts=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname 'portpanel.lnk' | head -n 1)
[ -n "$shortcuts" ] || { echo "no Start-menu shortcut for portpanel"; exit 1; }

cp "$target/simulator/QorvelIo.dll" "$target/"
log="$out/board.log"
: >"$log"
(cd "$target" && QORVEL_SIM_LOG="$log" exec wine portpanel.exe </dev/null >/dev/null 2>&1) &
program_pid=$!
for _ in $(seq 1 100); do
  grep -q ' PortRead -> ' "$log" && break
  sleep 0.1
done
grep -q ' PortRead -> ' "$log" || { echo "installed portpanel did not poll the board"; cat "$log"; exit 1; }
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true
program_pid=
rm "$target/QorvelIo.dll"

# The uninstaller copies itself away and returns at once: wait for it.
wine "$target/Uninstall.exe" /S </dev/null >/dev/null 2>&1
for _ in $(seq 1 150); do
  [ -e "$target/portpanel.exe" ] || [ -e "$target/Uninstall.exe" ] || break
  sleep 0.2
done
left=$(find "$target" -type f 2>/dev/null || true)
[ -z "$left" ] || { printf 'left after uninstalling:\n%s\n' "$left"; exit 1; }
[ ! -e "$shortcuts" ] || { echo "the uninstaller left $shortcuts"; exit 1; }
echo "installed, polled and uninstalled cleanly"
