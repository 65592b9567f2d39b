#!/usr/bin/env bash
# The local-time trigger without a countdown, in one run of the program:
# the do-nothing action keeps it running and shows its balloon, an arming
# switch missing from the registry is reported and dispatches nothing, and
# the close-application action ends the process at the typed second.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "scheduled actions"
require_wakespan
require_probe_tray

store_schedule 4 0 1
check "settings window appears" wakespan_start
park_mouse

# Do nothing: both ticks of the matching second run it; the program stays.
read -r text epoch < <(local_time_in 4)
probe settext "$MAIN" "$ACTION_TIME" "$text"
check "do nothing: the tray balloon \"No Action to do...\" appears" wait_for_balloon 'No Action to do...' 10
balloon_ms=$(now_ms)
within "do nothing: balloon seen within 5 s of the typed second (ms after it)" \
  $((balloon_ms - epoch * 1000)) 0 5000
sleep_until $((epoch + 3))
check "do nothing: the program runs on 3 s after the typed second" wakespan_alive
check_not "do nothing: no countdown window" is_visible "$COUNTDOWN"
check_not "do nothing: no message box" probe box "$MAIN" 500

# No arming switch stored: the default error report, once per tick, and no dispatch.
reg_add "$SETTINGS_KEY" Action REG_DWORD 3
reg_delete_value "$SETTINGS_KEY" SetActTime
read -r text epoch < <(local_time_in 3)
probe settext "$MAIN" "$ACTION_TIME" "$text"
box="$(probe box "$MAIN" 8000)"
expect_eq "missing SetActTime: error box title" "Wakespan" "$(head -n 1 <<<"$box")"
expect_eq "missing SetActTime: error text" "Failed to get data for 'SetActTime'" "$(tail -n +2 <<<"$box")"
sleep 1.5   # the second tick of the same second opens its own box
boxes=0
while probe boxok "$MAIN" 1000 >/dev/null; do boxes=$((boxes + 1)); [ "$boxes" -lt 5 ] || break; done
expect_eq "missing SetActTime: one box per tick of the matching second" 2 "$boxes"
check "missing SetActTime: the close action did not run" wakespan_alive

# Close application: the process ends within the typed second.
reg_add "$SETTINGS_KEY" SetActTime REG_DWORD 1
read -r text epoch < <(local_time_in 4)
probe settext "$MAIN" "$ACTION_TIME" "$text"
sleep_until $((epoch - 1))
check "close: still running one second before the typed second" wakespan_alive
# Wine needs two seconds more to end the process here: hiding windows and
# removing the tray icon without a window manager waits for X each time.
watch_window_gone "$MAIN" 20000
if window_gone; then
  within "close: the settings window goes within the typed second (ms after its start)" \
    $((GONE_MS - epoch * 1000)) 0 1500
else
  fail "close: the settings window goes within the typed second" "still there 20 s later"
fi
if wait_for_end 15; then
  within "close: the process ends soon after (ms after the typed second)" $((ENDED_MS - epoch * 1000)) 0 6000
else
  fail "close: the process ends" "still running 15 s later"
fi
