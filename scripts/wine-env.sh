# Sourced. A private Wine session for tests and runs: its own Xvfb display
# (unless asked to use $DISPLAY), its own WINEPREFIX under a temp dir, quiet
# Wine, and cleanup on exit. Functions:
#   wine_env_start [--use-display] [--prefix DIR]
#                                   set up and export DISPLAY/WINEPREFIX/...;
#                                   --prefix keeps a lasting prefix in DIR
#   wine_env_prefix_copy            echo a fresh copy of the initialised prefix
#                                   (for anything that may end the session:
#                                   ExitWindowsEx ends every process of a prefix)
#   wine_env_stop_prefix PREFIX     stop that prefix's wineserver
#   wine_env_drop_prefix PREFIX     stop it and remove the copy
#   wine_env_stop                   stop everything, remove the temp dir (only
#                                   in the shell that started the session)
#   wine_run ARGS...                run a Windows program in the current prefix
#   wine_screenshot FILE            PNG of the whole display

WINE_LOADER_BIN=/usr/lib/wine/wine64
WINESERVER_BIN=/usr/lib/wine/wineserver64
export WINESERVER="$WINESERVER_BIN" WINELOADER="$WINE_LOADER_BIN"
export WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installers: nothing here needs .NET or the HTML engine.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# A session started by a parent script is inherited through WINE_ENV_DIR;
# only the script that started it stops it.
WINE_ENV_DIR="${WINE_ENV_DIR:-}"
WINE_ENV_XVFB_PID=""
WINE_ENV_OWNER=""
WINE_ENV_KEPT_PREFIX=""

wine_run() { "$WINE_LOADER_BIN" "$@"; }

_wine_env_start_xvfb() {
  local fifo="$WINE_ENV_DIR/display"
  : > "$fifo"
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$fifo" \
    >"$WINE_ENV_DIR/xvfb.log" 2>&1 &
  WINE_ENV_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$fifo" ]; then
      export DISPLAY=":$(head -n 1 "$fifo")"
      return 0
    fi
    kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "wine-env: Xvfb did not start" >&2
  cat "$WINE_ENV_DIR/xvfb.log" >&2
  return 1
}

_wine_env_install_fonts() {
  local fonts="$1/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
}

_wine_env_init_prefix() {
  local prefix="$1"
  mkdir -p "$prefix"
  WINEPREFIX="$prefix" "$WINE_LOADER_BIN" wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" "$WINESERVER_BIN" -w
  # Debian's wine64 does not find its own fonts (Tahoma, Marlett) from the bare
  # loader; copied into the prefix they are used like any Windows font.
  _wine_env_install_fonts "$prefix"
  # Without a window manager Wine's frames must be the program's own.
  WINEPREFIX="$prefix" "$WINE_LOADER_BIN" reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  WINEPREFIX="$prefix" "$WINESERVER_BIN" -w
  [ -f "$prefix/system.reg" ] || { echo "wine-env: wineboot failed in $prefix" >&2; return 1; }
}

wine_env_start() { # [--use-display] [--prefix DIR]
  local use_display="" prefix=""
  while [ $# -gt 0 ]; do
    case "$1" in
      --use-display) use_display=1 ;;
      --prefix) prefix="$2"; shift ;;
    esac
    shift
  done
  WINE_ENV_DIR="$(mktemp -d /tmp/wakespan-wine.XXXXXX)"
  WINE_ENV_OWNER=1
  export WINE_ENV_DIR
  trap wine_env_stop EXIT
  trap 'exit 130' INT TERM
  if [ -z "$use_display" ] || [ -z "${DISPLAY:-}" ]; then
    _wine_env_start_xvfb || return 1
  fi
  if [ -n "$prefix" ]; then
    # A lasting prefix of the caller's: initialised once, kept afterwards.
    WINE_ENV_KEPT_PREFIX="$prefix"
    [ -f "$prefix/system.reg" ] || _wine_env_init_prefix "$prefix" || return 1
    _wine_env_install_fonts "$prefix"
    export WINEPREFIX="$prefix"
    ln -s "$prefix" "$WINE_ENV_DIR/prefix"
  else
    export WINEPREFIX="$WINE_ENV_DIR/prefix"
    _wine_env_init_prefix "$WINEPREFIX"
  fi
}

wine_env_prefix_copy() {
  local copy
  copy="$(mktemp -d "$WINE_ENV_DIR/prefix-copy.XXXXXX")"
  WINEPREFIX="$WINE_ENV_DIR/prefix" "$WINESERVER_BIN" -w
  # Hard links keep the copy quick and small; the registry files, which Wine
  # rewrites, become real copies so the original prefix stays untouched.
  cp -al "$WINE_ENV_DIR/prefix/." "$copy/"
  local hive
  for hive in "$copy"/*.reg; do cp --remove-destination "$WINE_ENV_DIR/prefix/${hive##*/}" "$hive"; done
  echo "$copy"
}

wine_env_stop_prefix() {
  WINEPREFIX="$1" "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
}

# Stops a copy's wineserver and removes the copy.
wine_env_drop_prefix() {
  wine_env_stop_prefix "$1"
  rm -rf "$1"
}

wine_env_stop() {
  [ -n "$WINE_ENV_OWNER" ] || return 0
  local prefix
  for prefix in "$WINE_ENV_DIR"/prefix* $WINE_ENV_KEPT_PREFIX; do
    [ -d "$prefix" ] && wine_env_stop_prefix "$prefix"
  done
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=""
  fi
  if [ -n "$WINE_ENV_DIR" ]; then
    rm -rf "$WINE_ENV_DIR"
    WINE_ENV_DIR=""
  fi
}

wine_screenshot() {
  xwd -root -silent | convert xwd:- "png:$1"
}
