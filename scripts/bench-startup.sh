#!/usr/bin/env bash
# Start-up benchmark: milliseconds from process start to a visible window,
# and to that window fully painted (the program idle with nothing of the
# window or its children left to paint), for Wakespan (the skinned settings
# window) and for a minimal Win32 program that shows one window, under the
# same Wine in the same run, five runs each after one warm-up run each.
# Prints the medians and their ratios.
# Usage: scripts/bench-startup.sh [--no-build] [RUNS]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" = "--no-build" ]; then shift; else bash "$root/scripts/build.sh" host x86_64 >/dev/null; fi
runs="${1:-5}"

build="$root/build/x86_64"
probe_exe="$build/tools/probe/probe.exe"
source "$root/scripts/wine-env.sh"
wine_env_start

probe() { "$WINE_LOADER_BIN" "$probe_exe" "$@"; }
to_windows() { "$WINE_LOADER_BIN" winepath -w "$1" 2>/dev/null; }
wakespan="$(to_windows "$build/app/Wakespan.exe")"
minimal="$(to_windows "$build/tools/probe/minimal_window.exe")"

# One start: the probe launches the program and times it itself, so Wine's
# start-up of the probe is not part of the figure.
# The figure goes through a file, not a pipe: a pipe could stay open as long
# as the started program lives.
# After a kill the probe waits for the shell: removing a killed program's
# tray icon keeps it busy for about two seconds, and a program started in
# that time waits for it, which would be charged to the next start.
time_start() { # EXE CLASS [painted]
  probe launch "$1" "$2" 60000 ${3:-} >"$WINE_ENV_DIR/ms" </dev/null
  probe kill "$2" >/dev/null </dev/null
  probe settle >/dev/null </dev/null
  cat "$WINE_ENV_DIR/ms"
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

time_start "$wakespan" TMainform >/dev/null
time_start "$minimal" WakespanMinimal >/dev/null
for until in visible painted; do
  wakespan_ms=() minimal_ms=()
  flag=""; [ "$until" = painted ] && flag=painted
  for _ in $(seq 1 "$runs"); do
    wakespan_ms+=("$(time_start "$wakespan" TMainform $flag)")
    minimal_ms+=("$(time_start "$minimal" WakespanMinimal $flag)")
  done
  w="$(median "${wakespan_ms[@]}")"
  m="$(median "${minimal_ms[@]}")"
  echo "until $until: Wakespan runs (ms): ${wakespan_ms[*]}"
  echo "until $until: minimal window runs (ms): ${minimal_ms[*]}"
  awk -v w="$w" -v m="$m" -v u="$until" \
    'BEGIN { printf "until %s: median Wakespan %s ms, median minimal %s ms, ratio %.2f\n", u, w, m, w / m }'
done
