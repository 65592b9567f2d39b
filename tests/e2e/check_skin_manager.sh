#!/usr/bin/env bash
# The skin engine's start-up and skin selection as a user meets them: the
# "/acver" box before any window, a junk packed skin in c:\Skins reported
# in an error box after which the program goes on, and a skin directory of
# the configured name that loads without a word.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_actions.sh"
suite "skin manager"
require_wakespan
require_probe_tray

SKINS="$WINEPREFIX/drive_c/Skins"
SKIN_NAME="WMP11 (internal)"

# ---- /acver -----------------------------------------------------------------
wakespan_launch /ACVER /acver
box="$(probe box TApplication 30000)"
expect_eq "/acver: the version box" "Tamsarin v6.68" "$(tail -n +2 <<<"$box")"
check_not "/acver: the box comes before the settings window" probe exists "$MAIN"
shot acver_box
check "/acver: OK closes the box" probe boxok TApplication 5000
check "/acver: the program then starts normally" probe wait "$MAIN" 30000
check_not "/acver: no second box, though asked twice" probe box "$MAIN" 1500
settings_window_usable "/acver"
wakespan_stop

# ---- a junk packed skin -----------------------------------------------------
mkdir -p "$SKINS"
head -c 3000 /dev/urandom >"$SKINS/$SKIN_NAME.asz"
wakespan_launch
box="$(probe box TApplication 30000)"
expect_eq "junk skin: reported in an error box" "Error" "$(head -n 1 <<<"$box")"
text="$(tail -n +2 <<<"$box")"
check "junk skin: the box says what is wrong" test -n "$text"
echo "  (error text: $text)"
shot junk_skin_error
check "junk skin: OK closes the box" probe boxok TApplication 5000
settings_window_usable "junk skin"
check_not "junk skin: no further box" probe box "$MAIN" 1000
shot junk_skin_settings "$(window_geometry "$MAIN" 4)"
wakespan_stop
rm -f "$SKINS/$SKIN_NAME.asz"

# ---- a skin directory with a bad option value -------------------------------
mkdir -p "$SKINS/$SKIN_NAME"
cp "$E2E_ROOT/resources/skin/WMP11/"* "$SKINS/$SKIN_NAME/"
sed -i 's/^SHADOW1OFFSET=0/SHADOW1OFFSET=abc/' "$SKINS/$SKIN_NAME/Options.dat"
wakespan_launch
box="$(probe box TApplication 30000)"
expect_eq "bad option value: reported in an error box" "Error" "$(head -n 1 <<<"$box")"
expect_match "bad option value: the box names the value" "abc" "$(tail -n +2 <<<"$box")"
check "bad option value: OK closes the box" probe boxok TApplication 5000
settings_window_usable "bad option value"
wakespan_stop

# ---- a skin directory of the configured name --------------------------------
cp "$E2E_ROOT/resources/skin/WMP11/Options.dat" "$SKINS/$SKIN_NAME/"
check "skin directory: the program starts" wakespan_start
check_not "skin directory: loads without an error box" probe box "$MAIN" 1500
settings_window_usable "skin directory"
shot skin_directory_settings "$(window_geometry "$MAIN" 4)"
