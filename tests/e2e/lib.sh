# Sourced by the end-to-end check scripts. Counts checks into $E2E_RESULTS
# (one "PASS name" / "FAIL name" line each), starts and stops Wakespan under
# Wine and wraps the probe and the registry. Expects a running Wine session
# (scripts/wine-env.sh): DISPLAY and WINEPREFIX set.

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=../../scripts/wine-env.sh
source "$E2E_ROOT/scripts/wine-env.sh"

WAKESPAN_EXE="${WAKESPAN_EXE:-$E2E_ROOT/build/x86_64/app/Wakespan.exe}"
PROBE_EXE="${PROBE_EXE:-$E2E_ROOT/build/x86_64/tools/probe/probe.exe}"
E2E_OUT="${E2E_OUT:-$(mktemp -d /tmp/wakespan-e2e.XXXXXX)}"
E2E_RESULTS="${E2E_RESULTS:-$E2E_OUT/results.txt}"
mkdir -p "$E2E_OUT"

# Window classes and control ids of the settings window.
MAIN=TMainform
MAIN_BOX=100 GROUP_GENERAL=101 RUN_CHECK=102 COUNTDOWN_CHECK=103 PROTECT_CHECK=104
GROUP_TIME=105 SET_ACT_CHECK=106 ACTION_WAKESPAN=107 HELP_UP_BTN=108 ACTION_TIME=109
HELP_BTN=110 GROUP_ACTION=111 SHUT_R=112 REBOOT_R=113 LOGOFF_R=114 CLOSE_R=115 NO_R=116
HIBER_R=117 SET_PASS_BTN=118 APPLY_BTN=119 OK_BTN=120
RADIOS=("$SHUT_R" "$REBOOT_R" "$LOGOFF_R" "$CLOSE_R" "$NO_R" "$HIBER_R")

SETTINGS_KEY='Software\Kovalune'
RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'

# ---- results ----------------------------------------------------------------

pass() { echo "PASS $E2E_SUITE: $1" >>"$E2E_RESULTS"; echo "  ok   $1"; }
fail() { echo "FAIL $E2E_SUITE: $1" >>"$E2E_RESULTS"; echo "  FAIL $1${2:+ -- $2}"; }

# check NAME COMMAND...   passes when the command succeeds
check() {
  local name="$1"; shift
  if "$@" >/dev/null 2>&1; then pass "$name"; else fail "$name" "command failed: $*"; fi
}

# check_not NAME COMMAND...   passes when the command fails
check_not() {
  local name="$1"; shift
  if "$@" >/dev/null 2>&1; then fail "$name" "command succeeded: $*"; else pass "$name"; fi
}

expect_eq() { # NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then pass "$1"; else fail "$1" "expected '$2', got '$3'"; fi
}

expect_match() { # NAME REGEX ACTUAL
  if [[ "$3" =~ $2 ]]; then pass "$1"; else fail "$1" "'$3' does not match /$2/"; fi
}

expect_files_equal() { # NAME EXPECTED_FILE ACTUAL_FILE
  if cmp -s "$2" "$3"; then pass "$1"
  else fail "$1" "$(wc -c <"$2") bytes expected, $(wc -c <"$3" 2>/dev/null || echo 0) bytes found"; fi
}

suite() { E2E_SUITE="$1"; echo "== $1"; }

# ---- probe --------------------------------------------------------------------

probe() { "$WINE_LOADER_BIN" "$PROBE_EXE" "$@" 2>>"$E2E_OUT/probe.log"; }

is_checked() { probe checked "$MAIN" "$1" >/dev/null; }
is_enabled() { probe enabled "$MAIN" "$1" >/dev/null; }
is_visible() { probe visible "$@" >/dev/null; }
control_text() { probe text "$MAIN" "$1"; }
window_size() { probe rect "$1" | awk '{print $5 " x " $6}'; }

# The six radio buttons as "ShutR-state ... HiberR-state", e.g. "1 0 0 0 0 0".
radio_states() {
  local id states=()
  for id in "${RADIOS[@]}"; do states+=("$(probe checked "$MAIN" "$id")"); done
  echo "${states[*]}"
}

# ---- registry -----------------------------------------------------------------

reg_add() { wine_run reg add "HKLM\\$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
reg_delete_value() { wine_run reg delete "HKLM\\$1" /v "$2" /f >/dev/null 2>&1; }
reg_delete_key() { wine_run reg delete "HKLM\\$1" /f >/dev/null 2>&1; }
# "TYPE data" of an HKLM value, e.g. "REG_DWORD 1"; fails when it is missing.
reg_get() { probe regget "$1" "$2"; }
setting() { reg_get "$SETTINGS_KEY" "$1"; }
key_exists() { wine_run reg query "HKLM\\$1" >/dev/null 2>&1; }
# Number of values directly under an HKLM key.
value_count() { wine_run reg query "HKLM\\$1" 2>/dev/null | grep -c '    REG_' || true; }

# Stores a complete, valid set of settings (all flags clear, action 0).
store_defaults() {
  local name
  for name in RunAtStartUp CountDown Protect SetActTime Action; do
    reg_add "$SETTINGS_KEY" "$name" REG_DWORD 0
  done
  reg_add "$SETTINGS_KEY" ActionTime REG_SZ ""
  reg_add "$SETTINGS_KEY" ActionWakespan REG_SZ ""
}

# ---- the program --------------------------------------------------------------

WAKESPAN_PID=""

# wakespan_start [EXE]: starts Wakespan and waits for its settings window.
wakespan_start() {
  local exe="${1:-$WAKESPAN_EXE}"
  "$WINE_LOADER_BIN" "$exe" >>"$E2E_OUT/wakespan.log" 2>&1 &
  WAKESPAN_PID=$!
  probe wait "$MAIN" 30000
}

wakespan_running() { [ -n "$WAKESPAN_PID" ] && kill -0 "$WAKESPAN_PID" 2>/dev/null; }

wakespan_stop() {
  [ -n "$WAKESPAN_PID" ] || return 0
  probe kill "$MAIN" >/dev/null || true
  probe kill TApplication >/dev/null || true
  local i
  for i in $(seq 1 50); do wakespan_running || break; sleep 0.1; done
  kill "$WAKESPAN_PID" 2>/dev/null || true
  wait "$WAKESPAN_PID" 2>/dev/null || true
  WAKESPAN_PID=""
  # Wine may list the ended program's windows a little longer: the next start
  # must not find the old settings window.
  probe waitgone "$MAIN" 10000 >/dev/null || true
}

wakespan_restart() { wakespan_stop; wakespan_start "$@"; }

# Runs when a check script ends, however it ends.
e2e_finish() { wakespan_stop; }
trap e2e_finish EXIT

# The exe must exist; a missing build fails the suite clearly instead of
# every check separately.
require_wakespan() {
  if [ ! -f "$WAKESPAN_EXE" ]; then fail "Wakespan.exe is built" "missing $WAKESPAN_EXE"; exit 1; fi
  if [ ! -f "$PROBE_EXE" ]; then fail "probe.exe is built" "missing $PROBE_EXE"; exit 1; fi
}
