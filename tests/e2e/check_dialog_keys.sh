#!/usr/bin/env bash
# Enter, space and Escape as the message loop receives them on the focused
# control: Cancel of a running countdown, OK of the about window and of the
# settings window; and a countdown that starts while the modal about window
# is open can still be cancelled with the mouse.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "dialog keys"
require_wakespan
require_probe_tray

# focus_on CLASS ID: the control ID of window CLASS has the focus within 3 s.
# Activation moves on a moment after a window hides, so it is awaited.
focus_on() {
  local i
  for i in $(seq 1 30); do
    [ "$(probe active "$1" 2>/dev/null)" = "$1" ] && [ "$(probe focus "$1" 2>/dev/null)" = "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

store_schedule 3 1 1
check "settings window appears" wakespan_start
park_mouse
check "OK has the focus when the settings window shows" focus_on "$MAIN" "$OK_BTN"

# start_countdown: types a local-time trigger two seconds ahead, waits for
# the countdown and then for the end of the matching second, whose second
# tick would restart it.
start_countdown() {
  local text epoch
  read -r text epoch < <(local_time_in 2)
  watch_window_shown "$COUNTDOWN" 15000
  probe settext "$MAIN" "$ACTION_TIME" "$text"
  window_shown || return 1
  sleep_until $((epoch + 1))
  sleep 0.3
}

for key in enter space; do
  if ! start_countdown; then fail "a countdown starts (for $key)"; continue; fi
  check "Cancel has the focus in the countdown ($key)" focus_on "$COUNTDOWN" "$CANCEL_BTN"
  probe key "$COUNTDOWN" "$key"
  check "$key on the focused Cancel stops the countdown" probe waitgone "$COUNTDOWN" 3000
done
# Wine may leave no window active after the countdown hides: a click on the
# settings window's caption activates it, and its OK gets the focus back.
read -r left top _ _ _ _ < <(probe rect "$MAIN")
xdotool mousemove $((left + 150)) $((top + 10)) click 1
park_mouse
check "a click on the settings window gives its OK the focus back" focus_on "$MAIN" "$OK_BTN"
check "Escape reaches the settings window" probe key "$MAIN" escape
sleep 0.5
check "Escape on a form without a cancel button changes nothing" is_visible "$MAIN"

# The about window, modal, from the tray menu.
right_click_tray_icon
probe_tray popupmenu 5000 >/dev/null
xdotool key h
sleep 0.3
xdotool key a
check "the about window opens" probe wait "$ABOUT" 5000
park_mouse
check_not "the settings window waits while the about window is open" probe enabled "$MAIN"

if start_countdown; then
  check "a countdown started while the about window is open is usable" probe enabled "$COUNTDOWN"
  read -r left top _ _ _ _ < <(probe rect "$COUNTDOWN" "$CANCEL_BTN")
  xdotool mousemove $((left + 45)) $((top + 16)) click 1
  check "a mouse click on its Cancel stops it" probe waitgone "$COUNTDOWN" 3000
  park_mouse
  check "the about window is still open" is_visible "$ABOUT"
else
  fail "a countdown starts while the about window is open"
fi

check "the about window's OK has the focus back" focus_on "$ABOUT" "$ABOUT_OK_BTN"
probe key "$ABOUT" enter
check "Enter on the about window's focused OK closes it" probe waitgone "$ABOUT" 3000
check "the settings window is usable again" probe enabled "$MAIN"

check "OK has the focus again after the about window" focus_on "$MAIN" "$OK_BTN"
probe key "$MAIN" enter
check "Enter on the settings window's focused OK hides it" probe waitgone "$MAIN" 3000
check "and shows the running-time window" probe wait "$STICKY" 3000
