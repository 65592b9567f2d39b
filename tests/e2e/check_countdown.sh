#!/usr/bin/env bash
# The ten-second countdown before the close-application action: where and
# how it appears, its bar, a refused close, Cancel, and a second countdown
# that a granted close no longer stops.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "countdown"
require_wakespan
require_probe_tray

store_schedule 3 1 1
check "settings window appears" wakespan_start
park_mouse
probe click "$MAIN" "$OK_BTN"   # hides the settings window, as a user would
check "OK hides the settings window" probe waitgone "$MAIN" 5000

read -r text epoch < <(local_time_in 3)
watch_window_shown "$COUNTDOWN" 15000
probe settext "$MAIN" "$ACTION_TIME" "$text"
if ! window_shown; then
  fail "the countdown window appears at the typed second" "not shown"; exit 1
fi
within "the countdown window appears at the typed second (ms after its start)" \
  $((SHOWN_MS - epoch * 1000)) 0 1500
first_shown=$SHOWN_MS

read -r area_left area_top _ _ area_width area_height < <(probe workarea)
read -r left top _ _ width height < <(probe rect "$COUNTDOWN")
expect_eq "outer size" "354 x 119" "$width x $height"
centred() { (( ${1#-} <= 1 )); }
check "centred horizontally in the work area (left $left)" \
  centred $((left - (area_left + (area_width - width) / 2)))
check "centred vertically in the work area (top $top)" \
  centred $((top - (area_top + (area_height - height) / 2)))
check "topmost" grep -qw TOPMOST <<<"$(probe_tray exstyle "$COUNTDOWN")"
expect_eq "Cancel has the focus" "$CANCEL_BTN" "$(probe focus "$COUNTDOWN")"

# The bar: maximum 10, one step a second.
positions=()
for _ in 1 2 3; do
  read -r position _ maximum < <(probe_tray progress "$COUNTDOWN" "$PROGRESS_BAR")
  positions+=("$position")
  sleep 1
done
expect_eq "the bar's maximum is 10" 10 "$maximum"
steps_ok() { (( $2 - $1 >= 1 && $2 - $1 <= 2 && $3 - $2 >= 1 && $3 - $2 <= 2 && $3 <= 10 )); }
check "the bar advances a step each second (${positions[*]})" steps_ok "${positions[@]}"

probe close "$COUNTDOWN"
sleep 0.5
check "WM_CLOSE during the first countdown is refused" is_visible "$COUNTDOWN"
shot countdown_window "$(window_geometry "$COUNTDOWN" 8)"
check "screenshot of the countdown window is not blank" \
  test "$(colour_count "$SCREENS/countdown_window.png")" -gt 8

probe click "$COUNTDOWN" "$CANCEL_BTN"
check "Cancel hides the countdown window" probe waitgone "$COUNTDOWN" 3000
sleep_until $(( first_shown / 1000 + 15 ))
check "after Cancel nothing happens: the program runs on 15 s later" wakespan_alive
check_not "after Cancel the countdown window stays hidden" is_visible "$COUNTDOWN"

# Second countdown: closing is granted now and hides the window, but the
# countdown goes on and closes the program about eleven seconds after it
# appeared (the second tick of the matching second restarts it once).
read -r text epoch < <(local_time_in 3)
watch_window_shown "$COUNTDOWN" 15000
probe settext "$MAIN" "$ACTION_TIME" "$text"
if ! window_shown; then
  fail "a second countdown appears" "not shown"; exit 1
fi
pass "a second countdown appears"
shown=$SHOWN_MS
read -r position _ _ < <(probe_tray progress "$COUNTDOWN" "$PROGRESS_BAR")
check "the second countdown starts with an empty bar (position $position)" test "$position" -le 2
probe close "$COUNTDOWN"
check "WM_CLOSE after a Cancel hides the countdown window" probe waitgone "$COUNTDOWN" 3000
watch_window_gone "$STICKY" 30000
if window_gone; then
  within "the hidden countdown still closes the program ~11 s after it appeared (ms)" \
    $((GONE_MS - shown)) 10500 12800
else
  fail "the hidden countdown still closes the program" "running-time window still shown"
fi
if wait_for_end 15; then pass "the process ends"; else fail "the process ends" "still running"; fi
