# Sourced by the run and test scripts: a private Wine prefix under the build
# folder, an Xvfb display (unless one is given) and one wineserver with a
# long-lived Wine process, all stopped by wine_session_stop.
#
# Needs BUILD_DIR; WINE_SESSION_PREFIX chooses another prefix. Exports WINEPREFIX, WINEARCH, WINEDEBUG, WINEDLLOVERRIDES, DISPLAY.

wine_session_pids=()

wine_session_prefix() {
  export WINEPREFIX="${WINE_SESSION_PREFIX:-$BUILD_DIR/wineprefix}" WINEARCH=win32
  export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/.qorvel-ready" ] && return 0
  echo "wine: creating the prefix $WINEPREFIX (once)" >&2
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  # Korean dialog font -> Nanum; on Xvfb, with no window manager, Wine draws
  # the captions itself; a crash ends the program instead of opening the
  # debugger's dialog.
  local reg="$BUILD_DIR/wine-settings.reg" managed='"Managed"="Y"'
  [ "${WINE_SESSION_XVFB:-}" = 1 ] && managed='"Managed"="N"'
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"굴림"="NanumGothic"' '"Gulim"="NanumGothic"' '"Tahoma"="NanumGothic"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' "$managed" '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$reg" </dev/null >/dev/null 2>&1
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  touch "$WINEPREFIX/.qorvel-ready"
}

wine_session_start() {
  wine_session_prefix
  if [ -z "${DISPLAY:-}" ] || [ "${WINE_SESSION_XVFB:-}" = 1 ]; then
    local fifo="$BUILD_DIR/.xvfb-display"
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 </dev/null &
    wine_session_pids+=($!)
    local display
    read -r -t 20 display <"$fifo" || { echo "wine: Xvfb did not start" >&2; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$display"
  fi
  # A persistent wineserver and one long-lived Wine process with its own stdio,
  # so that Wine's helpers never hold ctest's output pipes.
  wineserver -p </dev/null >/dev/null 2>&1
  wine "$BUILD_DIR/bin/keepalive.exe" </dev/null >/dev/null 2>&1 &
  wine_session_pids+=($!)
  # Wait until Wine's services run, so that none of them starts later under a
  # caller's output pipes.
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_session_stop() {
  # Runs from EXIT traps under set -e: a process that has already ended is fine.
  [ -n "${WINEPREFIX:-}" ] && { wineserver -k >/dev/null 2>&1 || true; }
  local pid
  for pid in "${wine_session_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${wine_session_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  wine_session_pids=()
}
