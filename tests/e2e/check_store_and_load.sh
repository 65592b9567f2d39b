#!/usr/bin/env bash
# Apply stores all seven values with their types and loads them back; the Run
# value follows RunAtStartUp and is rewritten with the running exe's path at
# every start.
source "$(dirname "$0")/lib.sh"
suite "store and load"
require_wakespan

# Trigger texts that can never match a clock: hour 25 does not exist and
# running times stop at 1193 hours.
local_text="25:0:0"
running_text="1999:00:00"

check "settings window appears" wakespan_start
probe click "$MAIN" "$RUN_CHECK"
probe click "$MAIN" "$COUNTDOWN_CHECK"
probe click "$MAIN" "$SET_ACT_CHECK"
check "SetActCheck enables ActionTime" is_enabled "$ACTION_TIME"
check "SetActCheck enables ActionWakespan" is_enabled "$ACTION_WAKESPAN"
probe settext "$MAIN" "$ACTION_TIME" "$local_text"
probe settext "$MAIN" "$ACTION_WAKESPAN" "$running_text"
probe click "$MAIN" "$REBOOT_R"
expect_eq "RebootR selected" "0 1 0 0 0 0" "$(radio_states)"
check "Apply enabled by the changes" is_enabled "$APPLY_BTN"
probe click "$MAIN" "$APPLY_BTN"
check_not "Apply disabled after Apply" is_enabled "$APPLY_BTN"

expect_eq "RunAtStartUp stored" "REG_DWORD 1" "$(setting RunAtStartUp)"
expect_eq "CountDown stored" "REG_DWORD 1" "$(setting CountDown)"
expect_eq "Protect stored" "REG_DWORD 0" "$(setting Protect)"
expect_eq "SetActTime stored" "REG_DWORD 1" "$(setting SetActTime)"
expect_eq "ActionTime stored" "REG_SZ $local_text" "$(setting ActionTime)"
expect_eq "ActionWakespan stored" "REG_SZ $running_text" "$(setting ActionWakespan)"
expect_eq "Action stored" "REG_DWORD 1" "$(setting Action)"
expect_eq "exactly seven values" 7 "$(value_count "$SETTINGS_KEY")"

exe_path="$(probe exepath "$MAIN")"
expect_eq "Run value holds the running exe's path" "REG_SZ $exe_path" "$(reg_get "$RUN_KEY" Wakespan)"
expect_eq "the exe path is the full Windows path of the build" \
  "$(wine_run winepath -w "$WAKESPAN_EXE" 2>/dev/null)" "$exe_path"

check "after Apply RunCheck reads back checked" is_checked "$RUN_CHECK"
check "after Apply CountDownCheck reads back checked" is_checked "$COUNTDOWN_CHECK"
check "after Apply the edits stay enabled" is_enabled "$ACTION_TIME"
expect_eq "after Apply RebootR reads back selected" "0 1 0 0 0 0" "$(radio_states)"

probe click "$MAIN" "$SET_ACT_CHECK"
check_not "unchecking SetActCheck disables ActionTime" is_enabled "$ACTION_TIME"
check_not "unchecking SetActCheck disables ActionWakespan" is_enabled "$ACTION_WAKESPAN"
expect_eq "disabled ActionTime keeps its text" "$local_text" "$(control_text "$ACTION_TIME")"
probe click "$MAIN" "$SET_ACT_CHECK"

# A restart shows exactly what is stored.
wakespan_restart
check "restart: RunCheck checked" is_checked "$RUN_CHECK"
check "restart: CountDownCheck checked" is_checked "$COUNTDOWN_CHECK"
check_not "restart: ProtectCheck unchecked" is_checked "$PROTECT_CHECK"
check "restart: SetActCheck checked" is_checked "$SET_ACT_CHECK"
check "restart: ActionTime enabled" is_enabled "$ACTION_TIME"
expect_eq "restart: ActionTime text" "$local_text" "$(control_text "$ACTION_TIME")"
expect_eq "restart: ActionWakespan text" "$running_text" "$(control_text "$ACTION_WAKESPAN")"
expect_eq "restart: RebootR selected" "0 1 0 0 0 0" "$(radio_states)"
check_not "restart: Apply disabled" is_enabled "$APPLY_BTN"

# The Run value is brought into line at every start.
wakespan_stop
reg_add "$RUN_KEY" Wakespan REG_SZ 'C:\elsewhere\Wakespan.exe'
wakespan_start
expect_eq "a changed Run value is rewritten at the next start" \
  "REG_SZ $exe_path" "$(reg_get "$RUN_KEY" Wakespan)"

wakespan_stop
reg_delete_value "$RUN_KEY" Wakespan
mkdir -p "$WINEPREFIX/drive_c/moved"
cp "$WAKESPAN_EXE" "$WINEPREFIX/drive_c/moved/Wakespan.exe"
wakespan_start "$WINEPREFIX/drive_c/moved/Wakespan.exe"
expect_eq "a moved exe writes its new path" 'REG_SZ C:\moved\Wakespan.exe' "$(reg_get "$RUN_KEY" Wakespan)"

wakespan_stop
reg_add "$SETTINGS_KEY" RunAtStartUp REG_DWORD 0
wakespan_start
check_not "with RunAtStartUp clear the Run value is deleted at the next start" reg_get "$RUN_KEY" Wakespan
check_not "RunCheck unchecked" is_checked "$RUN_CHECK"

# OK stores like Apply, hides the settings window and shows the running-time window.
probe click "$MAIN" "$RUN_CHECK"
probe click "$MAIN" "$OK_BTN"
check "OK hides the settings window" probe waitgone "$MAIN" 5000
check "OK shows the running-time window" probe wait TStickyform 5000
expect_eq "OK stores like Apply" "REG_DWORD 1" "$(setting RunAtStartUp)"
check "the program keeps running after OK" probe exists "$MAIN"
