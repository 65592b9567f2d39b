#!/usr/bin/env bash
# The skinned menus: the tray menu, one of its submenus and the settings
# window's File menu are drawn from the embedded skin (its dark menu colour,
# the picture column, the highlight under the mouse), every menu window is
# open in screenshots, and the menus still carry out their commands by mouse
# and keyboard.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "skinned menus"
require_wakespan
require_probe_tray

MENU_CLASS='#32768'
# The embedded skin's "MAINMENU" colour, as the screen shows it.
MENU_RGB="44 50 66"

# "left top width height" of every visible popup menu window, top one first.
menu_windows() { probe_tray windows | awk -F'\t' -v c="$MENU_CLASS" '$2 == c && $3 == "visible" {print $4}'; }
menu_count() { menu_windows | grep -c . || true; }
wait_menus() { # COUNT: waits until that many menu windows are visible
  local i
  for i in $(seq 1 40); do [ "$(menu_count)" -ge "$1" ] && return 0; sleep 0.15; done
  return 1
}
# "r g b" of one screen pixel.
pixel() { xwd -root -silent | convert xwd:- -crop "1x1+$1+$2" +repage -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:; }
# Item rows are 20 pixels high below the 3-pixel frame on the 16-pixel
# pictures, dividers 2: the middle of row N of a menu without dividers, and
# of the tray menu's rows (Settings, Execute Action, Windows, Control Panel,
# Help, Exit).
item_y() { echo $(( $1 + 3 + 20 * $2 + 10 )); }
TRAY_ROWS=(3 23 45 65 87 109)
tray_y() { echo $(( $1 + ${TRAY_ROWS[$2]} + 10 )); }
shot_menu() { # NAME: the screen part holding every open menu
  local l t w h minl=10000 mint=10000 maxr=0 maxb=0
  while read -r l t w h; do
    (( l < minl )) && minl=$l; (( t < mint )) && mint=$t
    (( l + w > maxr )) && maxr=$((l + w)); (( t + h > maxb )) && maxb=$((t + h))
  done < <(menu_windows)
  shot "$1" "$((maxr - minl + 8))x$((maxb - mint + 8))+$((minl > 4 ? minl - 4 : 0))+$((mint > 4 ? mint - 4 : 0))"
}

check "settings window appears" wakespan_start
park_mouse
probe wait "$TRAY_WINDOW" 5000 >/dev/null

# ---- the tray menu ------------------------------------------------------------
right_click_tray_icon
check "right-click on the icon opens the tray menu" wait_menus 1
read -r ml mt mw mh < <(menu_windows | head -n 1)
sleep 0.4
expect_match "the tray menu has its size (${mw}x${mh})" '^[0-9]+$' "$mw"
check "the tray menu's background is the skin's menu colour" near "$(pixel $((ml + mw - 12)) "$(tray_y "$mt" 0)")" "$MENU_RGB"
check_not "the picture column is not the menu colour" near "$(pixel $((ml + 4)) "$(tray_y "$mt" 2)")" "$MENU_RGB"
shot_menu tray_menu_skinned

# The mouse on "Windows" highlights it and opens its submenu.
xdotool mousemove $((ml + mw / 2)) "$(tray_y "$mt" 2)"
check "hovering Windows opens its submenu" wait_menus 2
sleep 0.5
check_not "the item under the mouse is highlighted" near "$(pixel $((ml + mw - 12)) "$(tray_y "$mt" 2)")" "$MENU_RGB"
check "the item above it is not" near "$(pixel $((ml + mw - 12)) "$(tray_y "$mt" 1)")" "$MENU_RGB"
read -r sl st sw sh < <(menu_windows | awk -v l="$ml" '$1 != l' | head -n 1)
check "the submenu is skinned too" near "$(pixel $((sl + sw - 12)) "$(item_y "$st" 0)")" "$MENU_RGB"
xdotool mousemove $((sl + sw / 2)) "$(item_y "$st" 1)"
sleep 0.6
check_not "the submenu's item under the mouse is highlighted" near "$(pixel $((sl + sw - 12)) "$(item_y "$st" 1)")" "$MENU_RGB"
shot_menu tray_submenu_skinned
# Wine keeps a menu open after Escape has closed a submenu opened by the
# mouse, skinned or not: a click outside closes both.
xdotool key Escape
park_mouse
xdotool click 1
sleep 0.5
check_not "a click outside closes the tray menu and its submenu" probe_tray menuopen

# By mouse: Help > About (row 2 of the submenu).
right_click_tray_icon
wait_menus 1
read -r ml mt mw mh < <(menu_windows | head -n 1)
xdotool mousemove $((ml + mw / 2)) "$(tray_y "$mt" 0)"
xdotool mousemove $((ml + mw / 2)) "$(tray_y "$mt" 4)"
wait_menus 2
read -r sl st sw sh < <(menu_windows | awk -v l="$ml" '$1 != l' | head -n 1)
xdotool mousemove $((sl + sw / 2)) "$(item_y "$st" 2)" click 1
check "tray menu > Help > About by mouse shows the about window" probe wait "$ABOUT" 5000
probe click "$ABOUT" "$ABOUT_OK_BTN" >/dev/null
check "the about window closes" probe waitgone "$ABOUT" 5000

# By keyboard: the accelerators of "&Help" and "&About".
park_mouse
right_click_tray_icon
wait_menus 1
xdotool key h
sleep 0.3
xdotool key a
check "tray menu > Help > About by keyboard shows the about window" probe wait "$ABOUT" 5000
probe click "$ABOUT" "$ABOUT_OK_BTN" >/dev/null
probe waitgone "$ABOUT" 5000 >/dev/null

# ---- the settings window's menu bar -------------------------------------------
read -r main_left main_top _ _ _ _ < <(probe rect "$MAIN")
xdotool mousemove $((main_left + 18)) $((main_top + 32)) click 1
check "a click on File opens its drop-down" wait_menus 1
check_not "the bar's File item is highlighted in the skin" near "$(pixel $((main_left + 6)) $((main_top + 32)))" "255 255 255"
shot settings_file_menu_skinned "$(window_geometry "$MAIN" 4)"
sleep 0.4
if shot_menu_window file_dropdown_skinned; then
  read -r fw fh < <(identify -format '%w %h' "$SCREENS/file_dropdown_skinned.png")
  check "the File drop-down's background is the skin's menu colour" \
    near "$(image_pixel "$SCREENS/file_dropdown_skinned.png" $((fw - 12)) $((fh / 2)))" "$MENU_RGB"
else
  fail "the File drop-down's background is the skin's menu colour" "its window was not captured"
fi
xdotool key Right
sleep 0.5
check "Right moves on to the Help drop-down" wait_menus 1
shot settings_help_menu_skinned "$(window_geometry "$MAIN" 4)"
xdotool key Escape Escape
park_mouse
sleep 0.3
check_not "Escape closes the menu bar's drop-downs" probe_tray menuopen
check "the settings window is still running" wakespan_running

# Help > About from the bar by keyboard.
xdotool mousemove $((main_left + 18)) $((main_top + 32)) click 1
wait_menus 1
xdotool key Right
sleep 0.3
xdotool key a
check "Help > About from the menu bar by keyboard" probe wait "$ABOUT" 5000
probe click "$ABOUT" "$ABOUT_OK_BTN" >/dev/null
probe waitgone "$ABOUT" 5000 >/dev/null

wakespan_stop
