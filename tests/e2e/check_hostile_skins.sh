#!/usr/bin/env bash
# Hostile skins planted where any local user can write, one after another:
# images outside the master bitmap, borders wider than their images, a
# master bitmap whose header lies or that is missing, parent loops, garbage
# numbers and gradients, image files outside the skin's directory or not
# images at all, option texts too big, empty or binary. For each, the
# program starts (after at most an error box), shows its settings window
# within seconds, answers, opens its menus and reacts to the mouse.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "hostile skins"
require_wakespan
require_probe_tray

SKINS="$WINEPREFIX/drive_c/Skins"
SKIN_NAME="WMP11 (internal)"
made="$E2E_OUT/hostile_skins"
rm -rf "$made"
python3 "$(dirname "$0")/hostile_skins.py" "$made" >/dev/null || { fail "the hostile skins are made"; exit 1; }

store_defaults
for dir in "$made"/${HOSTILE_ONLY:-*}/; do
  name="$(basename "$dir")"
  rm -rf "${SKINS:?}"
  mkdir -p "$SKINS/$SKIN_NAME"
  cp "$dir"* "$SKINS/$SKIN_NAME/"
  start=$(date +%s%N)
  wakespan_launch
  # An error box may come first; the program goes on after it.
  for _ in $(seq 1 20); do
    is_visible "$MAIN" && break
    if probe box TApplication 200 >/dev/null; then
      probe boxok TApplication 2000 >/dev/null
      echo "  ($name: an error box was shown)"
      break
    fi
  done
  check "$name: the settings window appears within 10 seconds" probe wait "$MAIN" 10000
  echo "  ($name: $(( ($(date +%s%N) - start) / 1000000 )) ms to the settings window)"
  # Its caption, read as soon as the window shows: once it came back empty
  # (the program busy with its first paint); a few seconds are allowed.
  caption=""
  for _ in $(seq 1 10); do
    caption="$(probe text "$MAIN")"
    [ "$caption" = "Kovalune Wakespan v1.0" ] && break
    sleep 0.5
  done
  expect_eq "$name: it answers within 5 seconds" "Kovalune Wakespan v1.0" "$caption"
  park_mouse
  read -r left top _ _ _ _ < <(probe rect "$MAIN")
  xdotool mousemove $((left + 18)) $((top + 32)) click 1
  check "$name: its File menu opens" probe_tray popupmenu 3000
  xdotool key Escape Escape
  read -r bl bt _ _ bw bh < <(probe rect "$MAIN" "$OK_BTN")
  xdotool mousemove $((bl + bw / 2)) $((bt + bh / 2))
  sleep 0.3
  read -r cl ct cr _ _ _ < <(probe rect "$MAIN")
  xdotool mousemove $((cr - 20)) $((ct + 10))
  sleep 0.3
  park_mouse
  check "$name: it still answers after the mouse went over its buttons" probe text "$MAIN"
  right_click_tray_icon
  check "$name: the tray menu opens" probe_tray popupmenu 3000
  xdotool key Escape
  wakespan_stop
done
rm -rf "${SKINS:?}"
