#!/usr/bin/env bash
# The run command: sets everything up, builds, and starts Wakespan under Wine
# with its settings window on screen. On the user's display ($DISPLAY) it
# stays there until Wakespan ends or Ctrl-C; without a display it runs on a
# private Xvfb. Either way a screenshot of the screen is written and its path
# printed. Settings persist between runs in the cache's Wine prefix.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cache="${WAKESPAN_CACHE:-$HOME/.cache/wakespan}"
shot="${WAKESPAN_SCREENSHOT:-$root/build/wakespan-screen.png}"

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" host x86_64

exe="$root/build/x86_64/app/Wakespan.exe"
probe_exe="$root/build/x86_64/tools/probe/probe.exe"
[ -f "$exe" ] || { echo "run: $exe was not built" >&2; exit 1; }

source "$root/scripts/wine-env.sh"
on_user_display=""
[ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && on_user_display=1
# One lasting prefix keeps the settings from run to run.
wine_env_start ${on_user_display:+--use-display} --prefix "$cache/run-prefix"

echo "run: starting Wakespan on display $DISPLAY"
"$WINE_LOADER_BIN" "$exe" &
wakespan=$!
if ! "$WINE_LOADER_BIN" "$probe_exe" wait TMainform 60000; then
  echo "run: the settings window did not appear" >&2
  exit 1
fi
sleep 1  # let the first paint finish
mkdir -p "$(dirname "$shot")"
wine_screenshot "$shot"
echo "run: screenshot written to $shot"

if [ -n "$on_user_display" ] && [ -t 0 ]; then
  echo "run: Wakespan is running; end it from its tray menu (Exit) or press Ctrl-C"
  wait "$wakespan" || true
fi
