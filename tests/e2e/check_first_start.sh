#!/usr/bin/env bash
# First start on an empty registry: the key appears without values, and the
# settings window shows its initial state, centred and at its fixed size.
source "$(dirname "$0")/lib.sh"
suite "first start"
require_wakespan

check_not "no settings key before the first start" key_exists "$SETTINGS_KEY"
check "settings window appears" wakespan_start
check "the key exists after the first start" key_exists "$SETTINGS_KEY"
expect_eq "the key holds no values" 0 "$(value_count "$SETTINGS_KEY")"
check_not "no Run value" reg_get "$RUN_KEY" Wakespan

expect_eq "caption" "Kovalune Wakespan v1.0" "$(probe text "$MAIN")"
expect_eq "outer size" "357 x 389" "$(window_size "$MAIN")"
read -r area_left area_top _ _ area_width area_height < <(probe workarea)
read -r left top _ _ width height < <(probe rect "$MAIN")
expected_left=$((area_left + (area_width - width) / 2))
expected_top=$((area_top + (area_height - height) / 2))
# One pixel either way covers rounding the odd remainder up or down.
centred() { (( ${1#-} <= 1 )); }
check "centred horizontally in the work area (left $left, expected $expected_left)" \
  centred $((left - expected_left))
check "centred vertically in the work area (top $top, expected $expected_top)" \
  centred $((top - expected_top))

check_not "Apply disabled" is_enabled "$APPLY_BTN"
expect_eq "ShutR is the selected action" "1 0 0 0 0 0" "$(radio_states)"
check_not "RunCheck unchecked" is_checked "$RUN_CHECK"
check_not "CountDownCheck unchecked" is_checked "$COUNTDOWN_CHECK"
check_not "ProtectCheck unchecked" is_checked "$PROTECT_CHECK"
check_not "SetActCheck unchecked" is_checked "$SET_ACT_CHECK"
check_not "ActionWakespan disabled" is_enabled "$ACTION_WAKESPAN"
check_not "ActionTime disabled" is_enabled "$ACTION_TIME"
expect_eq "ActionWakespan empty" "" "$(control_text "$ACTION_WAKESPAN")"
expect_eq "ActionTime empty" "" "$(control_text "$ACTION_TIME")"
check_not "ProtectCheck disabled" is_enabled "$PROTECT_CHECK"
check_not "SetPassbtn disabled" is_enabled "$SET_PASS_BTN"
check "OK enabled" is_enabled "$OK_BTN"
expect_eq "OK has the focus" "$OK_BTN" "$(probe focus "$MAIN")"
for form in TStickyform TCountDownform TAboutform; do
  check "$form exists" probe exists "$form"
  check_not "$form hidden" is_visible "$form"
done

wine_screenshot "$E2E_OUT/settings-window.png" && echo "  screenshot: $E2E_OUT/settings-window.png"

check "a click on RunCheck checks it" probe click "$MAIN" "$RUN_CHECK"
check "RunCheck checked" is_checked "$RUN_CHECK"
check "a click on a check box enables Apply" is_enabled "$APPLY_BTN"
check_not "nothing is stored before Apply" setting RunAtStartUp
