#!/usr/bin/env bash
# The tray icon and both menus: the icon and its hint, every item of the
# tray menu and the menu bar with captions, bold default and pictures, the
# about window from the tray menu, a double-click on the icon, and both Exit
# commands. Menus are read inside the program's process (probe_tray).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "tray and menus"
require_wakespan
require_probe_tray

# Expected menus, one item a line: depth tabs, flags, caption (ids vary).
TAB=$'\t'
expected_popup="$(cat <<LIST
default,pic${TAB}&Settings
sub,pic${TAB}&Execute Action...
${TAB}-${TAB}&Shut Down
${TAB}-${TAB}&Reboot
${TAB}-${TAB}&Log off current user
${TAB}-${TAB}Hibernate
sep${TAB}
sub,pic${TAB}Windows
$(for c in "Task Manager" "Command Prompt" "Registry Editor" "System Configuration" \
  "DirectX Diagnostic Tool" "System Information" Notepad Wordpad Calculator; do echo "${TAB}pic${TAB}$c"; done)
sub,pic${TAB}Control Panel 
${TAB}pic${TAB}Main
${TAB}sep${TAB}
$(for c in "Program And Features" "Folder Options" "Display Properties" "Desktop Themes" "Power Options" \
  "Region And Language" "Date And Time" "Sound Properties" "KeyBoard Properties" "Internet Properties" \
  "Mouse Properties" "System Properties" "Administrative Tools"; do echo "${TAB}pic${TAB}$c"; done)
sep${TAB}
sub,pic${TAB}&Help
${TAB}pic${TAB}&Send FeedBack...
${TAB}pic${TAB}&Report a bug!
${TAB}pic${TAB}&About
sep${TAB}
pic${TAB}Exit
LIST
)"
expected_bar="$(cat <<LIST
sub${TAB}File
${TAB}pic${TAB}Exit           
sub${TAB}Help
${TAB}pic${TAB}&Send FeedBack...
${TAB}pic${TAB}&Report a bug!
${TAB}pic${TAB}&About
LIST
)"
# A menu listing without the command ids.
without_ids() { sed -E 's/^(\t*)[0-9]+\t/\1/'; }
# Shows where two listings differ, for the failure message.
first_difference() { diff <(echo "$1") <(echo "$2") | head -n 4 | tr '\n' '|'; }
expect_listing() { # NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then pass "$1"; else fail "$1" "$(first_difference "$2" "$3")"; fi
}

check "settings window appears" wakespan_start
park_mouse

# ---- the icon -----------------------------------------------------------------
check "the tray icon's window exists" probe exists "$TRAY"
check "the notification area shows an icon" probe wait "$TRAY_WINDOW" 5000
read -r icon_x icon_y < <(tray_icon_point)
shot tray_area "180x60+0+0"
# The icon is a dark-red square: red well above green and blue around its centre.
read -r red green < <(convert "$SCREENS/tray_area.png" -crop "10x10+$((icon_x - 5))+$((icon_y - 5))" \
  -format '%[fx:int(255*mean.r)] %[fx:int(255*mean.g)]\n' info:)
check "the icon in the screenshot is red (mean red $red, green $green)" test "$red" -gt $((green + 60))

# Hovering shows the hint: five lines, both clocks and both (empty) trigger texts.
xdotool mousemove "$icon_x" "$icon_y"
tips=""
for _ in $(seq 1 20); do
  tips="$(probe_tray tooltips)" && grep -q "${TAB}tip${TAB}" <<<"$tips" && break
  sleep 0.25
done
hint="$(sed '1s/^[^\t]*\t[^\t]*\t[^\t]*\t//' <<<"$tips" | tr -d '\r' | head -n 5)"
expect_match "hovering the icon shows the five-line hint" \
  $'^Kovalune Wakespan v1\\.0\nWakespan: [0-9]{2,}:[0-5][0-9]:[0-5][0-9]\nExecute Action At: \nLocal Time: [0-9]{1,2}:[0-9]{1,2}:[0-9]{1,2}\nExecute Action At: $' \
  "$hint"
park_mouse

# ---- the tray menu ------------------------------------------------------------
right_click_tray_icon
popup="$(probe_tray popupmenu 5000)"
expect_listing "tray menu: items, captions, default item and pictures" "$expected_popup" "$(without_ids <<<"$popup")"
shot tray_menu "420x260+0+0"
xdotool key Escape
sleep 0.3
check_not "Escape closes the tray menu" probe_tray menuopen

# ---- the menu bar -------------------------------------------------------------
bar="$(probe_tray menubar "$MAIN")"
expect_listing "menu bar: items, captions and pictures" "$expected_bar" "$(without_ids <<<"$bar")"
# Opened by a click on "File", left in the bar under the caption.
read -r main_left main_top _ _ _ _ < <(probe rect "$MAIN")
xdotool mousemove $((main_left + 18)) $((main_top + 32)) click 1
check "a click on File opens its menu" probe_tray popupmenu 3000
shot settings_file_menu "$(window_geometry "$MAIN" 4)"
xdotool key Right   # on to the Help menu
sleep 0.5
shot settings_help_menu "$(window_geometry "$MAIN" 4)"
xdotool key Escape Escape
park_mouse
sleep 0.3
check_not "Escape closes the menu bar's menus" probe_tray menuopen
shot settings_window "$(window_geometry "$MAIN" 4)"

# ---- the about window, from the tray menu: &Help > &About --------------------
right_click_tray_icon
probe_tray popupmenu 5000 >/dev/null
xdotool key h
sleep 0.3
xdotool key a
check "tray menu > Help > About shows the about window" probe wait "$ABOUT" 5000
expect_eq "the about window's caption" "About..." "$(probe text "$ABOUT")"
park_mouse
sleep 0.5
shot about_window "$(window_geometry "$ABOUT" 4)"
probe click "$ABOUT" "$ABOUT_OK_BTN"
check "its OK button closes it" probe waitgone "$ABOUT" 3000

# ---- double-click on the icon ----------------------------------------------------
probe close "$MAIN"
probe waitgone "$MAIN" 3000
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
check "a double-click on the icon shows the hidden settings window" probe wait "$MAIN" 3000
park_mouse

# ---- Exit, from the tray menu (its last item) ------------------------------------
right_click_tray_icon
probe_tray popupmenu 5000 >/dev/null
xdotool key Up Return
if wait_for_end 15; then pass "tray menu > Exit ends the program"
else fail "tray menu > Exit ends the program" "still running 15 s later"; fi
check_not "the notification area is empty after Exit" is_visible "$TRAY_WINDOW"

# ---- File > Exit of the settings window -------------------------------------------
check "settings window appears again" wakespan_start
exit_id="$(menu_id "$(probe_tray menubar "$MAIN")" "Exit           ")"
probe_tray command "$MAIN" "$exit_id"
if wait_for_end 15; then pass "File > Exit ends the program"
else fail "File > Exit ends the program" "still running 15 s later"; fi
