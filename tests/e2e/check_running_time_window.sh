#!/usr/bin/env bash
# The running-time window after OK: its place in the top-right corner, its
# fixed size and see-through layering, the running time it shows (through the
# settings window's "?" buttons), and screenshots of it and of the artwork.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "running-time window"
require_wakespan
require_probe_tray

check "settings window appears" wakespan_start
park_mouse
check_not "the running-time window is hidden before OK" is_visible "$STICKY"
probe click "$MAIN" "$OK_BTN"
check "OK shows the running-time window" probe wait "$STICKY" 5000
check "OK hides the settings window" probe waitgone "$MAIN" 3000

read -r screen_width _ < <(probe screen)
read -r left top _ _ width height < <(probe rect "$STICKY")
expect_eq "top-right corner (left, top)" "$((screen_width - 52)) 0" "$left $top"
expect_eq "outer size" "52 x 68" "$width x $height"
check "layered, for its see-through background" grep -qw LAYERED <<<"$(probe_tray exstyle "$STICKY")"
check_not "not topmost" grep -qw TOPMOST <<<"$(probe_tray exstyle "$STICKY")"
check_not "no caption" grep -qw CAPTION <<<"$(probe style "$STICKY")"
sleep 1
shot running_time_window "$((52 + 40))x$((68 + 20))+$((screen_width - 92))+0"
# Red digits and the red power button: the capture holds plenty of red.
red_share="$(convert "$SCREENS/running_time_window.png" -fx '(r > 0.5 && g < 0.35 && b < 0.35) ? 1 : 0' \
  -format '%[fx:int(1000*mean)]' info:)"
check "the running-time window shows red digits and the red button (${red_share} per mille red)" \
  test "$red_share" -gt 50
# The olive key colour must not show anywhere.
olive="$(convert "$SCREENS/running_time_window.png" -fill white +opaque 'rgb(128,128,0)' -fill black -opaque 'rgb(128,128,0)' \
  -negate -format '%[fx:int(mean*100000)]' info:)"
expect_eq "no olive background pixel shows" 0 "$olive"
# Nor do picture edges blended towards olive (red equal to green, no blue).
fringe="$(convert "$SCREENS/running_time_window.png" -fx '(abs(r - g) < 0.04 && r > 0.15 && b < 0.04) ? 1 : 0' \
  -format '%[fx:int(mean*w*h+0.5)]' info:)"
expect_eq "no olive-tinted edge pixels show" 0 "$fringe"

# The running-time "?" shows the window's label: HH:MM:SS (hours may grow).
probe settext "$MAIN" "$ACTION_WAKESPAN" ""
probe postclick "$MAIN" "$HELP_UP_BTN"
box="$(probe box "$MAIN" 5000)"
expect_eq "running-time ? shows an information box" "Information" "$(head -n 1 <<<"$box")"
expect_match "it shows \"Wakespan now is: \" and the running time" \
  '^Wakespan now is: [0-9]{2,}:[0-5][0-9]:[0-5][0-9]$' "$(tail -n +2 <<<"$box")"
first="$(tail -n +2 <<<"$box" | sed 's/.*: //')"
probe boxok "$MAIN" 5000
sleep 2
probe postclick "$MAIN" "$HELP_UP_BTN"
second="$(probe box "$MAIN" 5000 | tail -n +2 | sed 's/.*: //')"
probe boxok "$MAIN" 5000
seconds() { IFS=: read -r h m s <<<"$1"; echo $((10#$h * 3600 + 10#$m * 60 + 10#$s)); }
advanced=$(( $(seconds "$second") - $(seconds "$first") ))
check "the running time advances with the clock ($first, then $second)" test "$advanced" -ge 2 -a "$advanced" -le 5

# The local-time "?": no zero padding.
probe postclick "$MAIN" "$HELP_BTN"
box="$(probe box "$MAIN" 5000)"
expect_eq "local-time ? shows an information box" "Information" "$(head -n 1 <<<"$box")"
expect_match "it shows \"Time now is: \" and the unpadded local time" \
  '^Time now is: (0|[1-9][0-9]?):(0|[1-9][0-9]?):(0|[1-9][0-9]?)$' "$(tail -n +2 <<<"$box")"
probe boxok "$MAIN" 5000

# The artwork, enlarged, for review.
check "artwork contact sheets drawn" /usr/bin/python3 "$E2E_ROOT/resources/art/contact_sheet.py" "$SCREENS"
