#!/usr/bin/env bash
# Loading odd stored values: out-of-range actions select ShutR, a value of the
# wrong type stops the load where it stands, missing texts load as empty, and
# nothing stored is lost on the way.
source "$(dirname "$0")/lib.sh"
suite "stored values"
require_wakespan

# Start with Action set to CODE and report the radio states.
start_with_action() { # DWORD-DATA
  store_defaults
  reg_add "$SETTINGS_KEY" Action REG_DWORD "$1"
  wakespan_restart
}

start_with_action 7
expect_eq "Action 7 selects ShutR" "1 0 0 0 0 0" "$(radio_states)"
check_not "Action 7: Apply disabled" is_enabled "$APPLY_BTN"
# Toggling a check box twice changes nothing but enables Apply.
probe click "$MAIN" "$RUN_CHECK"; probe click "$MAIN" "$RUN_CHECK"
probe click "$MAIN" "$APPLY_BTN"
expect_eq "Action 7: the next Apply stores 0" "REG_DWORD 0" "$(setting Action)"

start_with_action 0xffffffff
expect_eq "Action -1 selects ShutR" "1 0 0 0 0 0" "$(radio_states)"
expect_eq "Action -1 stays stored until Apply" "REG_DWORD -1" "$(setting Action)"

start_with_action 5
expect_eq "Action 5 selects HiberR" "0 0 0 0 0 1" "$(radio_states)"
start_with_action 3
expect_eq "Action 3 selects CloseR" "0 0 0 1 0 0" "$(radio_states)"

# CountDown as text: the load fails right after RunAtStartUp was applied.
wakespan_stop
store_defaults
reg_add "$SETTINGS_KEY" RunAtStartUp REG_DWORD 1
reg_add "$SETTINGS_KEY" CountDown REG_SZ 1
reg_add "$SETTINGS_KEY" Protect REG_DWORD 1
reg_add "$SETTINGS_KEY" SetActTime REG_DWORD 1
reg_add "$SETTINGS_KEY" Action REG_DWORD 2
reg_add "$SETTINGS_KEY" ActionTime REG_SZ "25:0:0"
wakespan_start
check "CountDown as REG_SZ: RunCheck checked" is_checked "$RUN_CHECK"
check_not "CountDown as REG_SZ: CountDownCheck unchanged" is_checked "$COUNTDOWN_CHECK"
check_not "CountDown as REG_SZ: ProtectCheck unchanged" is_checked "$PROTECT_CHECK"
check_not "CountDown as REG_SZ: SetActCheck unchanged" is_checked "$SET_ACT_CHECK"
expect_eq "CountDown as REG_SZ: ActionTime not loaded" "" "$(control_text "$ACTION_TIME")"
expect_eq "CountDown as REG_SZ: ShutR selected" "1 0 0 0 0 0" "$(radio_states)"
check_not "CountDown as REG_SZ: Apply disabled" is_enabled "$APPLY_BTN"
check_not "CountDown as REG_SZ: the failed load leaves the Run value alone" reg_get "$RUN_KEY" Wakespan
expect_eq "CountDown as REG_SZ: the stored text stays" "REG_SZ 1" "$(setting CountDown)"
expect_eq "CountDown as REG_SZ: the other values stay" "REG_DWORD 2" "$(setting Action)"

# Missing texts load as empty without failing; a missing Action fails the
# load after the texts were set.
wakespan_stop
store_defaults
reg_delete_value "$SETTINGS_KEY" ActionTime
reg_delete_value "$SETTINGS_KEY" ActionWakespan
reg_add "$SETTINGS_KEY" Action REG_DWORD 4
wakespan_start
expect_eq "missing texts: the load goes on to Action (NoR)" "0 0 0 0 1 0" "$(radio_states)"
expect_eq "missing texts: ActionTime empty" "" "$(control_text "$ACTION_TIME")"

wakespan_stop
store_defaults
reg_add "$SETTINGS_KEY" ActionWakespan REG_SZ "1999:00:00"
reg_delete_value "$SETTINGS_KEY" Action
wakespan_start
expect_eq "missing Action: the texts were loaded" "1999:00:00" "$(control_text "$ACTION_WAKESPAN")"
expect_eq "missing Action: ShutR selected" "1 0 0 0 0 0" "$(radio_states)"
check_not "missing Action: Apply disabled" is_enabled "$APPLY_BTN"

# A flag of another type that fits four bytes is rejected like a missing one.
wakespan_stop
store_defaults
reg_add "$SETTINGS_KEY" CountDown REG_DWORD 1
reg_add "$SETTINGS_KEY" Protect REG_BINARY 01
wakespan_start
check "Protect as REG_BINARY: CountDownCheck was loaded" is_checked "$COUNTDOWN_CHECK"
check_not "Protect as REG_BINARY: ProtectCheck unchanged" is_checked "$PROTECT_CHECK"
expect_eq "Protect as REG_BINARY: ShutR selected" "1 0 0 0 0 0" "$(radio_states)"

# Any non-zero flag counts as set.
wakespan_stop
store_defaults
reg_add "$SETTINGS_KEY" CountDown REG_DWORD 7
wakespan_start
check "CountDown 7 counts as set" is_checked "$COUNTDOWN_CHECK"
