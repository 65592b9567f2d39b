#!/usr/bin/env bash
# Runs every tests/e2e/check_*.sh, each in its own copy of the Wine prefix, so
# every script starts from an empty registry and nothing it does (even ending
# the Windows session) reaches the others. Uses the caller's Wine session when
# there is one, else starts a private one.
# Results: $E2E_RESULTS (PASS/FAIL lines); artefacts in $E2E_OUT.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/wine-env.sh"

export E2E_OUT="${E2E_OUT:-$(mktemp -d /tmp/wakespan-e2e.XXXXXX)}"
export E2E_RESULTS="${E2E_RESULTS:-$E2E_OUT/results.txt}"
mkdir -p "$E2E_OUT"
: >"$E2E_RESULTS"

if [ -z "$WINE_ENV_DIR" ] || [ ! -d "$WINE_ENV_DIR/prefix" ]; then
  echo "e2e: starting a private Wine session"
  wine_env_start || exit 1
fi

for script in "$here"/check_*.sh; do
  [ -n "${E2E_ONLY:-}" ] && [[ "$script" != *"$E2E_ONLY"* ]] && continue
  prefix="$(wine_env_prefix_copy)"
  before=$(wc -l <"$E2E_RESULTS")
  WINEPREFIX="$prefix" timeout 600 bash "$script"
  status=$?
  name="$(basename "$script" .sh)"
  if [ "$status" -eq 124 ]; then
    echo "FAIL $name: timed out" >>"$E2E_RESULTS"
  elif [ "$(wc -l <"$E2E_RESULTS")" -eq "$before" ]; then
    echo "FAIL $name: ran no checks (status $status)" >>"$E2E_RESULTS"
  fi
  wine_env_drop_prefix "$prefix"
done

passed=$(grep -c '^PASS' "$E2E_RESULTS")
failed=$(grep -c '^FAIL' "$E2E_RESULTS")
echo "e2e: $passed passed, $failed failed (results in $E2E_RESULTS)"
[ "$failed" -eq 0 ]
