#!/usr/bin/env bash
# The settings window's controls as the skin draws them: the edits in the
# skin's EDIT colour, the buttons from the skin's images and lit while the
# mouse is over them, the check boxes and edits still working as before;
# screenshots of the settings and about windows for a look.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "skinned controls"
require_wakespan
require_probe_tray
mkdir -p "$SCREENS"

# pixel FILE X Y -> "#RRGGBB" of that screen pixel in a screenshot.
pixel() { convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | grep -oE '#[0-9A-F]{6}' | head -n 1; }
# screen_pixel NAME X Y: a fresh screenshot NAME and its pixel at X, Y.
screen_pixel() { shot "$1"; pixel "$SCREENS/$1.png" "$2" "$3"; }

store_defaults
check "the settings window appears" wakespan_start
park_mouse
sleep 1

# ---- edits: the skin's colours inside its frame -------------------------------
read -r left top _ _ width height < <(probe rect "$MAIN" "$ACTION_TIME")
# EDIT's COLOR 15454149 is 0xEBD0C5 as BGR: red C5, green D0, blue EB.
# The display may round a channel by one.
expect_match "the time edit's background is the skin's EDIT colour" '^#C5(CF|D0|D1)EB$' \
  "$(screen_pixel settings $((left + width - 6)) $((top + height / 2)))"
frame="$(pixel "$SCREENS/settings.png" "$left" "$top")"
check_not "the edit's frame is the skin's, not the system's white" test "$frame" = "#FFFFFF"

# ---- buttons: the skin's image, lit under the mouse -------------------------
# A "?" button: Apply stays disabled until something changes, and OK, the
# focused default button, already shows the lit image.
read -r left top _ _ width height < <(probe rect "$MAIN" "$HELP_BTN")
normal="$(pixel "$SCREENS/settings.png" $((left + 3)) $((top + 3)))"
check_not "the ? button is not the system's button face" test "$normal" = "#F0F0F0"
xdotool mousemove $((left + width / 2)) $((top + height / 2))
sleep 0.5
hot="$(screen_pixel help_hot $((left + 3)) $((top + 3)))"
check_not "the ? button lights up under the mouse ($normal -> $hot)" test "$hot" = "$normal"
park_mouse
sleep 0.5
expect_eq "and goes back when the mouse leaves" "$normal" "$(screen_pixel help_left $((left + 3)) $((top + 3)))"

# ---- behaviour as before ----------------------------------------------------
before="$(is_checked "$RUN_CHECK" && echo on || echo off)"
read -r left top _ _ width height < <(probe rect "$MAIN" "$RUN_CHECK")
xdotool mousemove $((left + 6)) $((top + height / 2)) click 1
sleep 0.5
after="$(is_checked "$RUN_CHECK" && echo on || echo off)"
check_not "a click on the skinned check box toggles it ($before -> $after)" test "$before" = "$after"
xdotool click 1
sleep 0.3
park_mouse
probe click "$MAIN" "$SET_ACT_CHECK" >/dev/null
sleep 0.3
if is_enabled "$ACTION_TIME"; then
  probe settext "$MAIN" "$ACTION_TIME" "" >/dev/null
  read -r left top _ _ width height < <(probe rect "$MAIN" "$ACTION_TIME")
  xdotool mousemove $((left + 10)) $((top + height / 2)) click 1
  sleep 0.3
  xdotool type "23:0:0"
  sleep 0.3
  expect_eq "typing into the skinned edit" "23:0:0" "$(control_text "$ACTION_TIME")"
else
  fail "typing into the skinned edit" "the edit stayed disabled"
fi
park_mouse
sleep 0.5
shot settings_skinned

# ---- the about window -------------------------------------------------------
about="$(menu_id "$(probe_tray menubar "$MAIN")" "&About")"
if [ -n "$about" ]; then
  probe_tray command "$MAIN" "$about" >/dev/null
  check "the about window opens from the menu" probe wait "$ABOUT" 5000
  park_mouse
  sleep 1
  shot about_skinned
  probe click "$ABOUT" "$ABOUT_OK_BTN" >/dev/null
  probe waitgone "$ABOUT" 5000 >/dev/null || true
else
  fail "the about window opens from the menu" "no &About in the menu bar"
fi
