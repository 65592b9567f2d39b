#!/usr/bin/env bash
# Close application after a session in which a do-nothing countdown ran to
# its end and the Wine session was then ended: the trigger is stored, not
# typed, and the second session's countdown must close the program.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "close after a do-nothing countdown"
require_wakespan
require_probe_tray

# store_trigger ACTION: countdown on, armed, local time 8 s ahead (the start
# of a new Wine session takes a few seconds); sets TRIGGER_EPOCH.
store_trigger() {
  local text
  read -r text TRIGGER_EPOCH < <(local_time_in 8)
  store_schedule "$1" 1 1 "$text"
}

store_trigger 4
check "first session: settings window appears" wakespan_start
check "first session: the do-nothing countdown ends with its balloon" wait_for_balloon 'No Action to do...' 30
check "first session: the program runs on" wakespan_alive
"$WINESERVER_BIN" -k >/dev/null 2>&1
wait "$WAKESPAN_PID" 2>/dev/null
WAKESPAN_PID=""

reg_delete_key "$SETTINGS_KEY"
store_trigger 3
check "second session: settings window appears" wakespan_start
watch_window_shown "$COUNTDOWN" 20000
if window_shown; then
  pass "second session: the close-application countdown starts"
  # Ten seconds of countdown, restarted once by the matching second's second
  # tick; then ending the process costs Wine up to about 5 s without a
  # window manager (it waits for each unmapped window to be withdrawn).
  if wait_for_end 25; then
    within "the program ends after the countdown (ms after the stored second)" \
      $((ENDED_MS - TRIGGER_EPOCH * 1000)) 10000 19000
    check_not "no settings window is left" probe exists "$MAIN"
  else
    fail "the program ends after the countdown" "still running 25 s after the countdown appeared"
  fi
else
  fail "second session: the close-application countdown starts" "not shown"
fi
wakespan_stop
