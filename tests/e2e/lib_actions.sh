# Sourced after lib.sh by the checks of the actions, the countdown, the tray
# icon and the running-time window: stored settings in one call, trigger
# times, the process's end, screenshots, and probe_tray (menus, tooltips,
# progress bars, extended styles).

PROBE_TRAY_EXE="${PROBE_TRAY_EXE:-$(dirname "$PROBE_EXE")/probe_tray.exe}"
SCREENS="$E2E_OUT/screens"
mkdir -p "$SCREENS"

STICKY=TStickyform COUNTDOWN=TCountDownform ABOUT=TAboutform TRAY=TTrayIconWindow
PROGRESS_BAR=100 CANCEL_BTN=101 ABOUT_OK_BTN=1

probe_tray() { "$WINE_LOADER_BIN" "$PROBE_TRAY_EXE" "$@" 2>>"$E2E_OUT/probe.log"; }

require_probe_tray() {
  if [ ! -f "$PROBE_TRAY_EXE" ]; then fail "probe_tray.exe is built" "missing $PROBE_TRAY_EXE"; exit 1; fi
}

# store_schedule ACTION COUNTDOWN SETACTTIME [ACTIONTIME]: a complete set of
# settings that arms the local-time trigger with this action.
store_schedule() {
  store_defaults
  reg_add "$SETTINGS_KEY" Action REG_DWORD "$1"
  reg_add "$SETTINGS_KEY" CountDown REG_DWORD "$2"
  reg_add "$SETTINGS_KEY" SetActTime REG_DWORD "$3"
  reg_add "$SETTINGS_KEY" ActionTime REG_SZ "${4:-}"
}

# local_time_in SECONDS: "TEXT EPOCH" of the local time that many seconds
# ahead; TEXT as the program writes it (no zero padding).
local_time_in() {
  local epoch=$(( $(date +%s) + $1 ))
  echo "$(date -d "@$epoch" '+%-H:%-M:%-S') $epoch"
}

now_ms() { date +%s%3N; }

# Wakespan's process is alive: exists and is not a zombie (the script has
# not reaped it yet, so kill -0 alone would still succeed).
wakespan_alive() {
  [ -n "$WAKESPAN_PID" ] || return 1
  local state
  state="$(sed 's/.*) //' "/proc/$WAKESPAN_PID/stat" 2>/dev/null | cut -d' ' -f1)"
  [ -n "$state" ] && [ "$state" != Z ]
}

# wait_for_end TIMEOUT_S: waits until Wakespan's process has ended and sets
# ENDED_MS to the epoch milliseconds at which it was seen gone. Fails on timeout.
ENDED_MS=""
wait_for_end() {
  local until=$(( $(date +%s) + $1 ))
  while wakespan_alive; do
    [ "$(date +%s)" -lt "$until" ] || return 1
    sleep 0.05
  done
  ENDED_MS=$(now_ms)
  wait "$WAKESPAN_PID" 2>/dev/null
  WAKESPAN_PID=""
}

# The probe, started ahead, waits inside Wine for the window of CLASS to be
# hidden or destroyed; window_gone then sets GONE_MS to the epoch ms of its
# answer (a probe start costs half a second, so it must already be waiting).
# watch_window_shown and window_shown do the same for a window's appearance.
WATCH_PID="" GONE_MS="" SHOWN_MS=""
watch_window_gone() { probe waitgone "$1" "$2" >/dev/null & WATCH_PID=$!; }
window_gone() { wait "$WATCH_PID" && GONE_MS=$(now_ms); }
watch_window_shown() { probe wait "$1" "$2" >/dev/null & WATCH_PID=$!; }
window_shown() { wait "$WATCH_PID" && SHOWN_MS=$(now_ms); }

# wait_for_balloon TEXT TIMEOUT_S: a tray balloon with TEXT is shown within
# the time; prints its line.
wait_for_balloon() {
  local until=$(( $(date +%s) + $2 )) line
  while [ "$(date +%s)" -lt "$until" ]; do
    line="$(probe_tray tooltips | awk -F'\t' '$2 == "balloon"' | grep -F "$1")" && { echo "$line"; return 0; }
    sleep 0.25
  done
  return 1
}

# sleep_until EPOCH: sleeps until that second has begun.
sleep_until() {
  local left=$(( $1 * 1000 - $(now_ms) ))
  [ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
}

# within NAME VALUE LOW HIGH: VALUE (integer) in [LOW, HIGH].
within() {
  if [ "$2" -ge "$3" ] && [ "$2" -le "$4" ]; then pass "$1 ($2)"
  else fail "$1" "$2 not within $3..$4"; fi
}

# shot NAME [GEOMETRY]: screenshot (cropped to WxH+X+Y) into the screens folder.
shot() {
  local file="$SCREENS/$1.png"
  if [ -n "${2:-}" ]; then
    xwd -root -silent | convert xwd:- -crop "$2" +repage "png:$file"
  else
    wine_screenshot "$file"
  fi
  [ -s "$file" ]
}

# Geometry "WxH+X+Y" of a window of CLASS with MARGIN pixels around it.
window_geometry() { # CLASS MARGIN
  local left top width height m="$2"
  read -r left top _ _ width height < <(probe rect "$1")
  (( left -= m, top -= m, width += 2 * m, height += 2 * m ))
  (( left < 0 )) && { width=$((width + left)); left=0; }
  (( top < 0 )) && { height=$((height + top)); top=0; }
  echo "${width}x${height}+${left}+${top}"
}

# Number of distinct colours in a screenshot: a black or empty capture has 1.
colour_count() { identify -format '%k' "$1"; }

# The standalone tray window Wine shows on a display without a notification
# area, and the centre of the first icon in it (one row under the caption).
TRAY_WINDOW=__winex11_standalone_tray
tray_icon_point() {
  local left bottom
  read -r left _ _ bottom _ _ < <(probe rect "$TRAY_WINDOW") || return 1
  echo "$((left + 12)) $((bottom - 13))"
}

right_click_tray_icon() {
  local x y
  read -r x y < <(tray_icon_point) || return 1
  xdotool mousemove "$x" "$y" click 3
}

# Moves the mouse out of the way, so no hint tooltip covers a screenshot.
park_mouse() { xdotool mousemove 640 1000; }

# "id" of the first menu line (from probe_tray popupmenu/menubar) whose
# caption is exactly CAPTION.
menu_id() { # MENU-LISTING CAPTION
  awk -F'\t' -v want="$2" '{ sub(/^\t+/, ""); split($0, f, "\t") } f[3] == want { print f[1]; exit }' <<<"$1"
}

# ---- skins ------------------------------------------------------------------

# wakespan_launch ARGS...: starts Wakespan with arguments and does not wait
# for the settings window (a box may come first).
wakespan_launch() {
  "$WINE_LOADER_BIN" "$WAKESPAN_EXE" "$@" >>"$E2E_OUT/wakespan.log" 2>&1 &
  WAKESPAN_PID=$!
  # The hidden application window comes first; boxes are found through it.
  local i
  for i in $(seq 1 300); do probe exists TApplication >/dev/null && return 0; sleep 0.1; done
  return 1
}

# The settings window works: it is visible, answers and its File menu opens.
settings_window_usable() { # LABEL
  check "$1: the settings window appears" probe wait "$MAIN" 30000
  expect_eq "$1: the settings window answers" "Kovalune Wakespan v1.0" "$(probe text "$MAIN")"
  park_mouse
  local left top
  read -r left top _ _ _ _ < <(probe rect "$MAIN")
  xdotool mousemove $((left + 18)) $((top + 32)) click 1
  check "$1: its File menu opens" probe_tray popupmenu 3000
  xdotool key Escape Escape
  park_mouse
}

# ---- menu windows -------------------------------------------------------------

# Screenshots of the root window show a popup menu owned by an active window
# black under Wine, though the menu window itself holds its pixels: the
# visible popup menu window is captured on its own, found by its place.
MENU_WINDOW_CLASS='#32768'
shot_menu_window() { # NAME: the first visible popup menu window, as $SCREENS/NAME.png
  local l t w h xid
  read -r l t w h < <(probe_tray windows | awk -F'\t' -v c="$MENU_WINDOW_CLASS" '$2 == c && $3 == "visible" {print $4}' | head -n 1)
  [ -n "${w:-}" ] || return 1
  xid="$(xwininfo -root -tree | awk -v g="${w}x${h}+${l}+${t}" 'index($0, g) {print $1; exit}')"
  [ -n "$xid" ] && import -window "$xid" "png:$SCREENS/$1.png"
}
# "r g b" "r g b": every channel within 6.
near() { # "r g b" "r g b": every channel within 6
  local a=($1) b=($2) i
  for i in 0 1 2; do (( ${a[i]} - ${b[i]} > 6 || ${b[i]} - ${a[i]} > 6 )) && return 1; done
  return 0
}
# "r g b" of a pixel of a captured image.
image_pixel() { convert "$1" -crop "1x1+$2+$3" +repage -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:; }
