#!/usr/bin/env bash
# skintool preview against the program: the settings and about windows as
# Wine shows them right after the first start, and the preview of the same
# windows drawn on the build machine, compared pixel by pixel; once with the
# embedded skin and once with a skin of another colour planted in the skin
# directory. The countdown window's figure is reported only: it counts down
# another action than the preview's. The share of identical pixels is
# printed for every window.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "skin preview"
require_wakespan
require_probe_tray
mkdir -p "$SCREENS"

SKINTOOL="${SKINTOOL:-$E2E_ROOT/build/host/tools/skintool/skintool}"
if [ ! -x "$SKINTOOL" ]; then fail "skintool is built" "missing $SKINTOOL"; exit 1; fi
EMBEDDED="$E2E_ROOT/resources/skin/WMP11"
SKINS="$WINEPREFIX/drive_c/Skins"

# identical NAME CLASS WINDOW SKIN: the window's screenshot, its preview,
# and the per cent of identical pixels (two decimals).
identical() {
  local name="$1" class="$2" window="$3" skin="$4" total differing
  shot "$name" "$(window_geometry "$class" 0)"
  "$SKINTOOL" preview "$skin" --window "$window" --out "$SCREENS/${name}_preview.png" || return 1
  total=$(identify -format '%[fx:w*h]' "$SCREENS/$name.png")
  differing=$(compare -metric AE "$SCREENS/$name.png" "$SCREENS/${name}_preview.png" "$SCREENS/${name}_diff.png" 2>&1)
  awk -v t="$total" -v d="${differing%% *}" 'BEGIN { printf "%.2f\n", 100 * (t - d) / t }'
}

# at_least NAME PERCENT FLOOR
at_least() {
  echo "  ($1: $2 per cent of the pixels identical)"
  check "$1: the preview matches the window (at least $3 per cent)" awk -v p="$2" -v f="$3" 'BEGIN { exit !(p >= f) }'
}

open_about() {
  local about
  about="$(menu_id "$(probe_tray menubar "$MAIN")" "&About")"
  probe_tray command "$MAIN" "$about" >/dev/null
  probe wait "$ABOUT" 5000 >/dev/null && park_mouse && sleep 1
}

compare_settings_and_about() { # LABEL SKIN
  # Nothing stored: the program starts as on its first run.
  wine_run reg delete 'HKLM\Software\Kovalune' /f >/dev/null 2>&1 || true
  check "$1: the settings window appears" wakespan_start
  park_mouse
  sleep 1
  at_least "$1 settings" "$(identical "${1}_settings" "$MAIN" settings "$2")" 99
  if open_about; then
    at_least "$1 about" "$(identical "${1}_about" "$ABOUT" about "$2")" 98.5
  else
    fail "$1: the about window opens"
  fi
  wakespan_stop
}

compare_settings_and_about embedded "$EMBEDDED"

# The countdown of a close-application action, cancelled at once.
store_schedule 3 1 1
wakespan_start
park_mouse
probe click "$MAIN" "$OK_BTN" >/dev/null
probe waitgone "$MAIN" 5000 >/dev/null
read -r text _ < <(local_time_in 3)
probe settext "$MAIN" "$ACTION_TIME" "$text" >/dev/null
if probe wait "$COUNTDOWN" 15000 >/dev/null; then
  sleep 1
  echo "  (countdown: $(identical countdown "$COUNTDOWN" countdown "$EMBEDDED") per cent of the pixels identical)"
  probe click "$COUNTDOWN" "$CANCEL_BTN" >/dev/null
else
  fail "the countdown window appears" "not shown"
fi
wakespan_stop

# A skin of another colour planted where the program looks first.
planted="$SKINS/WMP11 (internal)"
rm -rf "${SKINS:?}"
mkdir -p "$planted"
cp "$EMBEDDED"/* "$planted/"
python3 - "$planted/Options.dat" <<'EOF'
import re, sys
path = sys.argv[1]
text = open(path, encoding="latin-1").read()
# Greener backgrounds and text for the whole skin.
text = re.sub(r"(?m)^(COLOR=)\d+", r"\g<1>3170352", text)
text = re.sub(r"(?m)^(FONTCOLOR=)\d+", r"\g<1>65535", text, count=1)
open(path, "w", encoding="latin-1").write(text)
EOF
compare_settings_and_about planted "$planted"
