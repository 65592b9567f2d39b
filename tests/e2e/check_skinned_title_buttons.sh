#!/usr/bin/env bash
# The skinned frame's title buttons and system menu with the real mouse and
# keys: the hit test answers the drawn buttons, hovering close fades its lit
# look in a window of the button's size that goes when the mouse leaves,
# minimize and close work by click, and the system menu drops on a right
# click on the caption and on Alt+Space with the window's commands.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "skinned title buttons"
require_wakespan
require_probe_tray
mkdir -p "$SCREENS"

FADE_CLASS=WakespanTitleButtonFade
# "left top width height" of each visible fade window.
fade_windows() { probe_tray windows | awk -F'\t' -v c="$FADE_CLASS" '$2 == c && $3 == "visible" {print $4}'; }
menu_open() { probe_tray menuopen >/dev/null; }
wait_for() { # COMMAND...: up to 3 s until it succeeds
  local i
  for i in $(seq 1 20); do "$@" && return 0; sleep 0.15; done
  return 1
}
no_fade() { [ -z "$(fade_windows)" ]; }
minimized() { (( $(probe style "$MAIN" | awk '{print $1}') & 0x20000000 )); }

store_defaults
check "the settings window appears" wakespan_start
park_mouse
sleep 1
read -r left top right _ _ _ < <(probe rect "$MAIN")
# The embedded skin's big buttons from the right edge: close 43, maximize 25
# and minimize 27 pixels wide, overlapping by one, a few pixels from the edge.
close_x=$((right - 4 - 43 / 2)) min_x=$((right - 4 - 43 - 25 + 2 - 27 / 2))
button_y=$((top + 10))

# ---- hover and fade -------------------------------------------------------------
xdotool mousemove "$close_x" "$button_y"
sleep 0.5
read -r fl ft fw fh < <(fade_windows | head -n 1)
expect_eq "hovering close shows a fade window of its size" "43 x 20" "${fw:-none} x ${fh:-none}"
check "the fade window lies over the close button ($fl)" test "${fl:-0}" -gt $((right - 50)) -a $((${fl:-0} + 43)) -le "$right"
shot title_close_hot "$(window_geometry "$MAIN" 4)"
xdotool mousemove $((left + 150)) $((top + 200))
check "and it is gone after the mouse left" wait_for no_fade

# ---- the system menu ---------------------------------------------------------------
xdotool mousemove $((left + 150)) "$button_y" click 3
check "a right click on the caption drops the system menu" wait_for menu_open
items="$(probe_tray popupmenu 2000 | cut -f3 | tr -d '&' | tr '\n' '|')"
expect_match "it holds the window's commands" 'Move.*Minimize.*Maximize.*Close' "$items"
if shot_menu_window system_menu_skinned; then
  read -r mw mh < <(identify -format '%w %h' "$SCREENS/system_menu_skinned.png")
  # The embedded skin's "MAINMENU" colour, as the screen shows it.
  check "it is drawn in the skin's menu colour" near "$(image_pixel "$SCREENS/system_menu_skinned.png" $((mw - 12)) $((mh / 2)))" "44 50 66"
else
  fail "it is drawn in the skin's menu colour" "its window was not captured"
fi
xdotool key Escape
sleep 0.5
check_not "Escape closes it" menu_open
xdotool mousemove $((left + 150)) $((top + 200)) click 1
sleep 0.3
xdotool key alt+space
check "Alt+Space drops the system menu" wait_for menu_open
xdotool key Escape
sleep 0.5
park_mouse

# ---- clicks -------------------------------------------------------------------------
xdotool mousemove "$min_x" "$button_y" click 1
check "a click on minimize minimizes the window" wait_for minimized
probe syscommand "$MAIN" restore >/dev/null
sleep 1
check_not "restored again" minimized
read -r left top right _ _ _ < <(probe rect "$MAIN")
close_x=$((right - 4 - 43 / 2))
xdotool mousemove "$close_x" $((top + 10)) click 1
check "a click on close hides the settings window" probe waitgone "$MAIN" 5000
park_mouse
wakespan_stop
