#!/usr/bin/env bash
# Trigger texts go through Apply, the registry and a restart unchanged: very
# long texts, leading and trailing blanks, characters beyond ASCII.
source "$(dirname "$0")/lib.sh"
suite "trigger texts"
require_wakespan

long="$E2E_OUT/long.txt"        # 100,000 characters
blanks="$E2E_OUT/blanks.txt"    # blanks around, non-ASCII inside (one surrogate pair)
/usr/bin/python3 - "$long" "$blanks" <<'PY'
import sys
pattern = "0123456789 abcdefghij:"
text = (pattern * (100000 // len(pattern) + 1))[:100000]
open(sys.argv[1], "w", encoding="utf-8", newline="").write(text)
open(sys.argv[2], "w", encoding="utf-8", newline="").write("  Zeit 2:0:0 — Ünïcödé ✓ 日本語 😀   ")
PY

# Round trip: ID gets FILE's text, Apply, registry, restart, edit again.
round_trip() { # LABEL CONTROL-ID VALUE-NAME FILE
  local label="$1" id="$2" value="$3" file="$4"
  check "$label: set" probe settextfile "$MAIN" "$id" "$file"
  check "$label: Apply enabled by the change" is_enabled "$APPLY_BTN"
  probe click "$MAIN" "$APPLY_BTN"
  expect_eq "$label: stored as REG_SZ" REG_SZ "$(probe regget "$SETTINGS_KEY" "$value" "$E2E_OUT/stored.txt")"
  expect_files_equal "$label: stored unchanged" "$file" "$E2E_OUT/stored.txt"
  probe textfile "$MAIN" "$id" "$E2E_OUT/shown.txt"
  expect_files_equal "$label: read back unchanged after Apply" "$file" "$E2E_OUT/shown.txt"
  wakespan_restart
  probe textfile "$MAIN" "$id" "$E2E_OUT/shown.txt"
  expect_files_equal "$label: loaded unchanged after a restart" "$file" "$E2E_OUT/shown.txt"
}

check "settings window appears" wakespan_start
round_trip "100,000 characters in ActionWakespan" "$ACTION_WAKESPAN" ActionWakespan "$long"
round_trip "blanks and non-ASCII in ActionTime" "$ACTION_TIME" ActionTime "$blanks"
round_trip "100,000 characters in ActionTime" "$ACTION_TIME" ActionTime "$long"
round_trip "blanks and non-ASCII in ActionWakespan" "$ACTION_WAKESPAN" ActionWakespan "$blanks"

# The edits have no length limit: typing onto 100,000 characters still adds.
probe type "$MAIN" "$ACTION_TIME" "+"
probe textfile "$MAIN" "$ACTION_TIME" "$E2E_OUT/shown.txt"
expect_eq "typing past 100,000 characters is accepted" 100001 "$(/usr/bin/python3 -c \
  'import sys; print(len(open(sys.argv[1], encoding="utf-8").read()))' "$E2E_OUT/shown.txt")"
