#!/usr/bin/env bash
# The settings window cannot be resized, closing it only hides it, and the
# two "?" buttons show the clock texts in information boxes.
source "$(dirname "$0")/lib.sh"
suite "window rules"
require_wakespan

check "settings window appears" wakespan_start
before="$(probe rect "$MAIN")"
style="$(probe style "$MAIN")"
check_not "no sizing border" grep -q THICKFRAME <<<"$style"

read -r left top _ _ _ _ <<<"$before"
probe setpos "$MAIN" "$left" "$top" 500 500
expect_eq "SetWindowPos cannot resize" "357 x 389" "$(window_size "$MAIN")"
probe syscommand "$MAIN" maximize
sleep 0.5
expect_eq "maximizing cannot resize" "357 x 389" "$(window_size "$MAIN")"
probe syscommand "$MAIN" restore
sleep 0.3
expect_eq "the caption survives the refused resizes" "Kovalune Wakespan v1.0" "$(probe text "$MAIN")"

# Local time: hours, minutes and seconds without padding.
probe postclick "$MAIN" "$HELP_BTN"
box="$(probe box "$MAIN" 5000)"
title="$(head -n 1 <<<"$box")"
text="$(tail -n +2 <<<"$box")"
expect_eq "? shows an information box" "Information" "$title"
expect_match "? shows the local time" '^Time now is: (0|[1-9][0-9]?):(0|[1-9][0-9]?):(0|[1-9][0-9]?)$' "$text"
if [[ "$text" =~ ([0-9]+):([0-9]+):([0-9]+)$ ]]; then
  shown=$((10#${BASH_REMATCH[1]} * 3600 + 10#${BASH_REMATCH[2]} * 60 + 10#${BASH_REMATCH[3]}))
  now=$((10#$(date +%H) * 3600 + 10#$(date +%M) * 60 + 10#$(date +%S)))
  drift=$(( (now - shown + 86400) % 86400 ))
  check "the local time is the current one (${drift} s behind)" test "$drift" -le 10
fi
check "OK closes the box" probe boxok "$MAIN" 5000

# Running time: the running-time window's label, two-digit fields.
probe postclick "$MAIN" "$HELP_UP_BTN"
box="$(probe box "$MAIN" 5000)"
expect_eq "running-time ? shows an information box" "Information" "$(head -n 1 <<<"$box")"
expect_match "running-time ? shows the running time" \
  '^Wakespan now is: [0-9]{2,}:[0-5][0-9]:[0-5][0-9]$' "$(tail -n +2 <<<"$box")"
check "OK closes the running-time box" probe boxok "$MAIN" 5000

# Closing hides the window; the program keeps running.
probe close "$MAIN"
check "WM_CLOSE hides the settings window" probe waitgone "$MAIN" 5000
sleep 1
check "the settings window still exists" probe exists "$MAIN"
check "the process keeps running" wakespan_running
check_not "closing shows no other window" is_visible TStickyform
