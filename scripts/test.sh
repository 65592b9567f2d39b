#!/usr/bin/env bash
# The test command: sets everything up, builds every tree and runs every test
#   - host unit tests (build/host) and the same under ASan/UBSan (build/host-asan)
#   - the Windows-side test programs of build/x86_64 under wine64
#   - the end-to-end checks that drive the real Wakespan.exe (tests/e2e)
# on a private Xvfb display with a private Wine prefix. Ends with one line
# "N passed, N failed" counting individual test cases; exits non-zero when
# anything failed. Reports and screenshots go to build/test-results.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${WAKESPAN_TEST_OUT:-$root/build/test-results}"
python=/usr/bin/python3
passed=0
failed=0
failures=()
began=$(date +%s)

note() { echo "[$(( $(date +%s) - began ))s] $*"; }
count() { # PASSED FAILED LABEL
  passed=$((passed + $1)); failed=$((failed + $2))
  note "$3: $1 passed, $2 failed"
  [ "$2" -eq 0 ] || failures+=("$3")
}

# ctest in DIR; the cases counted from GoogleTest's XML reports.
run_ctest() { # LABEL DIR [extra ctest args...]
  local label="$1" dir="$2"; shift 2
  local results="$out/$label"
  mkdir -p "$results/gtest"
  if [ ! -f "$dir/CTestTestfile.cmake" ]; then count 0 1 "$label (not built)"; return; fi
  local report="$results/gtest/"
  # Windows programs see the Unix path through Wine's Z: drive.
  [[ "$label" == windows* ]] && report="Z:$report"
  (cd "$dir" && ctest --show-only=json-v1 >"$results/tests.json" 2>/dev/null)
  (cd "$dir" && GTEST_OUTPUT="xml:$report" ctest --timeout 300 --output-on-failure \
     --output-junit "$results/ctest.xml" "$@" >"$results/ctest.log" 2>&1)
  local counts
  counts=$("$python" "$root/scripts/count_tests.py" "$results/ctest.xml" "$results/tests.json" \
             "$results/gtest" 2> >(tee "$results/failures.txt" >&2))
  # shellcheck disable=SC2086
  count ${counts:-0 1} "$label"
}

mkdir -p "$out"
rm -rf "${out:?}"/*

note "setup"
if ! bash "$root/scripts/setup.sh" >"$out/setup.log" 2>&1; then
  tail -n 20 "$out/setup.log"
  count 0 1 "setup"
fi

for tree in host x86_64 i686 host-asan; do
  note "build $tree"
  if ! bash "$root/scripts/build.sh" "$tree" >"$out/build-$tree.log" 2>&1; then
    grep -E 'error|FAILED' "$out/build-$tree.log" | head -n 20
    count 0 1 "build $tree"
  fi
done

note "host unit tests"
run_ctest host "$root/build/host" -j2
note "host unit tests under ASan/UBSan"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest host-asan "$root/build/host-asan" -j2

note "starting a private Wine session"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
if wine_env_start; then
  note "Windows-side tests under wine64 (display $DISPLAY)"
  # The test programs write the registry; they get a copy of the prefix.
  prefix="$(wine_env_prefix_copy)"
  WINEPREFIX="$prefix" run_ctest windows "$root/build/x86_64"
  wine_env_drop_prefix "$prefix"

  note "end-to-end checks"
  E2E_OUT="$out/e2e" E2E_RESULTS="$out/e2e/results.txt" bash "$root/tests/e2e/run_all.sh" \
    >"$out/e2e.log" 2>&1
  grep -E '^== |FAIL' "$out/e2e.log"
  if [ -f "$out/e2e/results.txt" ]; then
    e2e_passed=$(grep -c '^PASS' "$out/e2e/results.txt")
    e2e_failed=$(grep -c '^FAIL' "$out/e2e/results.txt")
    count "$e2e_passed" "$e2e_failed" "end-to-end"
  else
    count 0 1 "end-to-end (no results)"
  fi
  wine_env_stop
else
  count 0 1 "Wine session"
fi

note "done in $(( $(date +%s) - began )) s; reports in $out"
[ "${#failures[@]}" -eq 0 ] || echo "failed stages: ${failures[*]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
