#!/usr/bin/env bash
# The frames of the settings, countdown and about windows as the skin draws
# them: the system-menu style dropped, the top corners rounded by the
# window region, a dark title bar from the skin instead of the system's
# caption; the running-time window keeps its own look. Screenshots of all
# three windows for a look.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "skinned frames"
require_wakespan
require_probe_tray
mkdir -p "$SCREENS"

WS_SYSMENU=$((0x80000))
# pixel FILE X Y -> "#RRGGBB" of that pixel of a screenshot.
pixel() { convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | grep -oE '#[0-9A-F]{6}' | head -n 1; }
# Sum of the three channels of "#RRGGBB".
brightness() { local c="${1#\#}"; echo $((16#${c:0:2} + 16#${c:2:2} + 16#${c:4:2})); }

# check_frame NAME CLASS: the window's style, corners and title bar.
check_frame() {
  local name="$1" class="$2" left top width height style
  read -r left top _ _ width height < <(probe rect "$class")
  style="$(probe style "$class" | awk '{print $1}')"
  check_not "$name: the system-menu style is gone (style $style)" test $((style & WS_SYSMENU)) -ne 0
  shot "${name}_frame"
  local screen="$SCREENS/${name}_frame.png"
  local corner outside
  corner="$(pixel "$screen" "$left" "$top")"
  outside="$(pixel "$screen" $((left - 3)) $((top - 3)))"
  expect_eq "$name: the top-left corner pixel is cut out of the window" "$outside" "$corner"
  corner="$(pixel "$screen" $((left + width - 1)) "$top")"
  outside="$(pixel "$screen" $((left + width + 2)) $((top - 3)))"
  expect_eq "$name: the top-right corner pixel is cut out of the window" "$outside" "$corner"
  local title
  title="$(pixel "$screen" $((left + width / 2)) $((top + 2)))"
  check "$name: the title bar is the skin's dark gradient ($title)" test "$(brightness "$title")" -lt 120
  shot "$name" "$(window_geometry "$class" 6)"
}

store_defaults
check "the settings window appears" wakespan_start
park_mouse
sleep 1
check_frame settings "$MAIN"

about="$(menu_id "$(probe_tray menubar "$MAIN")" "&About")"
if [ -n "$about" ]; then
  probe_tray command "$MAIN" "$about" >/dev/null
  check "the about window opens" probe wait "$ABOUT" 5000
  park_mouse
  sleep 1
  check_frame about "$ABOUT"
  # The about window has no Cancel button, so it closes with OK only.
  read -r left top _ _ width height < <(probe rect "$ABOUT" "$ABOUT_OK_BTN")
  xdotool mousemove $((left + width / 2)) $((top + height / 2)) click 1
  check "a click on the skinned OK closes the about window" probe waitgone "$ABOUT" 5000
  park_mouse
else
  fail "the about window opens" "no About item in the menu bar"
fi

# The countdown window, shown by a close-application countdown at the next seconds.
wakespan_stop
store_schedule 3 1 1
check "the settings window appears again" wakespan_start
park_mouse
probe click "$MAIN" "$OK_BTN" >/dev/null
probe waitgone "$MAIN" 5000 >/dev/null
style="$(probe style "$STICKY" | awk '{print $1}')"
check "the running-time window keeps no caption of its own (style $style)" test $((style & 0xC00000)) -eq 0
read -r text _ < <(local_time_in 3)
probe settext "$MAIN" "$ACTION_TIME" "$text" >/dev/null
if probe wait "$COUNTDOWN" 15000 >/dev/null; then
  sleep 1
  check_frame countdown "$COUNTDOWN"
  probe click "$COUNTDOWN" "$CANCEL_BTN" >/dev/null
else
  fail "the countdown window appears" "not shown"
fi
wakespan_stop
