#!/usr/bin/env bash
# Wine on a virtual X display: the run's own Xvfb, the run's own prefix and
# wineserver, and a clean stop that ends only what this run started.

export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Bump when the prefix set-up below changes: older prefixes are made again.
WABO_PREFIX_MARK="$WINEPREFIX/.wabo-prefix-2"

XVFB_PID=""
WINE_SESSION=0

# Wine takes its ANSI code page (932) from the Unix locale.
wenv() {
  env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$@"
}

# Starts Xvfb on a free display of its own choice and exports DISPLAY.
start_xvfb() {
  local dfile="$BUILD/xvfb.display" pfile="$BUILD/xvfb.pid" deadline
  rm -f "$dfile" "$pfile"
  # The inner shell writes its own PID and then becomes Xvfb, so the PID is
  # Xvfb's whether or not setsid had to fork.
  setsid bash -c 'echo $$ >"$1"; exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$2"' \
    xvfb "$pfile" "$dfile" </dev/null >"$LOGS/xvfb.log" 2>&1 &
  deadline=$(( $(date +%s) + 20 ))
  while :; do
    if [ -s "$pfile" ] && [ -z "$XVFB_PID" ]; then
      XVFB_PID="$(cat "$pfile")"
    fi
    if [ -s "$dfile" ] && grep -q '^[0-9][0-9]*$' "$dfile"; then
      break
    fi
    if [ "$(date +%s)" -ge "$deadline" ]; then
      cat "$LOGS/xvfb.log" >&2 || true
      die "Xvfb did not start"
    fi
    sleep 0.05
  done
  [ -n "$XVFB_PID" ] || XVFB_PID="$(cat "$pfile")"
  export DISPLAY=":$(head -n 1 "$dfile")"
}

stop_xvfb() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    local i
    for i in $(seq 1 50); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    kill -9 "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}

# The registry settings of the prefix, as a UTF-16LE .reg file (the font
# names are Japanese). Without a window manager Wine waits about two seconds
# at every hidden or destroyed window unless its windows are unmanaged. A
# program that crashes ends at once instead of waiting in the debugger.
write_prefix_reg() {
  local out="$1"
  {
    printf '\xff\xfe'
    printf '%s\r\n' \
      'Windows Registry Editor Version 5.00' \
      '' \
      '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
      '"Managed"="N"' \
      '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"MS UI Gothic"="IPAPGothic"' \
      '"ＭＳ Ｐゴシック"="IPAPGothic"' \
      '"ＭＳ ゴシック"="IPAGothic"' \
      '' \
      '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]' \
      '"Debugger"="-"' \
      '"Auto"="1"' \
      '' | iconv -f UTF-8 -t UTF-16LE
  } >"$out"
}

# Makes the run's Wine prefix once; later runs find it ready.
prepare_prefix() {
  if [ -f "$WABO_PREFIX_MARK" ]; then
    return 0
  fi
  log "making the Wine prefix $WINEPREFIX"
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  wenv wine wineboot -i </dev/null >"$LOGS/wineboot.log" 2>&1 || die "wineboot failed (see $LOGS/wineboot.log)"
  wineserver -w
  write_prefix_reg "$BUILD/wabo-prefix.reg"
  (cd "$BUILD" && wenv wine regedit /S wabo-prefix.reg </dev/null >"$LOGS/regedit.log" 2>&1) \
    || die "regedit failed (see $LOGS/regedit.log)"
  # The window settings are read when the wineserver starts.
  wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$WABO_PREFIX_MARK"
}

# Starts the run's own Xvfb (mode xvfb) or uses the DISPLAY given (mode
# display), makes the prefix, starts one persistent wineserver and warms Wine
# up. The EXIT trap stops all of it again.
#   wine_session_start [xvfb|display]
wine_session_start() {
  local mode="${1:-xvfb}"
  WINE_SESSION=1
  trap wine_session_stop EXIT
  trap 'exit 130' INT TERM
  if [ "$mode" = xvfb ]; then
    start_xvfb
  fi
  # A server left behind by an interrupted run of this build tree.
  wineserver -k >/dev/null 2>&1 || true
  prepare_prefix
  wineserver -p </dev/null >"$LOGS/wineserver.log" 2>&1
  # Wine's background services must not inherit a caller's output pipe.
  wenv wine cmd /c exit </dev/null >"$LOGS/wine-warmup.log" 2>&1 || true
}

wine_session_stop() {
  if [ "$WINE_SESSION" = 1 ]; then
    wineserver -k >/dev/null 2>&1 || true
    WINE_SESSION=0
  fi
  stop_xvfb
}
