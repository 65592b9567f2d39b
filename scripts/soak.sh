#!/usr/bin/env bash
# Long run (not part of CI): drives the skinned Wakespan under Wine with the
# real mouse and keys — hovering and pressing buttons and title buttons,
# opening and closing the menu bar's, the tray's and the system menu, moving,
# minimizing and restoring the settings window, a countdown started and
# cancelled — and every minute writes what the process holds: its GDI and
# USER objects (GetGuiResources; Wine reports 0), the GDI objects it holds by
# its own count, its top-level windows, and its anonymous resident memory.
# Ends with the growth after warm-up.
# Usage: scripts/soak.sh [--no-build] [MINUTES]   (default 60); CSV in $SOAK_OUT.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" = "--no-build" ]; then shift; else bash "$root/scripts/build.sh" host x86_64 >/dev/null || exit 1; fi
minutes="${1:-60}"
export E2E_OUT="${SOAK_OUT:-$(mktemp -d /tmp/wakespan-soak.XXXXXX)}"
source "$root/scripts/wine-env.sh"
wine_env_start || exit 1
source "$root/tests/e2e/lib.sh"
source "$root/tests/e2e/lib_actions.sh"
csv="$E2E_OUT/soak.csv"

# Anonymous resident memory of the Wakespan process, in KB.
unix_pid() { pgrep -f 'Wakespan.exe' | head -n 1; }
rss_kb() { awk '/^RssAnon:/ {print $2}' "/proc/$(unix_pid)/status" 2>/dev/null || echo 0; }
window_count() { probe_tray windows "$MAIN" | grep -c . || true; }

sample() { # MINUTE
  local gdi user private live
  read -r gdi user private live < <(probe resources "$MAIN")
  echo "$1,${gdi:-0},${user:-0},${live:--1},$(window_count),$(rss_kb)" >>"$csv"
  tail -n 1 "$csv"
}

hover() { xdotool mousemove "$1" "$2"; sleep 0.3; }

minimized() { (( $(probe style "$MAIN" | awk '{print $1}') & 0x20000000 )); }

# Back to where it started, restored first: a round must not read the
# place of a window still on its way back from being minimized.
go_home() {
  minimized && { probe syscommand "$MAIN" restore >/dev/null; sleep 1; }
  probe setpos "$MAIN" "$home_left" "$home_top" 357 389 >/dev/null
  sleep 0.3
}

one_round() {
  local left top right bottom x y
  go_home
  read -r left top right bottom _ _ < <(probe rect "$MAIN") || return
  # Buttons and title buttons under the mouse, pressed and released off them.
  for id in "$OK_BTN" "$HELP_BTN" "$HELP_UP_BTN" "$SET_PASS_BTN"; do
    read -r x y _ _ w h < <(probe rect "$MAIN" "$id") && hover $((x + w / 2)) $((y + h / 2))
  done
  hover $((right - 25)) $((top + 10))
  hover $((right - 60)) $((top + 10))
  xdotool mousedown 1; hover $((right - 60)) $((top + 60)); xdotool mouseup 1
  park_mouse; sleep 0.5
  # The menus.
  xdotool mousemove $((left + 18)) $((top + 32)) click 1; sleep 0.4
  xdotool key Right; sleep 0.4; xdotool key Escape Escape; sleep 0.3
  xdotool mousemove $((left + 150)) $((top + 10)) click 3; sleep 0.4; xdotool key Escape; sleep 0.3
  right_click_tray_icon; sleep 0.5; xdotool key Escape; sleep 0.3
  # Moved, minimized and restored.
  probe setpos "$MAIN" $((left + 20)) $((top + 10)) 357 389 >/dev/null; sleep 0.3
  probe syscommand "$MAIN" minimize >/dev/null; sleep 0.5
  probe syscommand "$MAIN" restore >/dev/null; sleep 0.5
  go_home
  # A countdown of the do-nothing action, started and cancelled.
  probe click "$MAIN" "$COUNTDOWN_CHECK" >/dev/null
  probe click "$MAIN" "$NO_R" >/dev/null
  probe click "$MAIN" "$SET_ACT_CHECK" >/dev/null
  read -r text _ < <(local_time_in 2)
  probe settext "$MAIN" "$ACTION_TIME" "$text" >/dev/null
  probe click "$MAIN" "$APPLY_BTN" >/dev/null
  if probe wait "$COUNTDOWN" 6000 >/dev/null; then
    countdowns=$((countdowns + 1))
    probe click "$COUNTDOWN" "$CANCEL_BTN" >/dev/null
    probe waitgone "$COUNTDOWN" 3000 >/dev/null
  fi
  probe click "$MAIN" "$SET_ACT_CHECK" >/dev/null
  probe click "$MAIN" "$COUNTDOWN_CHECK" >/dev/null
  probe click "$MAIN" "$APPLY_BTN" >/dev/null
  park_mouse
}

store_defaults
wakespan_start || { echo "soak: Wakespan did not start" >&2; exit 1; }
read -r home_left home_top _ _ _ _ < <(probe rect "$MAIN")
echo "minute,gdi,user,own_gdi,windows,rss_anon_kb" >"$csv"
sample 0
end=$(( $(date +%s) + minutes * 60 ))
next=$(( $(date +%s) + 60 )) minute=1 rounds=0 countdowns=0
while [ "$(date +%s)" -lt "$end" ]; do
  one_round; rounds=$((rounds + 1))
  if [ "$(date +%s)" -ge "$next" ]; then sample "$minute"; minute=$((minute + 1)); next=$((next + 60)); fi
  wakespan_running || { echo "soak: Wakespan ended after $rounds rounds" >&2; exit 1; }
done
wakespan_stop
warm=$(awk -F, 'NR == 7 {print $6}' "$csv") warm_gdi=$(awk -F, 'NR == 7 {print $4}' "$csv")
last=$(tail -n 1 "$csv" | cut -d, -f6) last_gdi=$(tail -n 1 "$csv" | cut -d, -f4)
echo "soak: $rounds rounds ($countdowns countdowns cancelled) in $minutes minutes; after warm-up (minute 5) ${warm:-?} KB and ${warm_gdi:-?} GDI objects, at the end ${last:-?} KB and ${last_gdi:-?}; samples in $csv"
